#include "commands/transfer/image_import.h"

#include "commands/file_filters.h"
#include "commands/transfer/imported_picture.h"
#include "files/status_texts.h"
#include "images/named_file.h"

namespace tochkograf {

void ImportImage(DocumentCommands& commands, ConversionWindow& window) {
  if (!commands.MayDropChanges(kImageImportTitle)) return;
  const QString name = commands.ChooseFileToOpen(ImageFilters(), kImageImportTitle);
  if (!name.isEmpty() && ImportImageFile(commands.Document(), window, name)) commands.Used(name);
}

bool ImportImageFile(DocumentContext& document, ConversionWindow& window, const QString& name) {
  ImportedFrames frames;
  const ReadStatus status = ReadImportedFile(name, frames);
  if (!status.Ok()) {
    document.messages.ShowFailure(ImageImportFailure(name, status.Reason()));
    return false;
  }
  return TakeImportedFrames(document, window, frames);
}

bool TakeImportedImage(DocumentContext& document, ConversionWindow& window,
                       const ImportedImage& image) {
  return TakeImportedFrames(document, window, ImportedFrames::Still(image));
}

bool TakeImportedFrames(DocumentContext& document, ConversionWindow& window,
                        const ImportedFrames& frames) {
  if (const std::optional<Animation> as_it_is = frames.AsItIs()) {
    TakeImportedAnimation(document, *as_it_is, kOn);
    return true;
  }
  ImageConversion conversion(frames.First());
  ConversionSettings settings =
      DefaultSettings(conversion, QSize(document.state.MX, document.state.MY));
  if (!window.ShowConversionDialog(frames.First(), document.state.GridOn != kOff, settings))
    return false;
  TakeImportedAnimation(document, frames.Converted(settings), kOn);
  return true;
}

QString ImageImportFailure(const QString& name, const QString& reason) {
  return QStringLiteral("Не удалось импортировать %1: %2.").arg(Quoted(ShownName(name)), reason);
}

}  // namespace tochkograf
