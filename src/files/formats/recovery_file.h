#pragma once

#include <QByteArray>
#include <QString>

#include "files/format_status.h"
#include "files/formats/ems_animation.h"

namespace tochkograf {

// The copy of a document with unsaved changes that the editor keeps while
// it runs, so that the work survives the program being killed:
//   18 bytes  "Tochkograf-unsaved"
//    1 byte   version, 1
//   2 bytes   n, the length of the name, least significant byte first
//   n bytes   the picture's file as an absolute path in UTF-8; none while
//             the picture has no file
//    1 byte   the frame that was being drawn on, 0-based
//   then the frames exactly as the program's .ems file holds them
//   2 bytes   the CRC-16/X-25 of every byte before it
// The checksum makes a copy that was damaged on the disk a refused file,
// never a wrong picture.
struct RecoveryCopy {
  QString file_name;  // empty for a picture that has no file
  int current_frame = 0;
  EmsAnimation frames;
};

// The most bytes a copy has, and one more: a reader takes no more.
qint64 RecoveryReadLimit();

QByteArray EncodeRecoveryCopy(const RecoveryCopy& copy);

// Checks `bytes` whole: on success `copy` holds what they carry, on failure
// (NotThisFormat, Unsupported, Truncated, Damaged, or the frames' own
// reasons) it is untouched.
FormatStatus DecodeRecoveryCopy(const QByteArray& bytes, RecoveryCopy& copy);

}  // namespace tochkograf
