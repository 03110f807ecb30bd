#include "files/sms/pdu_lines.h"

#include <cctype>
#include <utility>

#include "files/sms/sms_pdu.h"

namespace tochkograf {

namespace {

// Whether `line` starts with `start`, whatever the case of its letters.
bool Starts(QByteArrayView line, QByteArrayView start) {
  return line.size() >= start.size() &&
         qstrnicmp(line.data(), start.size(), start.data(), start.size()) == 0;
}

// What a modem says and is told, which a list of PDUs may hold among them.
bool IsModemLine(QByteArrayView line) {
  for (const char* start :
       {"AT", "OK", "ERROR", "RING", "BUSY", "NO ", "CONNECT", "+", "^", "#", ";"})
    if (Starts(line, start)) return true;
  return false;
}

// A line as the text has it, without the modem's prompt before a PDU
// and the Ctrl+Z after it, which a saved session keeps.
QByteArrayView Line(QByteArrayView text) {
  QByteArrayView line = text.trimmed();
  if (line.startsWith('>')) line = line.sliced(1).trimmed();
  while (line.endsWith('\x1A')) line.chop(1);
  return line;
}

// The octets of a line of hex digits, spaces between them allowed;
// nothing for any other line.
std::optional<QByteArray> HexOctets(QByteArrayView line) {
  QByteArray digits;
  for (const char c : line) {
    if (c == ' ' || c == '\t') continue;
    if (!std::isxdigit(uchar(c))) return std::nullopt;
    digits += c;
  }
  if (digits.isEmpty() || digits.size() % 2 != 0) return std::nullopt;
  return QByteArray::fromHex(digits);
}

// The octets after the service centre's address that a command or an
// answer before a PDU announces, its last number; -1 for any other line.
int AnnouncedLength(QByteArrayView line) {
  QByteArrayView number;
  if (Starts(line, "AT+CMGS="))
    number = line.sliced(8);
  else if (Starts(line, "+CMGL:") || Starts(line, "+CMGR:"))
    number = line.sliced(line.lastIndexOf(',') + 1);
  else
    return -1;
  bool ok = false;
  const int length = number.trimmed().toInt(&ok);
  return ok && length >= 0 ? length : -1;
}

// The octets of the service centre's address a PDU starts with, whatever
// it holds.
qsizetype CentreOctets(const QByteArray& pdu) { return pdu.isEmpty() ? 0 : 1 + uchar(pdu[0]); }

QString Origin(int line) { return QStringLiteral("строка %1").arg(line); }

}  // namespace

QList<ReceivedPdu> PdusOfLines(const QByteArray& text, QStringList& notes) {
  QList<ReceivedPdu> pdus;
  int announced = -1;  // by the line before
  qsizetype start = 0;
  for (int number = 1; start < text.size(); ++number) {
    qsizetype end = text.indexOf('\n', start);
    if (end < 0) end = text.size();
    const QByteArrayView line = Line(QByteArrayView(text).sliced(start, end - start));
    start = end + 1;
    const int length = std::exchange(announced, AnnouncedLength(line));
    if (line.isEmpty() || announced >= 0 || IsModemLine(line)) continue;
    const std::optional<QByteArray> octets = HexOctets(line);
    if (!octets) {
      if (NoteKept(notes))
        AddNote(
            notes,
            QStringLiteral("%1: не PDU в шестнадцатеричной записи, пропущена").arg(Origin(number)));
      continue;
    }
    if (pdus.size() == kMostReceivedMessages) {
      AddNote(notes, TooManyMessagesNote());
      break;
    }
    ReceivedPdu pdu{*octets, Origin(number)};
    if (length >= 0) {
      pdu.centre = octets->size() != length;
      if (*pdu.centre && octets->size() != CentreOctets(*octets) + length) {
        AddNote(notes, QStringLiteral("%1: длина PDU не та, что названа строкой выше; пропущена")
                           .arg(pdu.origin));
        continue;
      }
    }
    pdus << std::move(pdu);
  }
  return pdus;
}

}  // namespace tochkograf
