#include "commands/transfer/receive_from_phone.h"

#include "commands/transfer/imported_picture.h"

namespace tochkograf {

bool ReceiveFromPhone(DocumentCommands& commands, PhoneReception& reception) {
  // The question comes after the choice: looking through the messages
  // drops nothing, and most people look before they take.
  const std::optional<ReceivedPicture> chosen = reception.ChooseReceivedPicture();
  if (!chosen || !commands.MayDropChanges(kReceiveTitle)) return false;
  TakeImportedAnimation(commands.Document(), chosen->frames, kOn);
  return true;
}

}  // namespace tochkograf
