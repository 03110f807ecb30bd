#pragma once

#include <QString>

#include "cli/help_text.h"

namespace tochkograf {

// The manual page tochkograf(1) in roff (man macros, UTF-8), made from the
// same texts as --help. `date` is the release's, as YYYY-MM-DD.
QString ManPage(const HelpText& help, const QString& date);

}  // namespace tochkograf
