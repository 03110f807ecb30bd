#pragma once

#include <QString>

#include "files/fonts/font_choice.h"

namespace tochkograf {

// A line of text and the font to write it in, as the text dialog takes them.
struct TextChoice {
  QString text;
  FontChoice font = BuiltInChoice(FontSize::kNormal);
};

}  // namespace tochkograf
