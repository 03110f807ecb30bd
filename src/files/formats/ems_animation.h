#pragma once

#include <QByteArray>
#include <cstdint>
#include <vector>

#include "files/format_status.h"
#include "picture/animation.h"
#include "picture/frame.h"
#include "picture/picture.h"

namespace tochkograf {

// The program's .ems file of an animation: its first frame exactly as the
// one-picture file (ems_format.h), which is all a reader of that layout
// takes, then a block of the further frames:
//   10 bytes  "Tochkograf"
//    1 byte   version, 1
//    1 byte   frames, 2..64
//   2 bytes a frame  each frame's duration in milliseconds, 100..10000,
//                    least significant byte first
//   then frames 2.. in turn, each packed as the first frame's rows
//   2 bytes   the CRC-16/X-25 of every byte of the file before it, least
//             significant byte first
// and nothing after it. A one-frame picture has no block.

// The frames, as the file holds them.
struct EmsAnimation {
  Picture first;
  std::vector<std::int32_t> durations{kNewFrameDuration};  // one a frame
  std::vector<PackedBlock> further;                        // frames 2.., of the first's size
};

// The most bytes an animation file has, and one more: a reader takes no
// more than this, and knows a file of this many is too long.
qint64 EmsAnimationReadLimit();

QByteArray EncodeEmsAnimation(const EmsAnimation& animation);

// The frames of `animation` as the file holds them.
EmsAnimation EmsAnimationOf(const Animation& animation);

// Checks `bytes` whole before anything is written. The first frame is
// read as DecodeEms reads a picture, into animation.first; bytes after it
// that do not start the block are ignored, as they always were, and give
// one frame of the new-frame duration. A block that is damaged, cut short
// (even within its signature),
// of another version or followed by anything refuses the file and leaves
// `animation` as it was. Cells of the further frames beyond what their
// rows carry are paper.
FormatStatus DecodeEmsAnimation(const QByteArray& bytes, EmsAnimation& animation);

// The first frame of a picture or an animation, for those that take one
// picture from a file (the import, the command line, the thumbnailer): a
// damaged frame block refuses the file as opening it does.
FormatStatus DecodeEmsFirstFrame(const QByteArray& bytes, Picture& picture);

}  // namespace tochkograf
