#pragma once

#include <QImage>
#include <QMetaType>
#include <QRect>
#include <QString>
#include <algorithm>
#include <cmath>

#include "images/monochrome.h"
#include "picture/ellipse.h"
#include "picture/picture.h"
#include "picture/pixel_font.h"
#include "picture/shapes.h"

namespace tochkograf {

// Pictures of the kinds people put on small displays, at any size the
// editor holds: to see whether what reads a display's bytes without being
// told their layout reads them as they were meant.
enum class SampleKind { Text, Frames, Circles, DitheredPhoto, OrderedPhoto };

inline void Ink(Picture& picture, const CellRuns& runs) {
  for (const CellRun& run : runs)
    for (int x = std::max(1, run.first); x <= std::min(picture.width, run.last); ++x)
      if (run.y >= 1 && run.y <= picture.height) picture.cells(x, run.y) = kOn;
}

// Lines of words from the top, in the largest font that gives two lines.
inline Picture TextSample(int width, int height) {
  Picture picture{width, height, {}};
  const FontSize size = height >= 40 ? FontSize::kNormal : FontSize::kSmall;
  const PixelFont& font = BuiltInFont(size);
  const QString lines[] = {QStringLiteral("Привет, мир!"), QStringLiteral("Температура 21,5°"),
                           QStringLiteral("Батарея: 87%"), QStringLiteral("Меню  Назад"),
                           QStringLiteral("12:45  Wi-Fi"), QStringLiteral("ПН 8 ДЕК")};
  int top = 1;
  for (const QString& line : lines) {
    if (top + font.cap_height > height) break;
    Ink(picture, TextRuns(line, font, {2, top}).runs);
    top += font.height;
  }
  return picture;
}

// A frame round the panel, a box with a title bar and a filled button.
inline Picture FramesSample(int width, int height) {
  Picture picture{width, height, {}};
  Ink(picture, ShapeRuns(Shape::kRectangle, {1, 1}, {width, height}));
  Ink(picture, ShapeRuns(Shape::kRectangle, {4, 3}, {width * 2 / 3, height - 3}));
  Ink(picture, ShapeRuns(Shape::kFilledRectangle, {4, 3}, {width * 2 / 3, 3 + height / 6}));
  Ink(picture,
      ShapeRuns(Shape::kFilledRectangle, {width * 3 / 4, height / 3}, {width - 4, height * 2 / 3}));
  return picture;
}

// Rings and a filled disc of several sizes.
inline Picture CirclesSample(int width, int height) {
  Picture picture{width, height, {}};
  const int side = height - 2;
  Ink(picture, EllipseRuns(QRect(2, 2, side, side), false));
  Ink(picture, EllipseRuns(QRect(2 + side / 4, 2 + side / 4, side / 2, side / 2), true));
  Ink(picture, EllipseRuns(QRect(side + 4, height / 4, width - side - 6, height / 2), false));
  return picture;
}

// A made-up photo: a sky darkening upwards, a dark sun and a light hill,
// brought down to black and white by the program's own dithering.
inline Picture PhotoSample(int width, int height, Dithering dithering) {
  QImage greys(width, height, QImage::Format_Grayscale8);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const double u = double(x) / width, v = double(y) / height;
      double grey = 60 + 170 * v;
      if (std::hypot(u - 0.35, (v - 0.4) * height / width) < 0.18) grey = 40 + 60 * u;
      if (v > 0.75 + 0.1 * std::sin(6 * u)) grey = 210 - 80 * u;
      greys.scanLine(y)[x] = uchar(std::clamp(grey, 0.0, 255.0));
    }
  return Monochrome(greys, 128, dithering, false);
}

inline Picture SamplePicture(SampleKind kind, int width, int height) {
  switch (kind) {
    case SampleKind::Text:
      return TextSample(width, height);
    case SampleKind::Frames:
      return FramesSample(width, height);
    case SampleKind::Circles:
      return CirclesSample(width, height);
    case SampleKind::DitheredPhoto:
      return PhotoSample(width, height, Dithering::FloydSteinberg);
    case SampleKind::OrderedPhoto:
      return PhotoSample(width, height, Dithering::Bayer);
  }
  return {};
}

inline QString KindName(SampleKind kind) {
  static const char* const names[] = {"text", "frames", "circles", "dithered photo",
                                      "ordered photo"};
  return QString::fromLatin1(names[int(kind)]);
}

}  // namespace tochkograf

Q_DECLARE_METATYPE(tochkograf::Picture)
