#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <optional>

#include "files/format_status.h"
#include "files/status_texts.h"
#include "picture/picture.h"

class QIODevice;

namespace tochkograf {

// Each side of the greys an image is converted from; four times the
// largest picture's width, so that any picture size is worked out from
// areas of several pixels.
constexpr int kWorkingSide = 4 * kMaxWidth;

// An image read for import: its size, and greys small enough to be scaled
// and converted again for every change of the conversion's settings.
struct ImportedImage {
  QSize size;  // as the image shows, turned as its file says
  // Format_Grayscale8, 0 black .. 255 white, transparent parts white. Each
  // side is the image's or kWorkingSide, the smaller: the proportions are
  // those of `size`, not of this.
  QImage greys;
  // The image itself where it fits the editor and has at most two colours
  // (the darker ink): it comes in as it is.
  std::optional<Picture> picture;
};

// Reads an image from `device`. `format` is "otb" or a type QImageReader
// reads, and is the only one tried; empty, the type is the one the content
// shows (OTB, which shows nothing, is never taken for). A PNG is read a row
// at a time, whatever its depth, each row averaged into the greys as it
// comes: it takes a few rows of memory at any size up to kMostPngSide a
// side. Any other image that would take more than `memory_limit_mb`
// decoded whole is refused as TooLarge before anything is decoded; that
// limit is also Qt's while it reads. Where Qt's reader can decode at a
// reduced size (JPEG), it is asked for the size of the greys; otherwise the
// decoded image is averaged into them a band of rows at a time, with no
// other copy of it. A file that ends before its picture does is Truncated
// (Qt's JPEG and GIF readers would give the part they read), one whose
// data cannot be decoded Damaged.
FormatStatus ReadImage(QIODevice& device, const QByteArray& format, int memory_limit_mb,
                       ImportedImage& image);

// An image already decoded (one from the desktop's clipboard) as ReadImage
// gives one: its greys, and its picture where it fits the editor with at
// most two colours. Formats other than greys and 32-bit colours are
// converted a band of rows at a time.
ImportedImage ImportedImageOf(const QImage& image);

// ReadImage on the file `name` (a regular file only: it never waits), with
// the program's limit.
ReadStatus ReadImageFile(const QString& name, const QByteArray& format, ImportedImage& image);

}  // namespace tochkograf
