#include "files/sms/gammu_backup.h"

#include <QTimeZone>
#include <cctype>

#include "files/sms/sms_pdu.h"
#include "files/sms/sms_user_data.h"

namespace tochkograf {

namespace {

constexpr char kSection[] = "[SMSBackup";

// The values of a section the messages need, as the file has them.
struct Section {
  QByteArray pdu, number, number_utf16, time, udh, coding;
  QByteArray text;  // the lines Text00, Text01... joined, as they come
};

// Takes a value to the section, where its key is one of those needed.
void Take(QByteArrayView key, const QByteArray& value, Section& section) {
  if (key.startsWith("Text") && key.size() > 4 && std::isdigit(uchar(key[4]))) {
    section.text += value;
    return;
  }
  const std::pair<const char*, QByteArray Section::*> keys[] = {
      {"PDU", &Section::pdu},
      {"Number", &Section::number},
      {"NumberUnicode", &Section::number_utf16},
      {"DateTime", &Section::time},
      {"UDH", &Section::udh},
      {"Coding", &Section::coding}};
  for (const auto& [name, field] : keys)
    if (key == name) section.*field = value;
}

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

// The message a section holds; Unsupported for a status report, Damaged
// for values that cannot be read.
FormatStatus MessageOf(const Section& section, ReceivedMessage& message) {
  if (section.pdu == "Status_Report") return FormatStatus::Unsupported;
  message.submitted = section.pdu == "Submit";
  if (const std::optional<QByteArray> number = FromHex(section.number_utf16);
      number && !number->isEmpty())
    message.address = Ucs2Text(*number);
  else
    message.address = QString::fromUtf8(section.number);
  message.time = TimeOf(section.time);
  if (!section.udh.isEmpty()) {
    const std::optional<QByteArray> octets = FromHex(section.udh);
    const std::optional<QList<InformationElement>> header =
        octets ? ReadHeader(*octets) : std::nullopt;
    if (!header) return FormatStatus::Damaged;
    message.header = *header;
  }
  const std::optional<QByteArray> text = FromHex(section.text);
  if (!text) return FormatStatus::Damaged;
  if (section.coding == "8bit")
    message.data = *text;
  else if (!section.coding.endsWith("_Compression") || section.coding.endsWith("No_Compression"))
    message.text = Ucs2Text(*text);
  return FormatStatus::Ok;
}

// Ends the section `number`: its message, or a note.
void EndSection(Section& section, int number, QList<ReceivedMessage>& messages,
                QStringList& notes) {
  if (number == 0) return;
  ReceivedMessage message;
  const FormatStatus status = MessageOf(section, message);
  section = {};
  const QString origin = QStringLiteral("сообщение %1").arg(number);
  if (status == FormatStatus::Ok) {
    message.origin = origin;
    messages << std::move(message);
  } else if (NoteKept(notes)) {
    AddNote(notes, status == FormatStatus::Unsupported
                       ? QStringLiteral("%1: отчёт о доставке, пропущен").arg(origin)
                       : QStringLiteral("%1: повреждено, пропущено").arg(origin));
  }
}

}  // namespace

bool IsGammuSmsBackup(const QByteArray& text) {
  return text.startsWith(kSection) || text.contains(QByteArray("\n") + kSection);
}

QList<ReceivedMessage> MessagesOfGammuBackup(const QByteArray& text, QStringList& notes) {
  QList<ReceivedMessage> messages;
  Section section;
  int number = 0;  // of the section being read; 0 before the first
  qsizetype start = 0;
  while (start < text.size()) {
    qsizetype end = text.indexOf('\n', start);
    if (end < 0) end = text.size();
    const QByteArrayView line = QByteArrayView(text).sliced(start, end - start).trimmed();
    start = end + 1;
    if (line.startsWith(kSection)) {
      EndSection(section, number, messages, notes);
      if (messages.size() == kMostReceivedMessages) {
        AddNote(notes, TooManyMessagesNote());
        return messages;
      }
      ++number;
      continue;
    }
    const qsizetype equals = line.indexOf('=');
    if (number == 0 || line.startsWith(';') || equals < 0) continue;
    QByteArrayView value = line.sliced(equals + 1).trimmed();
    // A value in quotes stands without them.
    if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
      value = value.sliced(1, value.size() - 2);
    Take(line.first(equals).trimmed(), value.toByteArray(), section);
  }
  EndSection(section, number, messages, notes);
  return messages;
}

}  // namespace tochkograf
