#pragma once

#include <QString>

#include "files/sms/sms_kinds.h"

namespace tochkograf {

// What the messages for a modem are asked to carry besides the picture.
struct SmsOptions {
  QString recipient;  // as typed (phone_number.h)
  QString text;       // for the kinds that carry one
  SmsKind kind = SmsKind::Ems;
};

}  // namespace tochkograf
