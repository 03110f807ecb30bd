#include "commands/phone_export.h"

#include "files/modem_commands.h"
#include "files/phone_number.h"
#include "files/status_texts.h"

namespace tochkograf {

namespace {

// A reason, which the messages give after a colon, as a sentence.
QString Sentence(const QString& reason) { return reason.left(1).toUpper() + reason.mid(1) + u'.'; }

}  // namespace

QString SmsAnswersProblem(const SmsOptions& sms, int width, int height) {
  if (!ParsePhoneNumber(sms.recipient))
    return Sentence(FormatFailureReason(FormatStatus::BadRecipient));
  if (const FormatStatus fits = SmsKindFits(sms.kind, width, height); fits != FormatStatus::Ok)
    return Sentence(FormatFailureReason(fits));
  return {};
}

QString SmsMessagesText(const Animation& frames, const Picture& current, const SmsOptions& sms,
                        const NetworkCode& network) {
  int count = 0;
  if (const FormatStatus status = CountModemMessages(frames, current, sms, network, count);
      status != FormatStatus::Ok)
    return Sentence(FormatFailureReason(status));
  if (frames.Count() > 1 && sms.kind != SmsKind::Ems)
    return QStringLiteral("%1, в них только текущий кадр: анимацию несёт лишь рисунок EMS")
        .arg(count);
  return QString::number(count);
}

bool AskPhoneExportOptions(PhoneExportDialogs& dialogs, const FileFormat& format,
                           const Picture& picture, WriteOptions& options) {
  // No question for a picture the type's writer will refuse with its message.
  if (!format.sizes.isEmpty() && !format.sizes.contains(QSize(picture.width, picture.height)))
    return true;
  switch (format.question) {
    case ExportQuestion::None:
    case ExportQuestion::CArray:
      return true;
    case ExportQuestion::Sms:
      return dialogs.AskSms(
          options.animation.frames.empty() ? Animation::Of(picture) : options.animation, picture,
          options.sms, options.network);
    case ExportQuestion::NetworkCode:
      return dialogs.AskNetworkCode(options.network);
  }
  return true;
}

}  // namespace tochkograf
