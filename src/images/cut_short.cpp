#include "images/cut_short.h"

#include <QIODevice>
#include <algorithm>
#include <cstring>

namespace tochkograf {

namespace {

constexpr qint64 kBlockBytes = 64 * 1024;

// The device's bytes from where it is, a block at a time.
class Bytes {
 public:
  explicit Bytes(QIODevice& device) : device_(device) {}

  // The next byte, or -1 at the end of the file.
  int Next() {
    if (at_ == block_.size() && !Fill()) return -1;
    return static_cast<uchar>(block_[at_++]);
  }
  // False where the file ends first.
  bool Skip(qint64 count) {
    while (count > 0) {
      if (at_ == block_.size() && !Fill()) return false;
      const qint64 step = std::min<qint64>(count, block_.size() - at_);
      at_ += step;
      count -= step;
    }
    return true;
  }
  // To just past the next 0xFF; false where the file ends first.
  bool PastNextFF() {
    for (;;) {
      if (at_ == block_.size() && !Fill()) return false;
      const void* found = std::memchr(block_.constData() + at_, 0xFF, block_.size() - at_);
      if (found) {
        at_ = static_cast<const char*>(found) - block_.constData() + 1;
        return true;
      }
      at_ = block_.size();
    }
  }
  // A big-endian 16-bit number; -1 at the end.
  int BigEndianWord() {
    const int high = Next(), low = Next();
    return high < 0 || low < 0 ? -1 : high << 8 | low;
  }

 private:
  bool Fill() {
    block_ = device_.read(kBlockBytes);
    at_ = 0;
    return !block_.isEmpty();
  }

  QIODevice& device_;
  QByteArray block_;
  qsizetype at_ = 0;
};

constexpr int kStartOfScan = 0xDA, kEndOfImage = 0xD9;

// Markers that stand alone, with no length after them: the restarts, the
// start of image and TEM.
bool StandsAlone(int marker) { return (marker >= 0xD0 && marker <= 0xD8) || marker == 0x01; }

// The marker after the scan's coded data, which holds no 0xFF of its own
// but as 0xFF 0x00 or a restart marker; -1 at the end of the file.
int MarkerAfterScan(Bytes& bytes) {
  for (;;) {
    if (!bytes.PastNextFF()) return -1;
    int next = bytes.Next();
    while (next == 0xFF) next = bytes.Next();  // fill bytes before a marker
    if (next < 0) return -1;
    if (next != 0x00 && !(next >= 0xD0 && next <= 0xD7)) return next;
  }
}

// The next marker's code, past any fill bytes: -1 at the end of the file,
// -2 where the bytes are not a marker.
int NextMarker(Bytes& bytes) {
  const int first = bytes.Next();
  if (first != 0xFF) return first < 0 ? -1 : -2;
  int marker = bytes.Next();
  while (marker == 0xFF) marker = bytes.Next();
  return marker;
}

bool JpegCutShort(Bytes& bytes) {
  if (bytes.Next() != 0xFF || bytes.Next() != 0xD8) return false;  // damaged, not cut
  for (int marker = NextMarker(bytes);;) {
    if (marker == -1) return true;
    if (marker == -2 || marker == kEndOfImage) return false;
    if (!StandsAlone(marker)) {
      const int length = bytes.BigEndianWord();
      if (length < 0 || !bytes.Skip(std::max(0, length - 2))) return true;
    }
    marker = marker == kStartOfScan ? MarkerAfterScan(bytes) : NextMarker(bytes);
  }
}

// Data sub-blocks, each led by its length, up to the empty one; false
// where the file ends first.
bool SkipSubBlocks(Bytes& bytes) {
  for (;;) {
    const int length = bytes.Next();
    if (length < 0) return false;
    if (length == 0) return true;
    if (!bytes.Skip(length)) return false;
  }
}

int ColourTableBytes(int flags) { return flags & 0x80 ? 3 << ((flags & 7) + 1) : 0; }

constexpr int kExtension = 0x21, kImage = 0x2C, kTrailer = 0x3B;

// Walks a GIF to its trailer, counting its images into `images`; whether
// the file ends first, inside a block. A file that ends between blocks
// (no trailer) is not cut: every image it has is whole.
bool GifCutShort(Bytes& bytes, int& images) {
  images = 0;
  // The signature and version, the screen's width and height.
  if (!bytes.Skip(10)) return true;
  const int flags = bytes.Next();
  if (flags < 0 || !bytes.Skip(2 + ColourTableBytes(flags))) return true;
  for (;;) {
    switch (bytes.Next()) {
      case -1:
        return images == 0;
      case kExtension:
        if (bytes.Next() < 0 || !SkipSubBlocks(bytes)) return true;
        break;
      case kImage: {
        // Left, top, width, height; then its own colours and LZW code size.
        if (!bytes.Skip(8)) return true;
        const int image_flags = bytes.Next();
        if (image_flags < 0 || !bytes.Skip(ColourTableBytes(image_flags) + 1)) return true;
        if (!SkipSubBlocks(bytes)) return true;
        ++images;
        break;
      }
      case kTrailer:
      default:
        return false;  // the end, or damaged: the reader says so
    }
  }
}

}  // namespace

bool CutShort(QIODevice& device, qint64 start, const QByteArray& format) {
  const bool jpeg = format == "jpeg" || format == "jpg";
  if (!jpeg && format != "gif") return false;
  if (!jpeg) return GifImageCount(device, start) < 0;
  if (device.isSequential()) return false;
  const qint64 position = device.pos();
  if (!device.seek(start)) return false;
  Bytes bytes(device);
  const bool cut = JpegCutShort(bytes);
  device.seek(position);
  return cut;
}

int GifImageCount(QIODevice& device, qint64 start) {
  if (device.isSequential()) return 0;
  const qint64 position = device.pos();
  if (!device.seek(start)) return 0;
  Bytes bytes(device);
  int images = 0;
  const bool cut = GifCutShort(bytes, images);
  device.seek(position);
  return cut ? -1 : images;
}

}  // namespace tochkograf
