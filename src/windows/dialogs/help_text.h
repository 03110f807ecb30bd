#pragma once

#include <QString>

namespace tochkograf {

// The help window's text, assembled piece by piece with CR LF line ends:
// the program, its version and authors, what it does, and the history of
// its versions, closed by a postscript about the splash picture; then a
// section for each thing that has come since, the command line's from the
// texts of its --help. It ends with no line break.
QString HelpWindowText();

}  // namespace tochkograf
