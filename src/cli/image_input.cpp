#include "cli/image_input.h"

#include "cli/silenced_stderr.h"
#include "files/c_array/c_array_reading.h"
#include "files/disk/file_access.h"
#include "files/formats/ems_animation.h"
#include "images/named_file.h"

namespace tochkograf {

namespace {

// A C array, read as --size, --layout and --set-bit say and as the
// import's dialog guesses the rest; `left_over` says how many of its bytes
// the picture does not take.
QString ReadCArrayInput(const CommandLine& command, Picture& picture, QString& left_over) {
  QByteArray text;
  if (const FileStatus file = ReadFileHead(command.in, kCArrayReadLimit, text);
      file != FileStatus::Ok)
    return ReadFailureReason(file);
  CArrayScan scan;
  CArrayRefusal refusal;
  if (const FormatStatus status = ScanCArray(text, scan, &refusal); status != FormatStatus::Ok)
    return ScanFailureReason(status, refusal);
  scan = command.display.Read(scan, command.options.size);
  const CArrayReading reading = GuessedReading(scan);
  if (MissingBytes(scan, reading) > 0) return MissingBytesReason(scan, reading);
  picture = CArrayPicture(scan, reading);
  left_over = LeftOverText(scan, reading);
  return {};
}

// Every frame of the program's own file, with its duration.
ReadStatus ReadOwnFrames(const QString& name, ImportedFrames& frames) {
  QByteArray bytes;
  EmsAnimation animation;
  ReadStatus status;
  status.file = ReadFileHead(name, EmsAnimationReadLimit(), bytes);
  if (status.file == FileStatus::Ok) status.format = DecodeEmsAnimation(bytes, animation);
  if (!status.Ok()) return status;
  frames = {{}, animation.durations};
  for (std::size_t i = 0; i < animation.durations.size(); ++i) {
    Picture frame = animation.first;
    if (i > 0) animation.further[i - 1].CopyTo(frame.cells);
    frames.frames.push_back(ImageOfPicture(frame));
  }
  return status;
}

}  // namespace

QString ReadInputAnimation(const CommandLine& command, Animation& animation, QString* left_over) {
  // Image readers and libraries write their own complaints, and Qt its
  // plugin search where asked: the one message is the program's.
  const SilencedStderr quiet;
  const NamedFile file = TypeOfNamedFile(command.in);
  if (!file.format) return UnknownTypeReason(Where(FileFormats(), ComesIn));
  ConversionOptions options = command.options;
  ImportedFrames frames;
  if (file.format->entry == Entry::CArray) {
    Picture array;
    QString extra;
    if (const QString reason = ReadCArrayInput(command, array, extra); !reason.isEmpty())
      return reason;
    if (left_over) *left_over = extra;
    frames = ImportedFrames::Still(ImageOfPicture(array));
    options.size.reset();  // the array's own size, not the conversion's
  } else if (IsOwn(*file.format)) {
    if (const ReadStatus status = ReadOwnFrames(command.in, frames); !status.Ok())
      return status.Reason();
  } else if (file.picture) {
    frames = ImportedFrames::Still(ImageOfPicture(*file.picture));
  } else if (const ReadStatus status = ReadAsFrames(command.in, *file.format, frames);
             !status.Ok()) {
    return status.Reason();
  }
  if (const std::optional<Animation> as_it_is = frames.AsItIs(); as_it_is && !options.Any()) {
    animation = *as_it_is;
    return {};
  }
  ImageConversion conversion(frames.First());
  animation = frames.Converted(options.Settings(conversion));
  return {};
}

QString ReadInputPicture(const CommandLine& command, Picture& picture) {
  Animation animation;
  const QString reason = ReadInputAnimation(command, animation);
  if (reason.isEmpty()) picture = animation.Frame(0);
  return reason;
}

}  // namespace tochkograf
