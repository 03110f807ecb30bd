#include "cli/image_input.h"

#include "cli/silenced_stderr.h"
#include "images/named_file.h"

namespace tochkograf {

QString ReadInputPicture(const CommandLine& command, Picture& picture) {
  // Image readers and libraries write their own complaints, and Qt its
  // plugin search where asked: the one message is the program's.
  const SilencedStderr quiet;
  const NamedFile file = TypeOfNamedFile(command.in);
  if (!file.format) return UnknownTypeReason(Where(FileFormats(), ComesIn));
  ImportedImage image;
  if (file.picture) {
    image = ImageOfPicture(*file.picture);
  } else if (const ReadStatus status = ReadAsImage(command.in, *file.format, image); !status.Ok()) {
    return status.Reason();
  }
  if (image.picture && !command.options.Any()) {
    picture = *image.picture;
    return {};
  }
  ImageConversion conversion(image);
  picture = conversion.Result(command.options.Settings(conversion));
  return {};
}

}  // namespace tochkograf
