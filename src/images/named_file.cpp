#include "images/named_file.h"

#include <algorithm>

#include "files/disk/file_access.h"
#include "files/disk/read_head.h"

namespace tochkograf {

namespace {

// Whether the file `name` may be of `format` by its first bytes.
bool Claimed(const QString& name, const FileFormat& format) {
  QByteArray head;
  return !format.claims || (ReadHead(name, format.read_limit, head) && format.claims(head));
}

// The types a named file may be, in the order they are tried.
FileFormatList Candidates(const QString& name) {
  const FileFormatList entries = Where(FileFormats(), ComesIn);
  if (FileFormatList named = FormatsOfName(entries, name); !named.isEmpty()) {
    named.removeIf([&](const FileFormat* format) { return !Claimed(name, *format); });
    return named;
  }
  qsizetype longest = 0;
  for (const FileFormat* format : entries) longest = std::max(longest, format->signature.size());
  QByteArray head;
  FileFormatList signed_by;
  if (longest == 0 || !ReadHead(name, longest, head)) return signed_by;
  for (const FileFormat* format : entries)
    if (!format->signature.isEmpty() && head.startsWith(format->signature)) signed_by << format;
  return signed_by;
}

}  // namespace

NamedFile TypeOfNamedFile(const QString& name) {
  for (const FileFormat* format : Candidates(name)) {
    if (format->entry != Entry::AsItIs) return {format, std::nullopt};
    Picture picture;
    if (ReadPictureFile(name, *format, picture).Ok()) return {format, picture};
  }
  return {};
}

const FileFormat* FirstTypeOfNamedFile(const QString& name) { return Candidates(name).value(0); }

ReadStatus ReadAsImage(const QString& name, const FileFormat& format, ImportedImage& image) {
  if (format.image) return ReadImageFile(name, ImageReaderName(format, name), image);
  Picture picture;
  const ReadStatus status = ReadPictureFile(name, format, picture);
  if (status.Ok()) image = ImageOfPicture(picture);
  return status;
}

ReadStatus ReadAsFrames(const QString& name, const FileFormat& format, ImportedFrames& frames) {
  if (format.image) return ReadImageFramesFile(name, ImageReaderName(format, name), frames);
  if (format.read_frames) {
    QByteArray bytes;
    Animation animation;
    ReadStatus status;
    status.file = ReadFileHead(name, format.read_limit, bytes);
    if (status.file == FileStatus::Ok) status.format = format.read_frames(bytes, animation);
    if (status.Ok()) frames = FramesOf(animation);
    return status;
  }
  ImportedImage image;
  const ReadStatus status = ReadAsImage(name, format, image);
  if (status.Ok()) frames = ImportedFrames::Still(image);
  return status;
}

ReadStatus ReadImportedFile(const QString& name, ImportedFrames& frames) {
  const FileFormat* format = FormatOfName(Where(FileFormats(), ImportedAsImage), name);
  if (format && !format->by_content) return ReadAsFrames(name, *format, frames);
  return ReadImageFramesFile(name, {}, frames);
}

ImportedFrames FramesOf(const Animation& animation) {
  ImportedFrames frames;
  for (int i = 0; i < animation.Count(); ++i) {
    frames.frames.push_back(ImageOfPicture(animation.Frame(i)));
    frames.durations.push_back(animation.frames[i].duration);
  }
  return frames;
}

ImportedImage ImageOfPicture(const Picture& picture) {
  QImage greys(picture.width, picture.height, QImage::Format_Grayscale8);
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x)
      greys.scanLine(y)[x] = picture.cells(x + 1, y + 1) != kOff ? 0 : 255;
  return {greys.size(), greys, picture};
}

}  // namespace tochkograf
