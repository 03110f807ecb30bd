#include "windows/main/latin_shortcut.h"

#include <QChar>
#include <QGuiApplication>
#include <QKeyEvent>
#include <string_view>

namespace tochkograf {

namespace {

// The letter rows of a standard keyboard, each from the kernel's input code
// of its first key (KEY_Q, KEY_A, KEY_Z); X and Wayland key codes are those
// codes plus 8.
struct LetterRow {
  int first_code;
  std::string_view letters;
};
constexpr LetterRow kLetterRows[] = {{16, "QWERTYUIOP"}, {30, "ASDFGHJKL"}, {44, "ZXCVBNM"}};
constexpr int kXkbCodeOffset = 8;

bool KeyCodesAreXkb() {
  const QString platform = QGuiApplication::platformName();
  return platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"));
}

// A letter of some other script; Latin letters Qt has matched already.
bool TypesNonLatinLetter(const QKeyEvent& event) {
  const int key = event.key();
  return key > 0xff && key <= 0xffff && QChar(char16_t(key)).isLetter();
}

}  // namespace

QKeySequence LatinShortcutFor(const QKeyEvent& event) {
  if (!TypesNonLatinLetter(event) || !KeyCodesAreXkb()) return {};
  const int code = static_cast<int>(event.nativeScanCode()) - kXkbCodeOffset;
  for (const LetterRow& row : kLetterRows) {
    const int at = code - row.first_code;
    if (at >= 0 && at < static_cast<int>(row.letters.size())) {
      const Qt::KeyboardModifiers modifiers =
          event.modifiers() & ~(Qt::KeypadModifier | Qt::GroupSwitchModifier);
      return QKeySequence(QKeyCombination(modifiers, Qt::Key(row.letters[at])));
    }
  }
  return {};
}

}  // namespace tochkograf
