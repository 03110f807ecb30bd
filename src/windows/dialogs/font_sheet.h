#pragma once

#include <QImage>
#include <QList>
#include <QWidget>

#include "picture/bitmap_font.h"

namespace tochkograf {

// Characters of a font laid out as a page: one after another on their
// baselines, at their advances, a new line where the next does not fit
// the width; a character the font lacks is an outline as high as the
// font's ascent. Each pixel is drawn as a square of a few screen pixels,
// fewer the taller the font.
QImage FontPage(const BitmapFont& font, const QList<char32_t>& codes, int columns);

// The page shown in ink on paper, as wide as the widget, which keeps the
// height its lines need (a scroll area holds it).
class FontSheet : public QWidget {
  Q_OBJECT

 public:
  explicit FontSheet(QWidget* parent);

  void Show(const BitmapFont& font, const QList<char32_t>& codes);
  void Clear();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  int Cell() const;
  void Lay();

  BitmapFont font_;
  QList<char32_t> codes_;
  QImage page_;
};

}  // namespace tochkograf
