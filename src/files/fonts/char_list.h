#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace tochkograf {

// The characters a list names: ranges and single codes, decimal or
// U+XXXX, comma-separated ("32-126, U+0410-U+044F, 1025"), in order and
// each once. None, with the Russian reason in `error`, when the text
// can't be read.
std::optional<QList<char32_t>> ParseCharList(const QString& text, QString* error);

// A code as messages write it, "U+00E9".
QString CodeText(char32_t code);

// A character as messages name it: its code, and itself where it shows,
// "U+00E9 «é»".
QString CharacterText(char32_t code);

}  // namespace tochkograf
