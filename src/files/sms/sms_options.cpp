#include "files/sms/sms_options.h"

#include "files/formats/phone_sizes.h"

namespace tochkograf {

FormatStatus SmsKindFits(SmsKind kind, int width, int height) {
  const QSize size(width, height);
  switch (kind) {
    case SmsKind::Ems:
      return FormatStatus::Ok;
    case SmsKind::OperatorLogo:
      return size == kNokiaLogo ? FormatStatus::Ok : FormatStatus::NotSmsOperatorLogoSize;
    case SmsKind::CallerGroup:
      return size == kNokiaLogo ? FormatStatus::Ok : FormatStatus::NotCallerGroupSize;
    case SmsKind::PictureMessage:
      return size == kNokiaPicture ? FormatStatus::Ok : FormatStatus::NotPictureMessageSize;
  }
  return FormatStatus::Ok;
}

}  // namespace tochkograf
