#pragma once

#include <QIcon>

namespace tochkograf {

// The picture of toolbar button `index` (0..6): new, open, save, cut, copy,
// paste, picture size. 24 x 24 pixels, doubled pixel for pixel on screens of
// twice the density so that they stay crisp.
QIcon ToolbarIcon(int index);

}  // namespace tochkograf
