#pragma once

class QLabel;

namespace tochkograf {

// Layouts here have fixed pixel sizes. Where the desktop's font is larger
// than the one a word-wrapped label was laid out for, the label takes a
// smaller size so that its last line is not cut off.
// ASSUMPTION: the label's text and geometry are already set.
void FitWrappedFontToBox(QLabel* label);

// The same for a one-line label: its text must fit its inner width.
void FitFontToWidth(QLabel* label);

}  // namespace tochkograf
