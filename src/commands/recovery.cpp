#include "commands/recovery.h"

#include <QLocale>

#include "commands/caption.h"
#include "commands/ems_file.h"
#include "files/status_texts.h"
#include "picture/frames.h"
#include "picture/undo_clipboard.h"
#include "picture/view.h"

namespace tochkograf {

RecoveryCopy CopyOf(const DocumentState& state) {
  return {state.FileName == kUntitled ? QString() : state.FileName, state.CurrentFrame,
          EmsAnimationOf(AnimationOf(state))};
}

bool RestoreCopy(DocumentCommands& commands, const RecoveryCopy& copy) {
  if (!commands.MayDropChanges(kRecoveryTitle)) return false;
  DocumentContext& document = commands.Document();
  DocumentState& state = document.state;
  state.MX = copy.frames.first.width;
  state.MY = copy.frames.first.height;
  state.Pixels = copy.frames.first.cells;
  TakeFrames(state, copy.frames.durations, copy.frames.further);
  GoToFrame(state, copy.current_frame);
  state.FileName = copy.file_name.isEmpty() ? kUntitled : copy.file_name;
  state.IZM = kOn;
  SaveUndo(state);
  state.History.Start(state);
  RedrawPole(state, document.view);
  UpdateCaption(document);
  return true;
}

QString RecoveryQuestion(const QString& file_name, const QDateTime& written, const QDateTime& now) {
  const QString name = PictureNameFor(file_name.isEmpty() ? kUntitled : file_name);
  const QString picture = name.isEmpty() ? QStringLiteral("несохранённый рисунок без имени")
                                         : QStringLiteral("несохранённый рисунок ") + Quoted(name);
  const QString format = written.date().year() == now.date().year()
                             ? QStringLiteral("d MMMM, H:mm")
                             : QStringLiteral("d MMMM yyyy 'г.', H:mm");
  const QString when = QLocale(QLocale::Russian, QLocale::Russia).toString(written, format);
  return QStringLiteral("Найден %1 от %2. Восстановить?").arg(picture, when);
}

}  // namespace tochkograf
