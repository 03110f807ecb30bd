#pragma once

#include <QString>

#include "cli/command_line.h"
#include "picture/picture.h"

namespace tochkograf {

// The picture --convert writes for its input. The program's own types
// (those the table of file types reads) come as they are, and fail as they
// always have; any other image Qt reads by its extension, and OTB, comes
// in as the image import would take it, converted with the conversion
// dialog's defaults where it has to be. With conversion options every
// input is converted by them. Nothing when done, else why it could not,
// as the end of a sentence that names the file.
QString ReadInputPicture(const CommandLine& command, Picture& picture);

// Whether reading the input `name` may need one of Qt's image plugins (the
// JPEG or GIF reader...): it is not one of the program's own types.
bool NeedsImagePlugins(const QString& name);

}  // namespace tochkograf
