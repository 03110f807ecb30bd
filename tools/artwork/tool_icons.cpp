#include "tool_icons.h"

#include <QPainter>
#include <QPolygon>
#include <map>

#include "picture/pixel_font.h"
#include "picture/shapes.h"

namespace artwork {

namespace {

using tochkograf::CellRuns;
using tochkograf::Shape;

constexpr int kSize = 24;

// The classic colours the toolbar's pictures use, by their letters there.
const std::map<char, QRgb> kColours = {
    {'.', qRgb(192, 192, 192)}, {'#', qRgb(0, 0, 0)},       {'n', qRgb(0, 0, 128)},
    {'+', qRgb(128, 128, 128)}, {'w', qRgb(255, 255, 255)}, {'y', qRgb(255, 255, 0)},
    {'o', qRgb(128, 128, 0)},   {'r', qRgb(255, 0, 0)},     {'b', qRgb(0, 0, 255)}};

QImage Blank() {
  QImage image(kSize, kSize, QImage::Format_RGB32);
  image.fill(kColours.at('.'));
  return image;
}

void Put(QImage& image, int x, int y, char colour) {
  if (image.rect().contains(x, y)) image.setPixel(x, y, kColours.at(colour));
}

void PutRuns(QImage& image, const CellRuns& runs, char colour) {
  for (const auto& run : runs)
    for (int x = run.first; x <= run.last; ++x) Put(image, x, run.y, colour);
}

// A sheet of paper with its shadow below and to the right, as the new
// file's and the size's pictures have it.
QImage Sheet() {
  QImage image = Blank();
  for (int y = 2; y <= 20; ++y)
    for (int x = 2; x <= 20; ++x)
      Put(image, x, y, x == 2 || x == 20 || y == 2 || y == 20 ? '#' : 'w');
  for (int i = 3; i <= 21; ++i) Put(image, 21, i, '+'), Put(image, i, 21, '+');
  return image;
}

QImage ShapeOnSheet(Shape shape, QPoint from, QPoint to) {
  QImage image = Sheet();
  PutRuns(image, tochkograf::ShapeRuns(shape, from, to), 'n');
  return image;
}

// Rows of letters drawn over the picture; a space leaves a pixel as it is.
void PutRows(QImage& image, QPoint at, const std::vector<const char*>& rows) {
  for (int r = 0; r < int(rows.size()); ++r)
    for (int c = 0; rows[r][c]; ++c)
      if (rows[r][c] != ' ') Put(image, at.x() + c, at.y() + r, rows[r][c]);
}

// A pencil lying from its point at the bottom left to its end at the top
// right, its lead the editor's ink.
QImage Pencil() {
  QImage image = Blank();
  PutRows(image, {1, 1},
          {"                 ###  ", "                #rrr# ", "               #rrrrr#",
           "              #+rrrr# ", "             #+++rr#  ", "            #y#+++#   ",
           "           #yyy#+#    ", "          #yyyyy#     ", "         #yyyyy#      ",
           "        #yyyyy#       ", "       #yyyyy#        ", "      #yyyyy#         ",
           "     #yyyyy#          ", "    #oyyyy#           ", "   #wooyy#            ",
           "   #wwoo#             ", "  #nwww#              ", "  #nnw#               ",
           "  ####                ", "                      "});
  return image;
}

// A bucket tipped to the right, pouring ink.
QImage Bucket() {
  QImage image = Blank();
  PutRows(image, {1, 1},
          {"       ###            ", "      #   #           ", "     #     #          ",
           "     #   ######       ", "     #  #wwwwww#      ", "     # #wwwwwwww#     ",
           "      #wwwwwwwwww#    ", "     #wwwwwwwwww#n#   ", "    #+wwwwwwwww#nnn#  ",
           "   #++wwwwwwww#nnnnn# ", "   #+++wwwwww#nnnnn#n#", "    #+++wwww#nnnnn# #n",
           "     #+++ww#nnnnn#  #n", "      #+++#nnnnn#   #n", "       #++#nnnn#    #n",
           "        #+#nnn#     nn", "         ######     nn", "                    n ",
           "                      ", "                      "});
  return image;
}

// The large font's "А" on a sheet, in ink.
QImage Letter() {
  QImage image = Sheet();
  const auto& font = tochkograf::BuiltInFont(tochkograf::FontSize::kLarge);
  PutRuns(image, tochkograf::TextRuns(QStringLiteral("А"), font, QPoint(7, 5)).runs, 'n');
  return image;
}

}  // namespace

std::vector<ToolIcon> DrawToolIcons() {
  return {
      {QStringLiteral("toolpen"), Pencil()},
      {QStringLiteral("toolline"), ShapeOnSheet(Shape::kLine, {5, 17}, {17, 5})},
      {QStringLiteral("toolrect"), ShapeOnSheet(Shape::kRectangle, {5, 6}, {17, 16})},
      {QStringLiteral("toolbox"), ShapeOnSheet(Shape::kFilledRectangle, {5, 6}, {17, 16})},
      {QStringLiteral("toolellipse"), ShapeOnSheet(Shape::kEllipse, {4, 5}, {18, 17})},
      {QStringLiteral("tooldisc"), ShapeOnSheet(Shape::kFilledEllipse, {4, 5}, {18, 17})},
      {QStringLiteral("toolfill"), Bucket()},
      {QStringLiteral("tooltext"), Letter()},
  };
}

QByteArray ToXpm(const ToolIcon& icon) {
  std::map<QRgb, char> letters;
  for (const auto& [letter, colour] : kColours) letters[colour] = letter;
  std::map<char, QRgb> used;
  QByteArray rows;
  for (int y = 0; y < kSize; ++y) {
    rows += '"';
    for (int x = 0; x < kSize; ++x) {
      const char letter = letters.at(icon.picture.pixel(x, y) | 0xff000000);
      used[letter] = kColours.at(letter);
      rows += letter;
    }
    rows += y + 1 < kSize ? "\",\n" : "\"\n";
  }
  QByteArray xpm = "/* XPM */\nstatic const char *const " + icon.name.toLatin1() + "_xpm[] = {\n";
  xpm += QByteArray("\"") + QByteArray::number(kSize) + ' ' + QByteArray::number(kSize) + ' ' +
         QByteArray::number(int(used.size())) + " 1\",\n";
  // The background first, then the others in a fixed order.
  const std::string order = ".#n+bory w";
  for (const char letter : order)
    if (used.count(letter))
      xpm += QByteArray("\"") + letter + " c #" +
             QByteArray::number(used[letter] & 0xffffff, 16).rightJustified(6, '0').toUpper() +
             "\",\n";
  return xpm + rows + "};\n";
}

}  // namespace artwork
