#include "windows/dialogs/font_sheet.h"

#include <QPainter>
#include <QResizeEvent>
#include <algorithm>

#include "windows/main/shown_cells.h"

namespace tochkograf {

namespace {

constexpr int kMargin = 4;
constexpr int kLineGap = 1;  // pixels of paper between lines

// The rows from the top of a line to its baseline, and the lines' pitch.
int Ascent(const BitmapFont& font) {
  int ascent = font.ascent;
  for (const FontGlyph& glyph : font.glyphs) ascent = std::max(ascent, -glyph.top);
  return std::max(ascent, 1);
}
int Pitch(const BitmapFont& font) {
  int descent = font.descent;
  for (const FontGlyph& glyph : font.glyphs) descent = std::max(descent, glyph.top + glyph.height);
  return Ascent(font) + std::max(descent, 0) + kLineGap;
}

// The box a character takes on its line: from its ink's or its origin's
// left, whichever is further left, to its advance or its ink's right.
struct Span {
  int before = 0, width = 0;
};
Span SpanOf(const FontGlyph* glyph, int ascent) {
  if (!glyph) return {0, std::max(3, ascent / 2) + 1};
  const int left = std::min(0, glyph->left);
  return {-left, std::max({glyph->advance, glyph->left + glyph->width, 1}) - left};
}

}  // namespace

QImage FontPage(const BitmapFont& font, const QList<char32_t>& codes, int columns) {
  columns = std::max(columns, 1);
  const int ascent = Ascent(font), pitch = Pitch(font);
  QList<QPoint> origins;
  int x = 0, line = 0;
  for (const char32_t code : codes) {
    const Span span = SpanOf(font.Find(code), ascent);
    if (x > 0 && x + span.width > columns) x = 0, ++line;
    origins.append(QPoint(x + span.before, line * pitch + ascent));
    x += span.width;
  }
  QImage page(columns, (line + 1) * pitch - kLineGap, QImage::Format_RGB32);
  page.fill(kPaperRgb);
  const auto ink = [&page](int px, int py) {
    if (page.rect().contains(px, py)) page.setPixel(px, py, kInkRgb);
  };
  for (qsizetype i = 0; i < codes.size(); ++i) {
    const QPoint origin = origins[i];
    if (const FontGlyph* glyph = font.Find(codes[i])) {
      for (int gy = 0; gy < glyph->height; ++gy)
        for (int gx = 0; gx < glyph->width; ++gx)
          if (glyph->Ink(gx, gy)) ink(origin.x() + glyph->left + gx, origin.y() + glyph->top + gy);
      continue;
    }
    const int right = origin.x() + SpanOf(nullptr, ascent).width - 2;
    for (int py = origin.y() - ascent; py < origin.y(); ++py)
      for (int px = origin.x(); px <= right; ++px)
        if (py == origin.y() - ascent || py == origin.y() - 1 || px == origin.x() || px == right)
          ink(px, py);
  }
  return page;
}

FontSheet::FontSheet(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("FontSheet"));
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void FontSheet::Show(const BitmapFont& font, const QList<char32_t>& codes) {
  font_ = font;
  codes_ = codes;
  Lay();
}

void FontSheet::Clear() { Show(BitmapFont{}, {}); }

// Small fonts are enlarged most, so that a character of a few pixels can
// be made out; a large one fits more characters to a line.
int FontSheet::Cell() const { return std::clamp(32 / Pitch(font_), 1, 3); }

void FontSheet::Lay() {
  const int cell = Cell();
  page_ = codes_.isEmpty() ? QImage() : FontPage(font_, codes_, (width() - 2 * kMargin) / cell);
  setMinimumHeight(page_.height() * cell + 2 * kMargin);
  update();
}

void FontSheet::resizeEvent(QResizeEvent* event) {
  if (event->size().width() != event->oldSize().width()) Lay();
  QWidget::resizeEvent(event);
}

void FontSheet::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), kPaperColour);
  if (page_.isNull()) return;
  const int cell = Cell();
  painter.drawImage(QRect(kMargin, kMargin, page_.width() * cell, page_.height() * cell), page_);
}

}  // namespace tochkograf
