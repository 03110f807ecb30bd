// Feeds arbitrary bytes to the import of every frame of an image, as the
// import does with a file's contents, under a small memory limit: a GIF is
// walked to its end (cut short, too many frames, too large all refused
// before decoding), then every frame decoded by Qt's reader. A refused file
// gives no frames; a read one gives 1..64 frames of one size, each with a
// duration the editor takes, and its frames convert, with the settings the
// first byte chooses, into an animation of as many frames of the size
// those settings ask for.

#include <QBuffer>
#include <QByteArray>
#include <cstdint>
#include <cstdlib>

#include "image_fuzzing.h"
#include "images/image_frames.h"

using namespace tochkograf;
using namespace tochkograf::fuzzing;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const QtMessageHandler previous = qInstallMessageHandler(Quiet);
  (void)previous;
  if (size == 0) return 0;
  // The first byte: how the frames are converted.
  const std::uint8_t choice = data[0];
  QByteArray bytes(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  ImportedFrames frames;
  const FormatStatus status = ReadImageFrames(buffer, {}, kMemoryLimitMb, frames);
  if (status != FormatStatus::Ok) {
    Check(frames.frames.empty() && frames.durations.empty());
    return 0;
  }
  const int count = static_cast<int>(frames.frames.size());
  Check(count >= 1 && count <= kMaxFrames && frames.durations.size() == frames.frames.size());
  for (int k = 0; k < count; ++k) {
    Check(frames.frames[k].size == frames.First().size);
    Check(frames.durations[k] >= kShortestFrame && frames.durations[k] <= kLongestFrame);
  }
  if (const std::optional<Animation> as_it_is = frames.AsItIs()) {
    Check(as_it_is->Count() == count);
    Check(QSize(as_it_is->width, as_it_is->height) == frames.First().size);
  }
  ImageConversion conversion(frames.First());
  const ConversionSettings settings = Chosen(conversion, choice);
  const Animation converted = frames.Converted(settings);
  Check(converted.Count() == count);
  Check(QSize(converted.width, converted.height) == TargetSize(settings, frames.First().size));
  Check(FitsEditor(converted.width, converted.height));
  return 0;
}
