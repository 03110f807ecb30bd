#pragma once

#include <QIcon>

namespace tochkograf {

// The picture of toolbar button `index` (0..6): new, open, save, cut, copy,
// paste, picture size. 24 x 24 pixels, doubled pixel for pixel when a screen
// has twice the density so that they stay crisp there.
QIcon ToolbarIcon(int index);

}  // namespace tochkograf
