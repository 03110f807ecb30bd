#include "windows/text_room.h"

#include <QFont>
#include <QLabel>
#include <QRegularExpression>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <cmath>

namespace tochkograf {

namespace {

constexpr int kDesignFontPixels = 12;  // 9 points at 96 dpi

// Words up to this many letters fit a line of the narrowest box.
constexpr int kLongestWord = 24;

QString BrokenWord(const QString& word) {
  QString broken;
  QTextBoundaryFinder letters(QTextBoundaryFinder::Grapheme, word);
  qsizetype from = 0;
  for (qsizetype to = letters.toNextBoundary(); to != -1; to = letters.toNextBoundary()) {
    if (from > 0) broken += QChar(0x200B);
    broken += word.mid(from, to - from);
    from = to;
  }
  return broken;
}

}  // namespace

// Worked out from the font's size and the screen's resolution, without
// loading the font: the splash asks before it is shown, and loading a font
// there would hold it back.
qreal FontGrowth(const QWidget* widget) {
  const QFont font = widget->font();
  const qreal pixels =
      font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * widget->logicalDpiY() / 72.0;
  return std::max(1.0, pixels / kDesignFontPixels);
}

int Grown(int length, qreal growth) { return static_cast<int>(std::lround(length * growth)); }

QRect Grown(const QRect& place, qreal growth) {
  return QRect(Grown(place.left(), growth), Grown(place.top(), growth),
               Grown(place.width(), growth), Grown(place.height(), growth));
}

QString BreakableText(const QString& text) {
  static const QRegularExpression long_word(QStringLiteral("\\S{%1,}").arg(kLongestWord + 1));
  QString breakable;
  qsizetype done = 0;
  for (const QRegularExpressionMatch& word : long_word.globalMatch(text)) {
    breakable += text.mid(done, word.capturedStart() - done) + BrokenWord(word.captured());
    done = word.capturedEnd();
  }
  return breakable + text.mid(done);
}

QSize RoomForLine(const QLabel* label, const QString& text) {
  const QMargins frame = label->contentsMargins();
  const int margin = 2 * label->margin();
  return label->fontMetrics().size(Qt::TextSingleLine, text) +
         QSize(frame.left() + frame.right() + margin, frame.top() + frame.bottom() + margin);
}

}  // namespace tochkograf
