#pragma once

#include <QRect>
#include <QSize>

class QLabel;
class QString;
class QWidget;

namespace tochkograf {

// The windows' places and sizes are pixels at 96 dpi for a 9-point desktop
// font. Where the desktop's font is larger (a higher font resolution, or
// more points), boxes grow with it; texts are never made smaller.

// How many times larger than that font `widget`'s own font is; never
// below 1.
qreal FontGrowth(const QWidget* widget);

// A 96-dpi length, or place, grown by `growth`.
int Grown(int length, qreal growth);
QRect Grown(const QRect& place, qreal growth);

// `text` with a zero-width space between the letters of each word too long
// for a line of a narrow box (a file's long name, a C name), where the line
// may then break; it reads the same.
QString BreakableText(const QString& text);

// The size `label` needs to show `text` whole on one line at its own font:
// the text, and the label's frame and margins round it.
QSize RoomForLine(const QLabel* label, const QString& text);

}  // namespace tochkograf
