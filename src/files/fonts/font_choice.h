#pragma once

#include <QString>

#include "picture/pixel_font.h"

namespace tochkograf {

// A font as the user picks it: one of the built-in fonts, or a font file
// (BDF, PCF, gzipped PCF, TrueType or OpenType) with the face of a
// collection and, for a scalable font, the size in pixels it is drawn at.
struct FontChoice {
  FontSize built_in = FontSize::kNormal;  // when there is no file
  QString file;
  int face = 0;
  bool scalable = false;
  int pixel_size = 0;  // a scalable font's size; a bitmap font has its own
  QString caption;     // as a list shows it

  bool IsBuiltIn() const { return file.isEmpty(); }
  bool operator==(const FontChoice&) const = default;
};

// A bitmap font's caption: its name and its line's height, "Fixed, 13 пикс.".
QString SizedCaption(const QString& name, int pixels);

// The built-in font of that size, with its Russian name as caption.
FontChoice BuiltInChoice(FontSize size);

}  // namespace tochkograf
