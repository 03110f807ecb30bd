#include "windows/main/recovery_keeper.h"

#include <QAction>
#include <QFile>
#include <QtGlobal>

#include "commands/recovery.h"
#include "files/disk/file_access.h"
#include "files/status_texts.h"
#include "windows/main/form1.h"

namespace tochkograf {

RecoveryKeeper::RecoveryKeeper(Form1& form, QString folder, int tick_milliseconds, QObject* parent)
    : QObject(parent), form_(form), folder_(std::move(folder)), store_(folder_) {
  if (!store_.Open()) return;
  timer_.setInterval(tick_milliseconds);
  connect(&timer_, &QTimer::timeout, this, &RecoveryKeeper::Tick);
  timer_.start();
  for (QAction* action : form_.findChildren<QAction*>())
    connect(action, &QAction::triggered, this, &RecoveryKeeper::AfterCommand, Qt::QueuedConnection);
}

void RecoveryKeeper::Tick() {
  const DocumentState& state = form_.State();
  if (state.IZM == kOff) return Forget();
  if (form_.Stroking()) return;
  const QByteArray bytes = EncodeRecoveryCopy(CopyOf(state));
  if (bytes == written_) {
    seen_ = bytes;
    unwritten_.invalidate();
    return;
  }
  if (!unwritten_.isValid()) unwritten_.start();
  const bool still = bytes == seen_;
  seen_ = bytes;
  if (still || unwritten_.elapsed() >= kLongestWait) Write(bytes);
}

void RecoveryKeeper::AfterCommand() {
  if (form_.State().IZM == kOff) Forget();
}

void RecoveryKeeper::WriteNow() {
  if (store_.IsOpen() && form_.State().IZM != kOff)
    Write(EncodeRecoveryCopy(CopyOf(form_.State())));
}

void RecoveryKeeper::Discard() {
  timer_.stop();
  Forget();
}

void RecoveryKeeper::Write(const QByteArray& bytes) {
  unwritten_.invalidate();
  if (const FileStatus status = store_.Write(bytes); status != FileStatus::Ok) {
    // Said once: the editor goes on, and saving by hand still works.
    if (!warned_)
      qWarning("%s", qPrintable(QStringLiteral("Копия несохранённого рисунка не записана: ") +
                                FileReasonLine(store_.Path(), WriteFailureReason(status))));
    warned_ = true;
    return;
  }
  written_ = bytes;
}

void RecoveryKeeper::Forget() {
  unwritten_.invalidate();
  seen_.clear();
  if (written_.isEmpty()) return;
  store_.Remove();
  written_.clear();
}

void RecoveryKeeper::OfferLeftOvers() {
  UserMessages& messages = form_.Messages();
  for (const LeftOver& left_over : ClaimLeftOvers(folder_)) {
    RecoveryCopy copy;
    QByteArray bytes;
    ReadStatus status;
    status.file = ReadFileHead(left_over.path, RecoveryReadLimit(), bytes);
    if (status.file == FileStatus::Ok) status.format = DecodeRecoveryCopy(bytes, copy);
    if (!status.Ok()) {
      messages.ShowFailure(kRecoveryDamaged + QLatin1Char('\n') +
                           FileReasonLine(left_over.path, status.Reason()));
      SetAsideDamaged(left_over);
      continue;
    }
    const QString question =
        RecoveryQuestion(copy.file_name, left_over.written, QDateTime::currentDateTime());
    switch (messages.AskRecover(question)) {
      case RecoverAnswer::Yes:
        // Our own copy holds it before the old one goes.
        if (RestoreCopy(form_.Commands(), copy)) {
          WriteNow();
          QFile::remove(left_over.path);
        }
        break;
      case RecoverAnswer::No:
        QFile::remove(left_over.path);
        break;
      case RecoverAnswer::Later:
        break;
    }
  }
}

}  // namespace tochkograf
