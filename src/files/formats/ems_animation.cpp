#include "files/formats/ems_animation.h"

#include "files/formats/ems_format.h"
#include "files/little_endian.h"

namespace tochkograf {

namespace {

const QByteArray kSignature = QByteArrayLiteral("Tochkograf");
constexpr char kVersion = 1;

// The block's bytes before the durations, and after the frames.
int HeadSize() { return kSignature.size() + 2; }
constexpr int kChecksumSize = 2;

int FrameBytes(int width, int height) { return height * EmsRowBytes(width); }

int BlockSize(int width, int height, int frames) {
  return HeadSize() + 2 * frames + (frames - 1) * FrameBytes(width, height) + kChecksumSize;
}

// A frame's rows, from the top, as EncodeEms packs a picture's, starting at
// `at`; the spare bits of a row's last byte carry the cells beyond the
// right edge.
template <typename BitAction>
void ForEachBit(int width, int height, int at, BitAction action) {
  const int row_bytes = EmsRowBytes(width);
  for (int y = 1; y <= height; ++y)
    for (int x = 1; x <= 8 * row_bytes; ++x)
      action(at + (y - 1) * row_bytes + (x - 1) / 8, 0x80 >> ((x - 1) % 8), x, y);
}

void AppendFrame(QByteArray& bytes, int width, int height, const PackedBlock& cells) {
  const int at = bytes.size();
  bytes.append(FrameBytes(width, height), '\0');
  ForEachBit(width, height, at, [&](int index, int bit, int x, int y) {
    if (cells.At(x, y)) bytes[index] = static_cast<char>(bytes[index] | bit);
  });
}

PackedBlock FrameAt(const QByteArray& bytes, int at, int width, int height) {
  PackedBlock cells;
  ForEachBit(width, height, at, [&](int index, int bit, int x, int y) {
    cells.Set(x, y, static_cast<unsigned char>(bytes[index]) & bit);
  });
  return cells;
}

quint16 Checksum(const QByteArray& bytes, int size) {
  return qChecksum(QByteArrayView(bytes.constData(), size), Qt::ChecksumIso3309);
}

// Reads the block that starts at `at`, whose frames are width x height.
FormatStatus DecodeBlock(const QByteArray& bytes, int at, int width, int height,
                         EmsAnimation& animation) {
  if (bytes.size() < at + HeadSize()) return FormatStatus::Truncated;
  if (bytes[at + kSignature.size()] != kVersion) return FormatStatus::Unsupported;
  const int frames = static_cast<unsigned char>(bytes[at + kSignature.size() + 1]);
  if (frames < 2 || frames > kMaxFrames) return FormatStatus::Damaged;
  const int end = at + BlockSize(width, height, frames);
  if (bytes.size() < end) return FormatStatus::Truncated;
  if (bytes.size() > end ||
      Read16(bytes, end - kChecksumSize) != Checksum(bytes, end - kChecksumSize))
    return FormatStatus::Damaged;
  std::vector<std::int32_t> durations;
  for (int i = 0; i < frames; ++i) {
    durations.push_back(Read16(bytes, at + HeadSize() + 2 * i));
    if (durations.back() < kShortestFrame || durations.back() > kLongestFrame)
      return FormatStatus::Damaged;
  }
  std::vector<PackedBlock> further;
  for (int i = 1; i < frames; ++i)
    further.push_back(FrameAt(
        bytes, at + HeadSize() + 2 * frames + (i - 1) * FrameBytes(width, height), width, height));
  animation.durations = std::move(durations);
  animation.further = std::move(further);
  return FormatStatus::Ok;
}

}  // namespace

qint64 EmsAnimationReadLimit() {
  return EmsFileSize(kMaxWidth, kMaxHeight) + BlockSize(kMaxWidth, kMaxHeight, kMaxFrames) + 1;
}

EmsAnimation EmsAnimationOf(const Animation& animation) {
  EmsAnimation ems{animation.Frame(0), {}, {}};
  for (int i = 0; i < animation.Count(); ++i) {
    ems.durations.push_back(animation.frames[i].duration);
    if (i > 0) ems.further.push_back(animation.frames[i].cells);
  }
  return ems;
}

QByteArray EncodeEmsAnimation(const EmsAnimation& animation) {
  const Picture& first = animation.first;
  QByteArray bytes = EncodeEms(first);
  if (animation.durations.size() < 2) return bytes;
  bytes += kSignature;
  bytes += kVersion;
  bytes += static_cast<char>(animation.durations.size());
  for (const std::int32_t duration : animation.durations) AppendLittleEndian(bytes, duration, 2);
  for (const PackedBlock& cells : animation.further)
    AppendFrame(bytes, first.width, first.height, cells);
  AppendLittleEndian(bytes, Checksum(bytes, bytes.size()), kChecksumSize);
  return bytes;
}

FormatStatus DecodeEmsAnimation(const QByteArray& bytes, EmsAnimation& animation) {
  Picture first = animation.first;
  if (const FormatStatus status = DecodeEms(bytes, first); status != FormatStatus::Ok)
    return status;
  const int at = EmsFileSize(first.width, first.height);
  EmsAnimation read;
  read.first = first;
  // A block cut short inside its signature is no stray byte either.
  const QByteArray after = bytes.mid(at, kSignature.size());
  if (!after.isEmpty() && kSignature.startsWith(after)) {
    if (const FormatStatus status = DecodeBlock(bytes, at, first.width, first.height, read);
        status != FormatStatus::Ok)
      return status;
  }
  animation = std::move(read);
  return FormatStatus::Ok;
}

FormatStatus DecodeEmsFirstFrame(const QByteArray& bytes, Picture& picture) {
  EmsAnimation animation;
  const FormatStatus status = DecodeEmsAnimation(bytes, animation);
  if (status == FormatStatus::Ok) picture = animation.first;
  return status;
}

}  // namespace tochkograf
