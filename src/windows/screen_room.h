#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

namespace tochkograf {

// Windows are laid out for the screen they open on: each fits its free area
// (the screen less its panels and docks) with the frame the window manager
// draws round it, and opens within it.

// The frame round `window`, as large as the largest of: its own, where the
// window manager has framed it already; its owner's, where that has been
// framed; and a title bar of two lines of the title's bold font with
// borders of four pixels. Only a window that has been shown has a frame Qt
// knows of, and some window managers report none until then.
QMargins Decoration(const QWidget* window);

// The largest size `window` may have, its frame round it, on its screen.
QSize ScreenRoom(const QWidget* window);

// The width a title bar needs to show `window`'s title whole: the title in
// bold, and room for the window's icon and up to four buttons beside it.
int TitleBarWidth(const QWidget* window);

// `frame` moved as little as it takes to lie within the free area of
// `window`'s screen; a frame too large for it keeps its top left corner
// there.
QRect OnScreen(const QRect& frame, const QWidget* window);

// Moves a window that is shown, and framed where the desktop frames
// windows, so that its frame lies on its screen.
void KeepOnScreen(QWidget* window);

}  // namespace tochkograf
