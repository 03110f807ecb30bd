#pragma once

#include <QByteArray>
#include <QImage>

#include "files/format_status.h"
#include "picture/picture.h"

namespace tochkograf {

// PNG through Qt's own reader and writer, which QtGui holds: no plugin and
// no application object needed.

// A one-bit PNG with a two-entry palette: paper white, ink black.
FormatStatus EncodePng(const Picture& picture, QByteArray& bytes);

// The picture as a one-bit image of its size, paper white and ink black.
QImage PictureImage(const Picture& picture);

// Any image as PNG; NotEncoded, with `bytes` as they were, where Qt's writer
// fails.
FormatStatus PngBytes(const QImage& image, QByteArray& bytes);

// A PNG of at most two colours, as they show on white paper: the darker is
// ink. A picture of one colour is all ink if that colour is nearer black.
// The size is checked before any pixel is decoded.
FormatStatus DecodePng(const QByteArray& bytes, Picture& picture);

// The picture of an image of any format with at most two colours, by the
// same rule; false, with `picture` as it was, for more colours.
// ASSUMPTION: the image's size fits the editor.
bool TwoColourPicture(const QImage& image, Picture& picture);

}  // namespace tochkograf
