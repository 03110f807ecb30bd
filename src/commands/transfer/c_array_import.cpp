#include "commands/transfer/c_array_import.h"

#include "commands/file_filters.h"
#include "commands/transfer/image_import.h"
#include "commands/transfer/imported_picture.h"
#include "files/disk/file_access.h"
#include "files/status_texts.h"

namespace tochkograf {

void ImportCArray(DocumentCommands& commands, CArrayImportWindow& window) {
  if (!commands.MayDropChanges(kCArrayImportTitle)) return;
  const QString name = commands.ChooseFileToOpen(CArrayFilters(), kCArrayImportTitle);
  if (!name.isEmpty() && ImportCArrayFile(commands.Document(), window, name)) commands.Used(name);
}

bool ImportCArrayFile(DocumentContext& document, CArrayImportWindow& window, const QString& name) {
  QByteArray text;
  ReadStatus status;
  status.file = ReadFileHead(name, kCArrayReadLimit, text);
  CArrayScan scan;
  CArrayRefusal refusal;
  if (status.file == FileStatus::Ok) status.format = ScanCArray(text, scan, &refusal);
  if (!status.Ok()) {
    const QString reason =
        status.file == FileStatus::Ok ? ScanFailureReason(status.format, refusal) : status.Reason();
    document.messages.ShowFailure(ImageImportFailure(name, reason));
    return false;
  }
  CArrayReading reading = GuessedReading(scan);
  if (!window.ShowCArrayImportDialog(scan, document.state.GridOn != kOff, reading) ||
      MissingBytes(scan, reading) > 0)
    return false;
  TakeImportedPicture(document, CArrayPicture(scan, reading), kOn);
  return true;
}

}  // namespace tochkograf
