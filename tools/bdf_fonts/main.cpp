// Turns BDF bitmap fonts into the C++ tables of picture/pixel_font.h, at
// build time. Usage: tochkograf_bdf_fonts OUTPUT SMALL.bdf NORMAL.bdf
// LARGE.bdf. Every glyph is laid into the font's whole box, a row a number
// whose bit c is column c; the capitals' rows and columns are those of
// the letter H.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Glyph {
  int width = 0;
  std::vector<std::uint16_t> rows;
};

struct Font {
  int ascent = 0, descent = 0;
  std::map<unsigned, Glyph> glyphs;
};

bool Fail(const std::string& what) {
  std::fprintf(stderr, "tochkograf_bdf_fonts: %s\n", what.c_str());
  return false;
}

// One glyph from STARTCHAR to ENDCHAR, laid into the font's box.
bool ReadGlyph(std::istream& in, Font& font, const std::string& file) {
  long code = -1;
  int width = 0, w = 0, h = 0, x_offset = 0, y_offset = 0;
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::string key;
    words >> key;
    if (key == "ENCODING") {
      words >> code;
    } else if (key == "DWIDTH") {
      words >> width;
    } else if (key == "BBX") {
      words >> w >> h >> x_offset >> y_offset;
    } else if (key == "BITMAP") {
      Glyph glyph{width, std::vector<std::uint16_t>(font.ascent + font.descent)};
      for (int k = 0; k < h && std::getline(in, line); ++k) {
        line.erase(line.find_last_not_of(" \t\r") + 1);
        const unsigned long bits = std::stoul(line, nullptr, 16);
        const int row = font.ascent - 1 - (y_offset + h - 1 - k);
        for (int c = 0; c < w; ++c) {
          const int column = x_offset + c;
          if (!(bits >> (4 * line.size() - 1 - c) & 1)) continue;
          if (row < 0 || row >= font.ascent + font.descent || column < 0 || column > 15)
            return Fail(file + ": a glyph reaches beyond the box");
          glyph.rows[row] |= std::uint16_t(1u << column);
        }
      }
      if (code >= 0) font.glyphs[unsigned(code)] = glyph;
      return std::getline(in, line) && line.rfind("ENDCHAR", 0) == 0;
    }
  }
  return Fail(file + ": a glyph ends early");
}

bool ReadFont(const std::string& file, Font& font) {
  std::ifstream in(file);
  if (!in) return Fail("cannot read " + file);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::string key;
    words >> key;
    if (key == "FONT_ASCENT") words >> font.ascent;
    if (key == "FONT_DESCENT") words >> font.descent;
    if (key == "STARTCHAR" && !ReadGlyph(in, font, file)) return false;
  }
  if (font.glyphs.empty() || font.ascent + font.descent <= 0) return Fail(file + ": no glyphs");
  return font.glyphs.count('H') ? true : Fail(file + ": no letter H");
}

void WriteFont(std::ostream& out, const Font& font, const std::string& name) {
  const Glyph& h = font.glyphs.at('H');
  int top = -1, bottom = -1, left = 16, right = -1;
  for (int r = 0; r < int(h.rows.size()); ++r) {
    if (!h.rows[r]) continue;
    if (top < 0) top = r;
    bottom = r;
    for (int c = 0; c < 16; ++c)
      if (h.rows[r] >> c & 1) left = std::min(left, c), right = std::max(right, c);
  }
  out << "constexpr PixelGlyph k" << name << "Glyphs[] = {\n";
  std::uint32_t first_row = 0;
  for (const auto& [code, glyph] : font.glyphs) {
    out << "    {" << code << ", " << glyph.width << ", " << first_row << "},\n";
    first_row += std::uint32_t(glyph.rows.size());
  }
  out << "};\nconstexpr std::uint16_t k" << name << "Rows[] = {";
  int count = 0;
  for (const auto& entry : font.glyphs)
    for (const std::uint16_t row : entry.second.rows)
      out << (count++ % 16 ? " " : "\n    ") << row << ",";
  out << "\n};\nconstexpr PixelFont k" << name << "{" << font.ascent + font.descent << ", " << top
      << ", " << bottom - top + 1 << ", " << left << ", " << right << ", k" << name
      << "Glyphs, std::size(k" << name << "Glyphs), k" << name << "Rows};\n\n";
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: %s OUTPUT SMALL.bdf NORMAL.bdf LARGE.bdf\n", argv[0]);
    return 2;
  }
  const char* const names[] = {"Small", "Normal", "Large"};
  std::ostringstream out;
  out << "// Made by tools/bdf_fonts from the BDF files in picture/fonts; not to be edited.\n"
         "#include <iterator>\n\n#include \"picture/pixel_font.h\"\n\n"
         "namespace tochkograf {\n\nnamespace {\n\n";
  for (int i = 0; i < 3; ++i) {
    Font font;
    if (!ReadFont(argv[i + 2], font)) return 1;
    WriteFont(out, font, names[i]);
  }
  out << "}  // namespace\n\nconst PixelFont& BuiltInFont(FontSize size) {\n"
         "  switch (size) {\n    case FontSize::kSmall:\n      return kSmall;\n"
         "    case FontSize::kNormal:\n      return kNormal;\n    case FontSize::kLarge:\n"
         "      break;\n  }\n  return kLarge;\n}\n\n}  // namespace tochkograf\n";
  std::ofstream file(argv[1]);
  if (!(file << out.str()) || !file.flush()) {
    std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
    return 1;
  }
  return 0;
}
