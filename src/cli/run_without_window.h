#pragma once

#include <QString>
#include <functional>

#include "cli/command_line.h"

namespace tochkograf {

// What a command run from the command line prints, and how it ends.
struct Outcome {
  int exit_code =
      0;  // 0 done, 1 a file could not be read or written or a message not sent, 2 misuse
  QString out, err;  // for standard output and standard error
};

// Every command but Edit: help, version, a misuse, a thumbnail, a
// conversion, a sending or pictures taken out of received messages. It
// needs no window system and no font, and but for a conversation with a
// modem, which runs from an event loop, no application object; files it
// writes appear whole or not at all. The sending tells `say` of each
// message as the modem takes it ("SMS 1 из 3 отправлено\n"), or `out`
// where no one listens.
Outcome RunWithoutWindow(const CommandLine& command,
                         const std::function<void(const QString& line)>& say = {});

}  // namespace tochkograf
