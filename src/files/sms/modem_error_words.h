#pragma once

#include <QString>

#include "files/sms/modem_answers.h"

namespace tochkograf {

// A modem's refusal in words: "сеть не работает (+CMS ERROR: 38)" for the
// codes of 3GPP TS 27.005 3.2.5 and TS 27.007 9.2 that modems give most, the
// line itself for any other ("+CMS ERROR: 999", "ERROR"), which is the
// number the user can look up.
QString ModemRefusalText(const ModemAnswer& refusal);

}  // namespace tochkograf
