#pragma once

#include <QString>

namespace tochkograf {

// The application title: the bare caption, and the title of failure messages.
inline const QString kProductName = QStringLiteral("Tochkograf");

// The picture's name as the caption shows it, as below; empty for an
// untitled picture.
QString PictureNameFor(const QString& file_name);

// The window caption while the program runs: "Tochkograf" for an untitled
// picture, else the name of the file (the path without its folder), " - "
// and "Tochkograf". The name loses an ending ".ems", in any case as the
// type is known by it, where something is left of it; any other name is
// shown whole.
QString CaptionFor(const QString& file_name);

// The caption while the main window itself has the focus: the whole name.
QString FocusCaptionFor(const QString& file_name);

}  // namespace tochkograf
