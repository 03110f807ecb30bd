#include "files/fonts/bdf_reading.h"

#include <QHash>
#include <QList>
#include <optional>

#include "files/fonts/font_charsets.h"
#include "files/fonts/font_file_checks.h"

namespace tochkograf {

namespace {

// One line of the file: its keyword and the words after it.
struct BdfLine {
  QByteArray keyword;
  QList<QByteArray> words;
  QByteArray rest;  // the text after the keyword, as a property's value
};

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

struct Box {
  int width = 0, height = 0, x = 0, y = 0;
};

class BdfReader {
 public:
  explicit BdfReader(const QByteArray& bytes) : bytes_(bytes) {}
  FontLoading Read();

 private:
  bool NextLine();
  std::optional<int> Number(int word, int limit) const;
  std::optional<Box> BoxOfLine(int side_limit) const;
  bool ReadHeader();
  bool ReadProperties();
  bool ReadGlyph();
  bool ReadRows(FontGlyph& glyph);
  bool Fail(const QString& why);

  const QByteArray& bytes_;
  qsizetype at_ = 0;
  BdfLine line_;
  BitmapFont font_;
  QHash<QByteArray, QByteArray> properties_;
  std::optional<Box> font_box_;
  std::optional<int> font_advance_;
  std::optional<FontCharset> charset_;
  qint64 row_bytes_ = 0;
  int glyphs_seen_ = 0;
  QString why_;
};

bool BdfReader::Fail(const QString& why) {
  if (why_.isEmpty()) why_ = why;
  return false;
}

// Skips blank lines and comments.
bool BdfReader::NextLine() {
  while (at_ < bytes_.size()) {
    qsizetype end = bytes_.indexOf('\n', at_);
    if (end < 0) end = bytes_.size();
    const QByteArray text = bytes_.mid(at_, end - at_).trimmed();
    at_ = end + 1;
    if (text.isEmpty()) continue;
    const qsizetype space = text.indexOf(' ');
    line_.keyword = space < 0 ? text : text.left(space);
    if (line_.keyword == "COMMENT") continue;
    line_.rest = space < 0 ? QByteArray() : text.mid(space + 1).trimmed();
    line_.words = line_.rest.simplified().split(' ');
    if (line_.rest.isEmpty()) line_.words.clear();
    return true;
  }
  return Fail(DamagedFont(QStringLiteral("он обрывается до ENDFONT")));
}

std::optional<int> BdfReader::Number(int word, int limit) const {
  if (word >= line_.words.size()) return std::nullopt;
  bool ok = false;
  const int value = line_.words[word].toInt(&ok);
  if (!ok || value < -limit || value > limit) return std::nullopt;
  return value;
}

std::optional<Box> BdfReader::BoxOfLine(int side_limit) const {
  const auto width = Number(0, side_limit), height = Number(1, side_limit);
  const auto x = Number(2, kMaxFontMetric), y = Number(3, kMaxFontMetric);
  if (!width || !height || !x || !y || *width < 0 || *height < 0) return std::nullopt;
  return Box{*width, *height, *x, *y};
}

bool BdfReader::ReadProperties() {
  while (NextLine()) {
    if (line_.keyword == "ENDPROPERTIES") return true;
    QByteArray value = line_.rest;
    if (value.startsWith('"'))
      value = value.mid(1, value.lastIndexOf('"') - 1).replace("\"\"", "\"");
    properties_.insert(line_.keyword, value);
  }
  return false;
}

bool BdfReader::ReadHeader() {
  if (!NextLine() || line_.keyword != "STARTFONT")
    return Fail(DamagedFont(QStringLiteral("это не шрифт BDF")));
  while (NextLine()) {
    const QByteArray& key = line_.keyword;
    // The glyphs follow CHARS; a file without it starts them all the same.
    if (key == "CHARS" || key == "STARTCHAR" || key == "ENDFONT") return true;
    if (key == "FONT") font_.name = QString::fromUtf8(line_.rest);
    if (key == "FONTBOUNDINGBOX" && !(font_box_ = BoxOfLine(kMaxFontMetric)))
      return Fail(DamagedFont(QStringLiteral("FONTBOUNDINGBOX невозможен")));
    if (key == "DWIDTH" && !(font_advance_ = Number(0, kMaxFontMetric)))
      return Fail(DamagedFont(QStringLiteral("DWIDTH невозможен")));
    if (key == "STARTPROPERTIES" && !ReadProperties()) return false;
  }
  return false;
}

bool BdfReader::ReadRows(FontGlyph& glyph) {
  const int row_bytes = (glyph.width + 7) / 8;
  row_bytes_ += qint64(row_bytes) * glyph.height;
  if (row_bytes_ > kMaxGlyphRowBytes)
    return Fail(DamagedFont(QStringLiteral("его знаки слишком велики")));
  glyph.rows = QByteArray(row_bytes * glyph.height, '\0');
  for (int y = 0; y < glyph.height; ++y) {
    if (!NextLine()) return false;
    const QByteArray hex = line_.keyword;
    if (hex == "ENDCHAR")
      return Fail(DamagedFont(QStringLiteral("у знака меньше строк, чем в BBX")));
    // A short row's missing digits are paper.
    for (int i = 0; i < 2 * row_bytes && i < hex.size(); ++i) {
      const int digit = HexDigit(hex[i]);
      if (digit < 0) return Fail(DamagedFont(QStringLiteral("строка знака не шестнадцатеричная")));
      glyph.rows[y * row_bytes + i / 2] |= static_cast<char>(digit << (i % 2 == 0 ? 4 : 0));
    }
  }
  ClearPastWidth(glyph.rows, glyph.width);
  return true;
}

// From STARTCHAR through ENDCHAR; a glyph with a code joins the font.
bool BdfReader::ReadGlyph() {
  if (++glyphs_seen_ > kMaxGlyphCount)
    return Fail(DamagedFont(QStringLiteral("в нём слишком много знаков")));
  std::optional<int> code, advance = font_advance_;
  std::optional<Box> box = font_box_;
  while (NextLine()) {
    const QByteArray& key = line_.keyword;
    if (key == "ENCODING") code = Number(0, 0x7fffffff);
    if (key == "DWIDTH" && !(advance = Number(0, kMaxFontMetric)))
      return Fail(DamagedFont(QStringLiteral("DWIDTH знака невозможен")));
    if (key == "BBX" && !(box = BoxOfLine(kMaxGlyphSide)))
      return Fail(DamagedFont(QStringLiteral("BBX знака невозможен")));
    if (key == "ENDCHAR") return true;  // a glyph without BITMAP is left out
    if (key != "BITMAP") continue;
    if (!box || box->width > kMaxGlyphSide || box->height > kMaxGlyphSide)
      return Fail(DamagedFont(QStringLiteral("у знака нет возможного BBX")));
    FontGlyph glyph{
        0, advance.value_or(box->width), box->x, -(box->y + box->height), box->width, box->height,
        {}};
    if (!ReadRows(glyph)) return false;
    if (!NextLine() || line_.keyword != "ENDCHAR")
      return Fail(DamagedFont(QStringLiteral("у знака больше строк, чем в BBX")));
    const auto character = code && *code >= 0 ? charset_->Character(*code) : std::nullopt;
    if (character) {
      glyph.code = *character;
      font_.glyphs.push_back(std::move(glyph));
    }
    return true;
  }
  return false;
}

FontLoading BdfReader::Read() {
  if (!ReadHeader()) return FontRefused(why_);
  QString error;
  charset_ = FontCharset::Named(QString::fromUtf8(properties_.value("CHARSET_REGISTRY")),
                                QString::fromUtf8(properties_.value("CHARSET_ENCODING")),
                                font_.name, &error);
  if (!charset_) return FontRefused(error);
  for (bool more = line_.keyword != "ENDFONT"; more;
       more = NextLine() && line_.keyword != "ENDFONT")
    if (line_.keyword == "STARTCHAR" && !ReadGlyph()) return FontRefused(why_);
  if (!why_.isEmpty()) return FontRefused(why_);
  bool has_ascent = false, has_descent = false;
  font_.ascent = properties_.value("FONT_ASCENT").toInt(&has_ascent);
  font_.descent = properties_.value("FONT_DESCENT").toInt(&has_descent);
  if (font_box_ && !has_ascent) font_.ascent = font_box_->height + font_box_->y;
  if (font_box_ && !has_descent) font_.descent = -font_box_->y;
  for (const FontGlyph& glyph : font_.glyphs) {
    if (!has_ascent && !font_box_) font_.ascent = std::max(font_.ascent, -glyph.top);
    if (!has_descent && !font_box_)
      font_.descent = std::max(font_.descent, glyph.top + glyph.height);
  }
  return FontRead(std::move(font_));
}

}  // namespace

FontLoading ReadBdf(const QByteArray& bytes) { return BdfReader(bytes).Read(); }

}  // namespace tochkograf
