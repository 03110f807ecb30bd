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
//  - GIF: its blocks up to the trailer; every image must be whole, but
//    the file may end between blocks without the trailer.
// `format` is as QImageReader names it; any other type, a file that is
// damaged rather than cut, and a device that cannot go back are not cut
// short. The device is left where it was.
bool CutShort(QIODevice& device, qint64 start, const QByteArray& format);

// The number of images (frames) of the GIF file from byte `start`, by the
// same walk, which holds no more than a block of the file at a time: -1
// where the file is cut short, 0 where the device cannot go back. A
// damaged file counts the images before the damage. The device is left
// where it was.
int GifImageCount(QIODevice& device, qint64 start);

}  // namespace tochkograf
