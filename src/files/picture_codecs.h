#pragma once

#include <QByteArray>
#include <QString>

#include "files/ems_format.h"
#include "files/format_status.h"
#include "picture/picture.h"

namespace tochkograf {

// The program's own formats, which need nothing beyond QtCore, in terms of
// a Picture. A reader leaves `picture` as it was unless it returns Ok.

FormatStatus ReadEmsPicture(const QByteArray& bytes, Picture& picture);
// What the `.ems` decoder's answer means in the words of every format.
FormatStatus EmsFormatStatus(EmsStatus status);
QByteArray WriteEmsPicture(const Picture& picture);

// Two-colour BMP files as the import reads them; written as EncodeBmp does.
FormatStatus ReadBmpPicture(const QByteArray& bytes, Picture& picture);

// Nokia's over-the-air bitmap, no larger than the editor holds.
FormatStatus ReadOtbPicture(const QByteArray& bytes, Picture& picture);

// The one-bit types pictures are exported to; `file_name` names the file
// written, which an X bitmap takes its C name from.
FormatStatus WriteOtbPicture(const Picture& picture, const QString& file_name, QByteArray& bytes);
FormatStatus WriteXbmPicture(const Picture& picture, const QString& file_name, QByteArray& bytes);
FormatStatus WritePbmPicture(const Picture& picture, const QString& file_name, QByteArray& bytes);
// Refused with TooLargeForMessage where one SMS cannot carry the picture.
FormatStatus WriteEmsElementPicture(const Picture& picture, const QString& file_name,
                                    QByteArray& bytes);

}  // namespace tochkograf
