#pragma once

#include <QByteArray>
#include <QtGlobal>

class QIODevice;

namespace tochkograf {

// Whether the JPEG or GIF file from byte `start` of `device` ends before the
// picture its reader decodes does. Qt's readers of these two give what
// they decoded of a cut file as a whole picture, the rest grey or empty,
// and say nothing; this walks the file's own structure instead:
//  - JPEG: its segments and scans up to the end-of-image marker;
//  - GIF: its blocks up to the end of the first image's data, the one
//    that is read (a later frame or the trailer may be missing).
// `format` is as QImageReader names it; any other type, a file that is
// damaged rather than cut, and a device that cannot go back are not cut
// short. The device is left where it was.
bool CutShort(QIODevice& device, qint64 start, const QByteArray& format);

}  // namespace tochkograf
