#pragma once

#include <QString>

namespace tochkograf {

// The application title: the bare caption, and the title of failure messages.
inline const QString kProductName = QStringLiteral("Tochkograf");

// The window caption while the program runs: "Tochkograf" for an untitled
// picture, else the name of the file (the path without its folder) less its
// last four characters (normally ".ems"), " - " and "Tochkograf". A name too
// short to lose four characters is shown whole.
QString CaptionFor(const QString& file_name);

// The caption while the main window itself has the focus: the whole name.
QString FocusCaptionFor(const QString& file_name);

}  // namespace tochkograf
