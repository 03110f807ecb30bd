#include "files/fonts/font_choice.h"

namespace tochkograf {

QString SizedCaption(const QString& name, int pixels) {
  return QStringLiteral("%1, %2 пикс.").arg(name).arg(pixels);
}

FontChoice BuiltInChoice(FontSize size) {
  static const QString kNames[] = {QStringLiteral("Мелкий"), QStringLiteral("Обычный"),
                                   QStringLiteral("Крупный")};
  FontChoice choice;
  choice.built_in = size;
  choice.caption = kNames[static_cast<int>(size)];
  return choice;
}

}  // namespace tochkograf
