#pragma once

class QWidget;

namespace tochkograf {

// Centres a dialog's frame over its owner's, taking the dialog's frame to
// be like the owner's, as far as the free area of the screen lets it.
// QDialog's own centring guesses the frame and is off by that guess where
// the desktop draws no frames.
// ASSUMPTION: the dialog has its final size and has not been shown.
void CentreOver(QWidget* dialog, const QWidget* owner);

}  // namespace tochkograf
