#include "commands/ems_file.h"

#include "commands/caption.h"
#include "files/safe_save.h"
#include "files/status_texts.h"
#include "images/file_formats.h"
#include "picture/undo_clipboard.h"
#include "picture/view.h"

namespace tochkograf {

bool WriteEmsFile(DocumentContext& document, const QString& path) {
  DocumentState& state = document.state;
  QByteArray bytes;
  QString reason;
  if (const FormatStatus encoded =
          OwnFormat().write({state.MX, state.MY, state.Pixels}, {path}, bytes);
      encoded != FormatStatus::Ok)
    reason = FormatFailureReason(encoded);
  else if (const FileStatus saved = SaveWhole(path, bytes); saved != FileStatus::Ok)
    reason = WriteFailureReason(saved);
  if (!reason.isEmpty()) {
    document.messages.ShowFailure(kWriteFailure + QLatin1Char('\n') + FileReasonLine(path, reason));
    return false;
  }
  state.FileName = path;
  state.IZM = kOff;
  UpdateCaption(document);
  return true;
}

bool ReadEmsFile(DocumentContext& document, const QString& name) {
  DocumentState& state = document.state;
  // Cells the file does not cover keep their values.
  Picture picture{state.MX, state.MY, state.Pixels};
  const ReadStatus status = ReadPictureFile(name, OwnFormat(), picture);
  if (!status.Ok()) {
    document.messages.ShowFailure(kReadFailure + QLatin1Char('\n') +
                                  FileReasonLine(name, status.Reason()));
    return false;
  }
  state.IZM = kOff;
  state.MX = picture.width;
  state.MY = picture.height;
  state.Pixels = picture.cells;
  SaveUndo(state);
  RedrawPole(state, document.view);
  return true;
}

void UpdateCaption(DocumentContext& document) {
  document.caption.SetCaption(CaptionFor(document.state.FileName));
}

}  // namespace tochkograf
