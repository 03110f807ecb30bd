#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace tochkograf {

// The GSM 7-bit default alphabet of SMS texts (3GPP TS 23.038).

// The text's characters as septets, one entry a character: its code, or
// the escape and its code for a character of the extension table ("€",
// "[", "{"...), which a message must not split. Nothing when a character
// has no code in either table.
std::optional<QList<QByteArray>> GsmSeptets(const QString& text);

// Septets packed as a message's user data carries them, after `fill`
// clear bits: each septet from the low bit up, running on from octet to
// octet.
QByteArray PackSeptets(const QByteArray& septets, int fill);

// The `count` septets packed after `fill` bits, as PackSeptets packs them;
// those past the end of `octets` are left out.
QByteArray UnpackSeptets(const QByteArray& octets, int fill, qsizetype count);

// The characters of septets: codes of the default table, an escape and a
// code of the extension table. An escape before a code that table lacks
// stands for nothing, and the code is read in the default table (two
// escapes, a space), as a phone shows them.
QString GsmText(const QByteArray& septets);

}  // namespace tochkograf
