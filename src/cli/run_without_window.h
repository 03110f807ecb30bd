#pragma once

#include <QString>

#include "cli/command_line.h"

namespace tochkograf {

// What a command run from the command line prints, and how it ends.
struct Outcome {
  int exit_code = 0;  // 0 done, 1 a file could not be read or written, 2 misuse
  QString out, err;   // for standard output and standard error
};

// Every command but Edit: help, version, a misuse, a thumbnail, a
// conversion, or pictures taken out of received messages. It needs no application object, no window
// system and no font; files it writes appear whole or not at all.
Outcome RunWithoutWindow(const CommandLine& command);

}  // namespace tochkograf
