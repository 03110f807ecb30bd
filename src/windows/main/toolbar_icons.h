#pragma once

#include <QIcon>

namespace tochkograf {

// A toolbar button's icon from its 24 x 24 XPM picture, doubled pixel for
// pixel when a screen has twice the density, so that it stays crisp there.
QIcon ToolbarIcon(const char* const* picture);

}  // namespace tochkograf
