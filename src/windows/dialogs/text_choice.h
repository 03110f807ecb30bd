#pragma once

#include <QString>

#include "picture/pixel_font.h"

namespace tochkograf {

// A line of text and the font to write it in, as the text dialog takes them.
struct TextChoice {
  QString text;
  FontSize font = FontSize::kNormal;
};

}  // namespace tochkograf
