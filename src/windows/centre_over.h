#pragma once

class QWidget;

namespace tochkograf {

// Centres a dialog's frame over its owner's, taking the dialog's frame to
// be like the owner's. QDialog's own centring guesses the frame and is off
// by that guess where the desktop draws no frames.
// ASSUMPTION: the dialog has its final size.
void CentreOver(QWidget* dialog, const QWidget* owner);

}  // namespace tochkograf
