#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "images/image_reading.h"
#include "picture/picture.h"

namespace tochkograf {

// How a file named outside the program's own dialogs (on its command line,
// by a file manager's "Open with") comes in. The editor and --convert both
// take the decision from here, so that a file comes in alike through
// either.
enum class NamedFileKind {
  Picture,  // the program's own picture file (.ems)
  Bmp,      // a BMP: as the one-bit BMP import reads it, else as any image
  Image,    // another type the image import reads
  Unknown,  // nothing tells
};

struct NamedFileType {
  NamedFileKind kind = NamedFileKind::Unknown;
  QByteArray format;  // for Bmp and Image, the reader ReadImageFile takes
};

// By the name's extension; a name without one that is known is a BMP if its
// first bytes say so, as IsBmpFile has it.
NamedFileType TypeOfNamedFile(const QString& name);

// The picture of a BMP the one-bit BMP import reads; nothing for any other
// file.
std::optional<Picture> OneBitBmp(const QString& name);

// Reads a Bmp or Image file as the image import takes it: a BMP the one-bit
// import reads is its picture as it is; anything else goes to
// ReadImageFile with the type's reader.
ImageReadStatus ReadNamedImage(const QString& name, const NamedFileType& type,
                               ImportedImage& image);

// A picture as an imported image: its greys are its ink and paper.
ImportedImage ImageOfPicture(const Picture& picture);

}  // namespace tochkograf
