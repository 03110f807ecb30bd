#pragma once

#include "commands/file_dialog_platform.h"
#include "images/file_formats.h"

namespace tochkograf {

// The types the file dialogs offer, all from the table of file types.

// A type by its dialog text and every extension it has.
FileFilter FilterOf(const FileFormat& format);

// Open and Save as: the program's own pictures, then every file.
FilterTable OwnFilters();

// "Импорт из BMP": the types taken as they are, then every file.
FilterTable AsItIsFilters();

// "Импорт изображения...": every type it reads at once, then each of them,
// then every file.
FilterTable ImageFilters();

// "Импорт массива C...": C sources, then every file.
FilterTable CArrayFilters();

}  // namespace tochkograf
