#pragma once

#include "cli/command_line.h"
#include "cli/run_without_window.h"

namespace tochkograf {

// --receive SOURCE FOLDER: each picture the source's messages hold
// (received_source.h) written into FOLDER, made where it is missing, as
// the program's own file (an animation with every frame), under a new name
// "from-<sender>-<n>.ems" ("to-<recipient>-..." for a message sent) that
// replaces no file; a line for each on standard output (file, kind, size,
// frames, sender, time, network, text) and the notes on standard error.
// Exit code 0 where at least one picture was written; 1 where there is
// none, the source cannot be read, or a file cannot be written.
Outcome ReceiveIntoFolder(const CommandLine& command);

}  // namespace tochkograf
