#include "files/ems_file.h"

#include <QFileInfo>
#include <QSaveFile>

#include "files/caption.h"
#include "files/ems_format.h"
#include "files/read_head.h"
#include "picture/undo_clipboard.h"
#include "picture/view.h"

namespace tochkograf {

namespace {

bool WriteWhole(const QString& name, const QByteArray& bytes) {
  // Replacing a file by renaming over it would go round its read-only mark.
  const QFileInfo existing(name);
  if (existing.exists() && (!existing.isFile() || !existing.isWritable())) return false;
  QSaveFile file(name);
  if (!file.open(QIODevice::WriteOnly)) return false;
  // commit() would not notice a failure of the final flush (a full disk),
  // and would put a cut-off file in place of the old one: flush first.
  if (file.write(bytes) != bytes.size() || !file.flush()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

}  // namespace

bool WriteEmsFile(DocumentContext& document) {
  DocumentState& state = document.state;
  if (!WriteWhole(state.FileName, EncodeEms(state.MX, state.MY, state.Pixels))) {
    document.messages.ShowFailure(kWriteFailure);
    return false;
  }
  state.IZM = kOff;
  UpdateCaption(document);
  return true;
}

bool ReadEmsFile(DocumentContext& document, const QString& name) {
  DocumentState& state = document.state;
  QByteArray bytes;
  EmsHeader header;
  PixelGrid pixels = state.Pixels;
  // No more than the largest picture needs is read: what follows is ignored.
  if (!ReadHead(name, EmsFileSize(kMaxWidth, kMaxHeight), bytes) || DecodeEms(bytes, header, pixels) != EmsStatus::Ok) {
    document.messages.ShowFailure(kReadFailure);
    return false;
  }
  state.IZM = kOff;
  state.MX = header.width;
  state.MY = header.height;
  state.Pixels = pixels;
  SaveUndo(state);
  RedrawPole(state, document.view);
  return true;
}

void UpdateCaption(DocumentContext& document) {
  document.caption.SetCaption(CaptionFor(document.state.FileName));
}

}  // namespace tochkograf
