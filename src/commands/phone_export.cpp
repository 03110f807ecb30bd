#include "commands/phone_export.h"

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
      return dialogs.AskSms(picture.width, picture.height, options.sms, options.network);
    case ExportQuestion::NetworkCode:
      return dialogs.AskNetworkCode(options.network);
  }
  return true;
}

}  // namespace tochkograf
