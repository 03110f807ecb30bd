#pragma once

#include <QString>

#include "files/format_status.h"

namespace tochkograf {

// What a picture is sent as.
enum class SmsKind {
  Ems,             // an EMS picture, of any size, with the text
  OperatorLogo,    // Nokia's operator logo, 72 x 14, for a network
  CallerGroup,     // Nokia's caller group graphic, 72 x 14
  PictureMessage,  // Nokia's picture message, 72 x 28, with the text
};

// What the messages for a modem are asked to carry besides the picture.
struct SmsOptions {
  QString recipient;  // as typed (phone_number.h)
  QString text;       // EMS and picture messages only
  SmsKind kind = SmsKind::Ems;
};

// Whether a picture of that size can be sent as `kind`: Ok, or the status
// that names the size the kind needs.
FormatStatus SmsKindFits(SmsKind kind, int width, int height);

// Whether the kind carries the text.
constexpr bool SmsKindHasText(SmsKind kind) {
  return kind == SmsKind::Ems || kind == SmsKind::PictureMessage;
}

}  // namespace tochkograf
