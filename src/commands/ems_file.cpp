#include "commands/ems_file.h"

#include "commands/caption.h"
#include "files/disk/file_access.h"
#include "files/disk/safe_save.h"
#include "files/formats/ems_animation.h"
#include "files/status_texts.h"
#include "picture/frames.h"
#include "picture/undo_clipboard.h"
#include "picture/view.h"

namespace tochkograf {

bool WriteEmsFile(DocumentContext& document, const QString& path) {
  DocumentState& state = document.state;
  if (const FileStatus saved =
          SaveWhole(path, EncodeEmsAnimation(EmsAnimationOf(AnimationOf(state))));
      saved != FileStatus::Ok) {
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
  // Cells the file does not cover keep their values.
  EmsAnimation animation;
  animation.first = {state.MX, state.MY, state.Pixels};
  QByteArray bytes;
  ReadStatus status;
  status.file = ReadFileHead(name, EmsAnimationReadLimit(), bytes);
  if (status.file == FileStatus::Ok) status.format = DecodeEmsAnimation(bytes, animation);
  if (!status.Ok()) {
    document.messages.ShowFailure(kReadFailure + QLatin1Char('\n') +
                                  FileReasonLine(name, status.Reason()));
    return false;
  }
  state.IZM = kOff;
  state.MX = animation.first.width;
  state.MY = animation.first.height;
  state.Pixels = animation.first.cells;
  TakeFrames(state, animation.durations, animation.further);
  SaveUndo(state);
  state.History.Start(state);
  RedrawPole(state, document.view);
  return true;
}

void UpdateCaption(DocumentContext& document) {
  document.caption.SetCaption(CaptionFor(document.state.FileName));
}

}  // namespace tochkograf
