#pragma once

#include <QList>
#include <QString>
#include <optional>

#include "files/fonts/font_choice.h"
#include "picture/bitmap_font.h"

namespace tochkograf {

// A font read, or why not in one Russian sentence.
struct FontLoading {
  std::optional<BitmapFont> font;
  QString error;
};

// The sizes a scalable font can be drawn at, in pixels.
inline constexpr int kSmallestFontPixels = 4, kLargestFontPixels = 128;

// Reads the chosen font: a built-in one, or its file, whatever its kind by
// its first bytes. A bitmap font comes whole; a scalable one is drawn at
// its size, without smoothing, and only the characters of `codes` are
// drawn (with H and Н, which place the text). A file that can't be read
// or is not a font changes nothing and is named in the error.
FontLoading LoadFont(const FontChoice& choice, const QList<char32_t>& codes);

// A font file as a choice: whether it is scalable, and a caption from its
// family and style (the file's name when it has none).
std::optional<FontChoice> ChoiceOfFile(const QString& path, QString* error);

}  // namespace tochkograf
