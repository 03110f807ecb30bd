#pragma once

#include <QString>
#include <optional>

#include "commands/document_commands.h"
#include "files/sms/received_pictures.h"

namespace tochkograf {

inline const QString kReceiveTitle = QStringLiteral("Принять с телефона");

// The window of "Принять с телефона...": the main window shows the real
// one; tests script it.
class PhoneReception {
 public:
  virtual ~PhoneReception() = default;
  // Asks for the source (a modem's port or a file of messages), lists every
  // picture its messages hold and lets one be chosen: that one, or nothing
  // when the window was closed without a choice.
  virtual std::optional<ReceivedPicture> ChooseReceivedPicture() = 0;
};

// "Файл" → "Принять с телефона...": the picture chosen in the window, once
// the question about unsaved changes lets it, takes the document's place
// with all its frames, untitled with unsaved changes, and undo brings back
// what was there. Closing the window or cancelling the question changes
// nothing. Whether the picture changed.
bool ReceiveFromPhone(DocumentCommands& commands, PhoneReception& reception);

}  // namespace tochkograf
