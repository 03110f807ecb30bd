#include "files/formats/recovery_file.h"

#include "files/little_endian.h"

namespace tochkograf {

namespace {

const QByteArray kSignature = QByteArrayLiteral("Tochkograf-unsaved");
constexpr char kVersion = 1;
// Longer than any path a system takes, in UTF-8.
constexpr int kLongestName = 16384;
constexpr int kChecksumSize = 2;

quint16 Checksum(const QByteArray& bytes, qsizetype size) {
  return qChecksum(QByteArrayView(bytes.constData(), size), Qt::ChecksumIso3309);
}

}  // namespace

qint64 RecoveryReadLimit() {
  return kSignature.size() + 1 + 2 + kLongestName + 1 + EmsAnimationReadLimit() + kChecksumSize;
}

QByteArray EncodeRecoveryCopy(const RecoveryCopy& copy) {
  QByteArray bytes = kSignature;
  bytes.append(kVersion);
  const QByteArray name = copy.file_name.toUtf8().left(kLongestName);
  AppendLittleEndian(bytes, static_cast<std::uint32_t>(name.size()), 2);
  bytes.append(name);
  bytes.append(static_cast<char>(copy.current_frame));
  bytes.append(EncodeEmsAnimation(copy.frames));
  AppendLittleEndian(bytes, Checksum(bytes, bytes.size()), kChecksumSize);
  return bytes;
}

FormatStatus DecodeRecoveryCopy(const QByteArray& bytes, RecoveryCopy& copy) {
  const int head = kSignature.size() + 1 + 2;
  if (!bytes.startsWith(kSignature.left(bytes.size()))) return FormatStatus::NotThisFormat;
  if (bytes.size() < head + 1 + kChecksumSize) return FormatStatus::Truncated;
  if (bytes[kSignature.size()] != kVersion) return FormatStatus::Unsupported;
  const qsizetype end = bytes.size() - kChecksumSize;
  if (Read16(bytes, static_cast<int>(end)) != Checksum(bytes, end)) return FormatStatus::Damaged;
  const int name_size = Read16(bytes, kSignature.size() + 1);
  if (name_size > kLongestName || head + name_size + 1 > end) return FormatStatus::Damaged;
  RecoveryCopy read;
  read.file_name = QString::fromUtf8(bytes.mid(head, name_size));
  read.current_frame = static_cast<unsigned char>(bytes[head + name_size]);
  const QByteArray frames = bytes.mid(head + name_size + 1, end - (head + name_size + 1));
  if (const FormatStatus status = DecodeEmsAnimation(frames, read.frames);
      status != FormatStatus::Ok)
    return status;
  if (read.current_frame >= static_cast<int>(read.frames.durations.size()))
    return FormatStatus::Damaged;
  copy = std::move(read);
  return FormatStatus::Ok;
}

}  // namespace tochkograf
