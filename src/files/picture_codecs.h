#pragma once

#include <QByteArray>

#include "files/format_status.h"
#include "picture/picture.h"

namespace tochkograf {

// The program's own formats, which need nothing beyond QtCore, in terms of
// a Picture. A reader leaves `picture` as it was unless it returns Ok.

FormatStatus ReadEmsPicture(const QByteArray& bytes, Picture& picture);
QByteArray WriteEmsPicture(const Picture& picture);

// Two-colour BMP files as the import reads them; written as EncodeBmp does.
FormatStatus ReadBmpPicture(const QByteArray& bytes, Picture& picture);

}  // namespace tochkograf
