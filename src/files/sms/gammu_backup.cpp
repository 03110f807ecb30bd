#include "files/sms/gammu_backup.h"

#include <QHash>
#include <QTimeZone>
#include <cctype>

#include "files/sms/sms_pdu.h"
#include "files/sms/sms_user_data.h"

namespace tochkograf {

namespace {

constexpr char kSection[] = "[SMSBackup";

// A section's values by key; a value in quotes without them.
using Values = QHash<QByteArray, QByteArray>;

std::optional<QByteArray> FromHex(const QByteArray& hex) {
  for (const char c : hex)
    if (!std::isxdigit(uchar(c))) return std::nullopt;
  if (hex.size() % 2 != 0) return std::nullopt;
  return QByteArray::fromHex(hex);
}

// "20240305T143015", "Z" after it in UTC; not valid for anything else.
QDateTime TimeOf(const QByteArray& value) {
  const bool utc = value.endsWith('Z');
  const QString text = QString::fromLatin1(utc ? value.chopped(1) : value);
  QDateTime time = QDateTime::fromString(text, QStringLiteral("yyyyMMdd'T'HHmmss"));
  if (utc) time = QDateTime(time.date(), time.time(), QTimeZone::utc());
  return time;
}

// The text's hex, over as many lines as it takes.
QByteArray TextHex(const Values& values) {
  QByteArray hex;
  for (int line = 0; line < 100; ++line) {
    const auto value =
        values.constFind(QByteArray::number(line).rightJustified(2, '0').prepend("Text"));
    if (value == values.constEnd()) break;
    hex += *value;
  }
  return hex;
}

// The message a section holds; Unsupported for a status report, Damaged
// for values that cannot be read.
FormatStatus MessageOf(const Values& values, ReceivedMessage& message) {
  const QByteArray pdu = values.value("PDU");
  if (pdu == "Status_Report") return FormatStatus::Unsupported;
  message.submitted = pdu == "Submit";
  if (const std::optional<QByteArray> number = FromHex(values.value("NumberUnicode"));
      number && !number->isEmpty())
    message.address = Ucs2Text(*number);
  else
    message.address = QString::fromUtf8(values.value("Number"));
  message.time = TimeOf(values.value("DateTime"));
  if (const QByteArray udh = values.value("UDH"); !udh.isEmpty()) {
    const std::optional<QByteArray> octets = FromHex(udh);
    const std::optional<QList<InformationElement>> header =
        octets ? ReadHeader(*octets) : std::nullopt;
    if (!header) return FormatStatus::Damaged;
    message.header = *header;
  }
  const std::optional<QByteArray> text = FromHex(TextHex(values));
  if (!text) return FormatStatus::Damaged;
  const QByteArray coding = values.value("Coding");
  if (coding == "8bit")
    message.data = *text;
  else if (!coding.endsWith("_Compression") || coding.endsWith("No_Compression"))
    message.text = Ucs2Text(*text);
  return FormatStatus::Ok;
}

// Ends the section `values` holds: its message, or a note.
void EndSection(Values& values, int number, QList<ReceivedMessage>& messages, QStringList& notes) {
  if (number == 0) return;
  ReceivedMessage message;
  message.origin = QStringLiteral("сообщение %1").arg(number);
  switch (MessageOf(values, message)) {
    case FormatStatus::Ok:
      messages << std::move(message);
      break;
    case FormatStatus::Unsupported:
      AddNote(notes, QStringLiteral("%1: отчёт о доставке, пропущен").arg(message.origin));
      break;
    default:
      AddNote(notes, QStringLiteral("%1: повреждено, пропущено").arg(message.origin));
  }
  values.clear();
}

}  // namespace

bool IsGammuSmsBackup(const QByteArray& text) {
  return text.startsWith(kSection) || text.contains(QByteArray("\n") + kSection);
}

QList<ReceivedMessage> MessagesOfGammuBackup(const QByteArray& text, QStringList& notes) {
  QList<ReceivedMessage> messages;
  Values values;
  int number = 0;  // of the section being read; 0 before the first
  qsizetype start = 0;
  while (start < text.size()) {
    qsizetype end = text.indexOf('\n', start);
    if (end < 0) end = text.size();
    const QByteArray line = text.mid(start, end - start).trimmed();
    start = end + 1;
    if (line.startsWith(kSection)) {
      EndSection(values, number, messages, notes);
      if (messages.size() == kMostReceivedMessages) {
        AddNote(notes, TooManyMessagesNote());
        return messages;
      }
      ++number;
      continue;
    }
    const qsizetype equals = line.indexOf('=');
    if (number == 0 || line.startsWith(';') || equals < 0) continue;
    QByteArray value = line.mid(equals + 1).trimmed();
    if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
      value = value.mid(1, value.size() - 2);
    values.insert(line.left(equals).trimmed(), value);
  }
  EndSection(values, number, messages, notes);
  return messages;
}

}  // namespace tochkograf
