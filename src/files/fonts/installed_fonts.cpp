#include "files/fonts/installed_fonts.h"

#include <fontconfig/fontconfig.h>

#include <QSet>
#include <algorithm>
#include <memory>

namespace tochkograf {

namespace {

struct Listed {
  FontChoice choice;
  QString family, style;
};

QString StringOf(FcPattern* pattern, const char* object) {
  FcChar8* value = nullptr;
  if (FcPatternGetString(pattern, object, 0, &value) != FcResultMatch) return {};
  return QString::fromUtf8(reinterpret_cast<const char*>(value));
}

// The face a pattern of fontconfig names, or none for an instance of a
// variable face (its default instance is listed too).
std::optional<Listed> ListedFace(FcPattern* pattern) {
  Listed listed{{}, StringOf(pattern, FC_FAMILY), StringOf(pattern, FC_STYLE)};
  int index = 0;
  FcBool scalable = FcFalse;
  double pixels = 0;
  FcPatternGetInteger(pattern, FC_INDEX, 0, &index);
  FcPatternGetBool(pattern, FC_SCALABLE, 0, &scalable);
  FcPatternGetDouble(pattern, FC_PIXEL_SIZE, 0, &pixels);
  listed.choice.file = StringOf(pattern, FC_FILE);
  if (listed.choice.file.isEmpty() || listed.family.isEmpty() || (index >> 16) != 0)
    return std::nullopt;
  listed.choice.face = index;
  listed.choice.scalable = scalable;
  QString caption = listed.family;
  if (!listed.style.isEmpty() && listed.style != QLatin1String("Regular"))
    caption += QLatin1Char(' ') + listed.style;
  if (!scalable) {
    listed.choice.pixel_size = int(pixels + 0.5);
    caption = SizedCaption(caption, listed.choice.pixel_size);
  }
  listed.choice.caption = caption;
  return listed;
}

QList<Listed> ListAll() {
  const std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)> pattern(FcPatternCreate(),
                                                                        FcPatternDestroy);
  const std::unique_ptr<FcObjectSet, decltype(&FcObjectSetDestroy)> objects(
      FcObjectSetBuild(FC_FAMILY, FC_STYLE, FC_FILE, FC_INDEX, FC_SCALABLE, FC_PIXEL_SIZE, nullptr),
      FcObjectSetDestroy);
  const std::unique_ptr<FcFontSet, decltype(&FcFontSetDestroy)> set(
      FcFontList(nullptr, pattern.get(), objects.get()), FcFontSetDestroy);
  QList<Listed> all;
  QSet<QString> captions;
  for (int i = 0; set && i < set->nfont; ++i)
    if (std::optional<Listed> listed = ListedFace(set->fonts[i]))
      if (!captions.contains(listed->choice.caption)) {
        captions.insert(listed->choice.caption);
        all.append(*listed);
      }
  std::sort(all.begin(), all.end(), [](const Listed& a, const Listed& b) {
    return a.choice.caption.compare(b.choice.caption, Qt::CaseInsensitive) < 0;
  });
  return all;
}

bool IsPlain(const QString& style) {
  for (const char* plain : {"Regular", "Book", "Medium", "Normal", "Roman"})
    if (style.compare(QLatin1String(plain), Qt::CaseInsensitive) == 0) return true;
  return style.isEmpty();
}

}  // namespace

QList<FontChoice> InstalledFonts() {
  QList<FontChoice> fonts;
  for (const Listed& listed : ListAll()) fonts.append(listed.choice);
  return fonts;
}

std::optional<FontChoice> InstalledFontNamed(const QString& family) {
  std::optional<FontChoice> found;
  for (const Listed& listed : ListAll()) {
    if (listed.family.compare(family, Qt::CaseInsensitive) != 0) continue;
    if (IsPlain(listed.style)) return listed.choice;
    if (!found) found = listed.choice;
  }
  return found;
}

}  // namespace tochkograf
