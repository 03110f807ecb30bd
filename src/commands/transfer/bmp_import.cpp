#include "commands/transfer/bmp_import.h"

#include "commands/file_filters.h"
#include "commands/transfer/imported_picture.h"
#include "files/status_texts.h"
#include "images/file_formats.h"

namespace tochkograf {

void frombmp(DocumentCommands& commands) {
  if (!commands.MayDropChanges(kImportTitle)) return;
  const QString name = commands.ChooseFileToOpen(AsItIsFilters());
  if (!name.isEmpty() && ImportBmpFile(commands.Document(), name)) commands.Used(name);
}

bool ImportBmpFile(DocumentContext& document, const QString& name) {
  Picture picture;
  const ReadStatus status =
      ReadPictureFile(name, *Where(BuiltInFormats(), TakenAsItIs).first(), picture);
  if (!status.Ok()) {
    document.messages.ShowFailure(kImportFailure + QLatin1Char('\n') +
                                  FileReasonLine(name, status.Reason()));
    return false;
  }
  TakeImportedPicture(document, picture, kOff);
  return true;
}

}  // namespace tochkograf
