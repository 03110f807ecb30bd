#include "files/ems_file.h"

#include "files/caption.h"
#include "files/ems_format.h"
#include "files/read_head.h"
#include "files/safe_save.h"
#include "picture/undo_clipboard.h"
#include "picture/view.h"

namespace tochkograf {

bool WriteEmsFile(DocumentContext& document) {
  DocumentState& state = document.state;
  if (!SaveWhole(state.FileName, EncodeEms(state.MX, state.MY, state.Pixels))) {
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
