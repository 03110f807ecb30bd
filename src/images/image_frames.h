#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "images/image_conversion.h"
#include "images/image_reading.h"
#include "picture/animation.h"

class QIODevice;

namespace tochkograf {

// An image read for import with every frame it shows: an animated GIF's
// frames as its reader composes them, each for its own delay; any other
// image, and a GIF of one frame, is one frame.
struct ImportedFrames {
  std::vector<ImportedImage> frames;    // 1..kMaxFrames once read, all of one size
  std::vector<std::int32_t> durations;  // one for each frame, kShortestFrame..kLongestFrame ms

  static ImportedFrames Still(const ImportedImage& image) { return {{image}, {kNewFrameDuration}}; }

  // What the conversion dialog shows and starts from.
  const ImportedImage& First() const { return frames.front(); }
  // The frames as they are, where every one of them comes as it is (fits
  // the editor with at most two colours); nothing otherwise.
  std::optional<Animation> AsItIs() const;
  // Every frame converted alike by `settings`, so all of one size.
  Animation Converted(const ConversionSettings& settings) const;
};

// A GIF frame's delay in milliseconds as the frame's duration. Delays
// shorter than the shortest frame (0, "as fast as you can", among them)
// are the shortest, as browsers show them; those above the longest, the
// longest.
std::int32_t FrameDuration(int delay_ms);

// ReadImage for every frame. A GIF is first walked to its end, holding a
// block of it at a time: a cut one is Truncated, one of more than
// kMaxFrames frames TooManyFrames, and one whose frames, composed at its
// screen's size, would together take more than `memory_limit_mb` is
// TooLarge, all before anything is decoded. Every frame is then decoded in
// turn, only its greys kept.
FormatStatus ReadImageFrames(QIODevice& device, const QByteArray& format, int memory_limit_mb,
                             ImportedFrames& frames);

// ReadImageFrames on the file `name`, with the program's limit.
ReadStatus ReadImageFramesFile(const QString& name, const QByteArray& format,
                               ImportedFrames& frames);

}  // namespace tochkograf
