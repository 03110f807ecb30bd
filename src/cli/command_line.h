#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "cli/conversion_options.h"
#include "cli/display_options.h"
#include "cli/help_text.h"
#include "cli/phone_options.h"
#include "devices/modem_port.h"

namespace tochkograf {

// What the program was asked to do by its arguments.
enum class Action {
  Edit,        // start the editor, with a file to open or none
  Help,        // --help
  Version,     // --version
  Thumbnail,   // --thumbnail IN OUT SIZE
  Convert,     // --convert IN OUT
  Send,        // --send IN --device PORT --to NUMBER
  Receive,     // --receive SOURCE FOLDER
  FontExport,  // --font-export FONT OUT [--size PX] [--chars LIST]
  Misuse,      // arguments that make no command
};

struct CommandLine {
  Action action = Action::Edit;
  std::optional<QString> file;   // Edit: the file to open
  QString in, out;               // Thumbnail, Convert; Send: in; Receive: its source and folder;
                                 // FontExport: the font (a file or a family) and the file written
  int size = 0;                  // Thumbnail: the largest side of the image
  ConversionOptions options;     // Convert and Send: how images are converted
  PhoneOptions phone;            // Convert and Send: what goes into the messages for a phone
  DisplayArrayOptions display;   // Convert and Send: how C arrays are written and read
  ModemPort device;              // Send: --device PORT, --speed BAUD
  bool strip = false;            // Convert: --strip, every frame side by side in a .png
  int font_pixels = 0;           // FontExport: --size, a scalable font's; 0 where not given
  std::optional<QString> chars;  // FontExport: --chars, as it was given
  QString problem;               // Misuse: what is wrong, in Russian
};

// Reads the arguments that follow the program's name. Decides before any
// application object exists, so that no window system is touched unless the
// editor starts.
CommandLine ParseCommandLine(const QStringList& arguments);

QStringList ArgumentsOf(int argc, const char* const* argv);

}  // namespace tochkograf
