#include "commands/image_import.h"

#include "commands/file_filters.h"
#include "commands/imported_picture.h"
#include "files/status_texts.h"
#include "images/named_file.h"

namespace tochkograf {

void ImportImage(DocumentCommands& commands, ConversionWindow& window) {
  if (!commands.MayDropChanges(kImageImportTitle)) return;
  const QString name = commands.ChooseFileToOpen(ImageFilters(), kImageImportTitle);
  if (!name.isEmpty() && ImportImageFile(commands.Document(), window, name)) commands.Used(name);
}

bool ImportImageFile(DocumentContext& document, ConversionWindow& window, const QString& name) {
  ImportedImage image;
  const ReadStatus status = ReadImportedFile(name, image);
  if (!status.Ok()) {
    document.messages.ShowFailure(ImageImportFailure(name, status.Reason()));
    return false;
  }
  return TakeImportedImage(document, window, image);
}

bool TakeImportedImage(DocumentContext& document, ConversionWindow& window,
                       const ImportedImage& image) {
  if (image.picture) {
    TakeImportedPicture(document, *image.picture, kOn);
    return true;
  }
  ImageConversion conversion(image);
  ConversionSettings settings =
      DefaultSettings(conversion, QSize(document.state.MX, document.state.MY));
  if (!window.ShowConversionDialog(image, document.state.GridOn != kOff, settings)) return false;
  TakeImportedPicture(document, conversion.Result(settings), kOn);
  return true;
}

QString ImageImportFailure(const QString& name, const QString& reason) {
  return QStringLiteral("Не удалось импортировать %1: %2.").arg(Quoted(ShownName(name)), reason);
}

}  // namespace tochkograf
