#pragma once

class QCoreApplication;

namespace tochkograf {

// Loads Qt's own Russian texts (message box buttons, the file dialog), so
// that they match the program's, whatever the desktop's language. False
// when the translation is not installed.
bool InstallRussianTranslation(QCoreApplication& app);

}  // namespace tochkograf
