#include "cli/image_input.h"

#include "cli/silenced_stderr.h"
#include "files/c_array_reading.h"
#include "files/ems_animation.h"
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

// The image as it is, where it is a picture and no option asks otherwise;
// else converted by the options.
Picture Converted(const ImportedImage& image, const ConversionOptions& options) {
  if (image.picture && !options.Any()) return *image.picture;
  ImageConversion conversion(image);
  return conversion.Result(options.Settings(conversion));
}

// Every frame of the program's own file, each converted alike.
QString ReadOwnAnimation(const CommandLine& command, Animation& animation) {
  QByteArray bytes;
  EmsAnimation frames;
  ReadStatus status;
  status.file = ReadFileHead(command.in, EmsAnimationReadLimit(), bytes);
  if (status.file == FileStatus::Ok) status.format = DecodeEmsAnimation(bytes, frames);
  if (!status.Ok()) return status.Reason();
  Animation read;
  for (std::size_t i = 0; i < frames.durations.size(); ++i) {
    Picture frame = frames.first;
    if (i > 0) frames.further[i - 1].CopyTo(frame.cells);
    frame = Converted(ImageOfPicture(frame), command.options);
    read.width = frame.width;
    read.height = frame.height;
    read.frames.push_back({PackedBlock::Of(frame.cells), frames.durations[i]});
  }
  animation = read;
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
  picture = Converted(image, options);
  return {};
}

QString ReadInputAnimation(const CommandLine& command, Animation& animation) {
  if (const FileFormat* format = FirstTypeOfNamedFile(command.in); format && IsOwn(*format)) {
    const SilencedStderr quiet;
    return ReadOwnAnimation(command, animation);
  }
  Picture picture;
  if (const QString reason = ReadInputPicture(command, picture); !reason.isEmpty()) return reason;
  animation = Animation::Of(picture);
  return {};
}

}  // namespace tochkograf
