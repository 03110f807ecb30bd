#include "files/ems_file.h"

#include "files/caption.h"
#include "files/ems_format.h"
#include "files/file_access.h"
#include "files/picture_codecs.h"
#include "files/safe_save.h"
#include "files/status_texts.h"
#include "picture/undo_clipboard.h"
#include "picture/view.h"

namespace tochkograf {

bool WriteEmsFile(DocumentContext& document, const QString& path) {
  DocumentState& state = document.state;
  const FileStatus saved = SaveWhole(path, EncodeEms(state.MX, state.MY, state.Pixels));
  if (saved != FileStatus::Ok) {
    document.messages.ShowFailure(kWriteFailure + QLatin1Char('\n') +
                                  FileReasonLine(path, WriteFailureReason(saved)));
    return false;
  }
  state.FileName = path;
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
  const FileStatus file = ReadFileHead(name, EmsFileSize(kMaxWidth, kMaxHeight), bytes);
  const FormatStatus format =
      file == FileStatus::Ok ? EmsFormatStatus(DecodeEms(bytes, header, pixels)) : FormatStatus::Ok;
  if (file != FileStatus::Ok || format != FormatStatus::Ok) {
    const QString reason =
        file != FileStatus::Ok ? ReadFailureReason(file) : FormatFailureReason(format);
    document.messages.ShowFailure(kReadFailure + QLatin1Char('\n') + FileReasonLine(name, reason));
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
