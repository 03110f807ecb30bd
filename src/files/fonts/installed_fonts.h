#pragma once

#include <QList>
#include <QString>
#include <optional>

#include "files/fonts/font_choice.h"

namespace tochkograf {

// The fonts installed on the system that fontconfig knows and the editor
// can read: each scalable face once (its size left to be asked), each
// bitmap face at each of its sizes; sorted by caption.
QList<FontChoice> InstalledFonts();

// The installed font whose family is `family` (any case), its regular
// face first, or none.
std::optional<FontChoice> InstalledFontNamed(const QString& family);

}  // namespace tochkograf
