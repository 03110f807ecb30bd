#include "windows/qt_side_windows.h"

namespace tochkograf {

// The splash, size and help windows are still to come; until then their
// commands do nothing.
void QtSideWindows::ShowSplash() {}
void QtSideWindows::ShowAbout() {}
bool QtSideWindows::ShowSizeDialog(DocumentState&) { return false; }
void QtSideWindows::ShowHelp() {}

}  // namespace tochkograf
