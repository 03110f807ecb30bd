#include "images/image_frames.h"

#include <QFile>
#include <QImageReader>
#include <algorithm>

#include "images/allocation_limit.h"
#include "images/cut_short.h"

namespace tochkograf {

namespace {

bool IsGif(QIODevice& device, const QByteArray& format) {
  return (format.isEmpty() || format == "gif") && device.peek(4) == "GIF8";
}

// The bytes `count` frames of `size` take as Qt composes them, 32 bits a
// pixel, against the limit.
bool Within(QSize size, int count, int memory_limit_mb) {
  return qint64(size.width()) * size.height() * 4 * count <= qint64(memory_limit_mb) << 20;
}

// The logical screen's size, which the GIF's header holds after its
// signature, each side in two bytes, the low first.
QSize ScreenSize(QIODevice& device) {
  const QByteArray header = device.peek(10);
  if (header.size() < 10) return {};
  const auto side = [&](int at) { return uchar(header[at]) | uchar(header[at + 1]) << 8; };
  return {side(6), side(8)};
}

// Qt's reader composes each frame over the ones before it, at the screen's
// size, as a viewer shows it. All the frames together are held to the
// still image's bound, which bounds the time the decoding takes as well.
FormatStatus ReadGifFrames(QIODevice& device, int count, int memory_limit_mb,
                           ImportedFrames& frames) {
  if (!Within(ScreenSize(device), count, memory_limit_mb)) return FormatStatus::TooLarge;
  const AllocationLimit limit(memory_limit_mb);
  QImageReader reader(&device, "gif");
  reader.setAutoDetectImageFormat(false);
  ImportedFrames read;
  for (int k = 0; k < count; ++k) {
    const QImage decoded = reader.read();
    if (decoded.isNull() || (k > 0 && decoded.size() != read.First().size))
      return FormatStatus::Damaged;
    if (!Within(decoded.size(), count, memory_limit_mb)) return FormatStatus::TooLarge;
    read.frames.push_back(ImportedImageOf(decoded));
    // Qt gives the delay of the frame just read.
    read.durations.push_back(FrameDuration(reader.nextImageDelay()));
  }
  frames = std::move(read);
  return FormatStatus::Ok;
}

}  // namespace

std::optional<Animation> ImportedFrames::AsItIs() const {
  Animation animation;
  for (std::size_t k = 0; k < frames.size(); ++k) {
    if (!frames[k].picture) return std::nullopt;
    const Picture& picture = *frames[k].picture;
    animation.width = picture.width;
    animation.height = picture.height;
    animation.frames.push_back({PackedBlock::Of(picture.cells), durations[k]});
  }
  return animation;
}

Animation ImportedFrames::Converted(const ConversionSettings& settings) const {
  Animation animation;
  for (std::size_t k = 0; k < frames.size(); ++k) {
    ImageConversion conversion(frames[k]);
    const Picture picture = conversion.Result(settings);
    animation.width = picture.width;
    animation.height = picture.height;
    animation.frames.push_back({PackedBlock::Of(picture.cells), durations[k]});
  }
  return animation;
}

std::int32_t FrameDuration(int delay_ms) {
  return std::clamp<std::int32_t>(delay_ms, kShortestFrame, kLongestFrame);
}

FormatStatus ReadImageFrames(QIODevice& device, const QByteArray& format, int memory_limit_mb,
                             ImportedFrames& frames) {
  const int count = IsGif(device, format) ? GifImageCount(device, device.pos()) : 1;
  if (count < 0) return FormatStatus::Truncated;
  if (count > kMaxFrames) return FormatStatus::TooManyFrames;
  if (count > 1) return ReadGifFrames(device, count, memory_limit_mb, frames);
  ImportedImage image;
  const FormatStatus status = ReadImage(device, format, memory_limit_mb, image);
  if (status == FormatStatus::Ok) frames = ImportedFrames::Still(image);
  return status;
}

ReadStatus ReadImageFramesFile(const QString& name, const QByteArray& format,
                               ImportedFrames& frames) {
  QFile file;
  ReadStatus status;
  status.file = OpenFileToRead(name, file);
  if (status.file == FileStatus::Ok)
    status.format = ReadImageFrames(file, format, kImageMemoryLimitMb, frames);
  return status;
}

}  // namespace tochkograf
