#include "cli/image_input.h"

#include "cli/silenced_stderr.h"
#include "files/c_array_reading.h"
#include "files/file_access.h"
#include "images/named_file.h"

namespace tochkograf {

namespace {

// A C array, read as --size, --layout and --set-bit say and as the
// import's dialog guesses the rest.
QString ReadCArrayInput(const CommandLine& command, Picture& picture) {
  QByteArray text;
  if (const FileStatus file = ReadFileHead(command.in, kCArrayReadLimit, text);
      file != FileStatus::Ok)
    return ReadFailureReason(file);
  CArrayScan scan;
  if (const FormatStatus status = ScanCArray(text, scan); status != FormatStatus::Ok)
    return FormatFailureReason(status);
  scan = command.display.Read(scan, command.options.size);
  const CArrayReading reading = GuessedReading(scan);
  if (MissingBytes(scan, reading) > 0) return MissingBytesReason(scan, reading);
  picture = CArrayPicture(scan, reading);
  return {};
}

}  // namespace

QString ReadInputPicture(const CommandLine& command, Picture& picture) {
  // Image readers and libraries write their own complaints, and Qt its
  // plugin search where asked: the one message is the program's.
  const SilencedStderr quiet;
  const NamedFile file = TypeOfNamedFile(command.in);
  if (!file.format) return UnknownTypeReason(Where(FileFormats(), ComesIn));
  ConversionOptions options = command.options;
  ImportedImage image;
  if (file.format->entry == Entry::CArray) {
    Picture array;
    if (const QString reason = ReadCArrayInput(command, array); !reason.isEmpty()) return reason;
    image = ImageOfPicture(array);
    options.size.reset();  // the array's own size, not the conversion's
  } else if (file.picture) {
    image = ImageOfPicture(*file.picture);
  } else if (const ReadStatus status = ReadAsImage(command.in, *file.format, image); !status.Ok()) {
    return status.Reason();
  }
  if (image.picture && !options.Any()) {
    picture = *image.picture;
    return {};
  }
  ImageConversion conversion(image);
  picture = conversion.Result(options.Settings(conversion));
  return {};
}

}  // namespace tochkograf
