#include "logo.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "dot_font.h"

namespace artwork {

namespace {

const QColor kInk(0, 0, 128);  // the editor's own ink
const QColor kScreen(196, 214, 176);
const QColor kUnlitDot(182, 200, 163);
constexpr double kPitch = 7;
constexpr double kDot = 5.6;
const QString kDotted = QStringLiteral("Tochko");
const QString kSmooth = QStringLiteral("graf");
const QString kSubtitle = QStringLiteral("редактор EMS-рисунков для телефонов");

void PaintSky(QPainter& p) {
  QLinearGradient sky(0, 0, 0, kLogoHeight);
  sky.setColorAt(0, QColor(30, 78, 158));
  sky.setColorAt(0.55, QColor(104, 160, 222));
  sky.setColorAt(1, QColor(224, 239, 251));
  p.fillRect(QRectF(0, 0, kLogoWidth, kLogoHeight), sky);

  QRadialGradient sun(QPointF(438, 40), 80);
  sun.setColorAt(0, QColor(255, 252, 232));
  sun.setColorAt(0.22, QColor(255, 240, 180, 235));
  sun.setColorAt(0.3, QColor(255, 230, 160, 110));
  sun.setColorAt(1, QColor(255, 230, 160, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(sun);
  p.drawEllipse(QPointF(438, 40), 80, 80);
}

// A cloud of overlapping puffs, `width` wide, with its flat base at `base`.
void PaintCloud(QPainter& p, double left, double base, double width, int opacity) {
  static const struct {
    double x, y, r;
  } kPuffs[] = {{0.14, -0.10, 0.13},
                {0.32, -0.20, 0.19},
                {0.55, -0.24, 0.22},
                {0.76, -0.15, 0.16},
                {0.90, -0.07, 0.10}};
  QPainterPath cloud;
  cloud.setFillRule(Qt::WindingFill);  // overlapping puffs make one shape
  for (const auto& puff : kPuffs)
    cloud.addEllipse(QPointF(left + puff.x * width, base + puff.y * width), puff.r * width,
                     puff.r * width * 0.8);
  cloud.addRoundedRect(QRectF(left + 0.04 * width, base - 0.1 * width, 0.92 * width, 0.1 * width),
                       0.05 * width, 0.05 * width);
  cloud = cloud.simplified();
  QLinearGradient shade(0, base - 0.45 * width, 0, base);
  shade.setColorAt(0, QColor(255, 255, 255, opacity));
  shade.setColorAt(1, QColor(226, 233, 243, opacity));
  p.setPen(Qt::NoPen);
  p.setBrush(shade);
  p.drawPath(cloud);
}

void PaintClouds(QPainter& p) {
  PaintCloud(p, 300, 52, 70, 150);
  PaintCloud(p, 26, 40, 90, 170);
  PaintCloud(p, -30, 236, 210, 245);
  PaintCloud(p, 150, 240, 240, 250);
  PaintCloud(p, 360, 232, 170, 240);
}

QFont SmoothFont() {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setBold(true);
  font.setPixelSize(64);
  return font;
}

// The phone screen with "Tochko" lit on its lattice of dots; `origin` is the
// centre of the top-left dot.
void PaintDotMatrix(QPainter& p, QPointF origin) {
  const int columns = kDotted.size() * (kGlyphColumns + 1) - 1;
  const QRectF lattice(origin, QSizeF((columns - 1) * kPitch, (kGlyphRows - 1) * kPitch));
  const QRectF screen = lattice.adjusted(-12, -12, 12, 12);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(10, 30, 70, 70));
  p.drawRoundedRect(screen.translated(4, 4), 9, 9);
  p.setBrush(kScreen);
  p.setPen(QPen(QColor(52, 70, 60), 2));
  p.drawRoundedRect(screen, 9, 9);

  p.setPen(Qt::NoPen);
  for (int column = 0; column < columns; ++column)
    for (int row = 0; row < kGlyphRows; ++row) {
      const Glyph& glyph = DotGlyph(kDotted[column / (kGlyphColumns + 1)]);
      const int in_glyph = column % (kGlyphColumns + 1);
      const bool lit = in_glyph < kGlyphColumns && glyph[row][in_glyph] == '#';
      p.setBrush(lit ? kInk : kUnlitDot);
      p.drawEllipse(origin + QPointF(column * kPitch, row * kPitch), kDot / 2, kDot / 2);
    }
}

void PaintSmoothWord(QPainter& p, QPointF baseline_left) {
  QPainterPath word;
  word.addText(baseline_left, SmoothFont(), kSmooth);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(10, 30, 90, 90), 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(word.translated(3, 3));
  p.setPen(QPen(kInk, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(word);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawPath(word);
}

void PaintSubtitle(QPainter& p, double top) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(17);
  p.setFont(font);
  const QRectF band(0, top, kLogoWidth, 24);
  p.setPen(QColor(255, 255, 255, 120));
  p.drawText(band.translated(1, 1), Qt::AlignCenter, kSubtitle);
  p.setPen(kInk);
  p.drawText(band, Qt::AlignCenter, kSubtitle);
}

}  // namespace

QImage DrawLogo(int scale) {
  QImage image(kLogoWidth * scale, kLogoHeight * scale, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(scale, scale);
  PaintSky(p);
  PaintClouds(p);

  const int columns = kDotted.size() * (kGlyphColumns + 1) - 1;
  const double dotted_width = (columns - 1) * kPitch + 24;
  const double gap = 14;
  const double smooth_width = QFontMetricsF(SmoothFont()).horizontalAdvance(kSmooth);
  const double left = (kLogoWidth - dotted_width - gap - smooth_width) / 2;
  const QPointF origin(left + 12, 70);
  PaintDotMatrix(p, origin);
  const double baseline = origin.y() + (kGlyphRows - 1) * kPitch + kDot / 2;
  PaintSmoothWord(p, QPointF(left + dotted_width + gap, baseline));
  PaintSubtitle(p, baseline + 34);
  return image;
}

}  // namespace artwork
