#include "commands/transfer/phone_export.h"

#include "files/sms/modem_commands.h"
#include "files/sms/phone_number.h"
#include "files/sms/sms_kinds.h"
#include "files/status_texts.h"

namespace tochkograf {

namespace {

// A reason, which the messages give after a colon, as a sentence.
QString Sentence(const QString& reason) { return reason.left(1).toUpper() + reason.mid(1) + u'.'; }

}  // namespace

QList<SmsProblem> SmsProblems(const Animation& frames, const Picture& current,
                              const SmsOptions& sms, const std::optional<NetworkCode>& network) {
  using Field = SmsProblem::Field;
  QList<SmsProblem> problems;
  if (!ParsePhoneNumber(sms.recipient))
    problems.append({Field::Recipient, Sentence(FormatFailureReason(FormatStatus::BadRecipient))});
  int count = 0;
  const SmsKindRow& kind = SmsKindOf(sms.kind);
  // Counting meets a size the kind does not take too: it is said once.
  if (const FormatStatus fits = kind.Fits(frames.width, frames.height); fits != FormatStatus::Ok)
    problems.append({Field::Kind, Sentence(FormatFailureReason(fits))});
  else if (kind.network && !network)
    problems.append({Field::Network, ShortNetworkCodeProblem()});
  else if (const FormatStatus status =
               CountModemMessages(frames, current, sms, network.value_or(NetworkCode{}), count);
           status != FormatStatus::Ok)
    problems.append({Field::Text, Sentence(FormatFailureReason(status))});
  return problems;
}

QString ShortNetworkCodeProblem() {
  return QStringLiteral(
      "Укажите код сети: MCC из трёх цифр и MNC из двух или трёх, например 250 "
      "и 01.");
}

QString SmsMessagesText(const Animation& frames, const Picture& current, const SmsOptions& sms,
                        const NetworkCode& network) {
  int count = 0;
  if (CountModemMessages(frames, current, sms, network, count) != FormatStatus::Ok)
    return QStringLiteral("—");
  if (frames.Count() > 1 && !SmsKindOf(sms.kind).every_frame)
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
    case ExportQuestion::Sketch:
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
