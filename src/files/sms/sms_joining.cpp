#include "files/sms/sms_joining.h"

#include <QHash>

namespace tochkograf {

namespace {

constexpr unsigned char kReference8 = 0x00, kReference16 = 0x08;

// Which concatenated message a part belongs to, and its number.
struct PartOf {
  QString key;  // empty for a message alone
  int count = 1, number = 1;
};

PartOf PartOfMessage(const ReceivedMessage& message) {
  for (const InformationElement& element : message.header) {
    const QByteArray& data = element.data;
    const bool wide = element.id == kReference16;
    if ((element.id != kReference8 || data.size() != 3) && (!wide || data.size() != 4)) continue;
    const int reference = wide ? uchar(data[0]) << 8 | uchar(data[1]) : uchar(data[0]);
    const int count = uchar(data[data.size() - 2]), number = uchar(data[data.size() - 1]);
    if (count < 2 || number < 1 || number > count) return {};
    return {QStringLiteral("%1\n%2\n%3\n%4\n%5")
                .arg(message.address)
                .arg(message.submitted)
                .arg(wide)
                .arg(reference)
                .arg(count),
            count, number};
  }
  return {};
}

}  // namespace

QList<JoinedMessage> JoinParts(const QList<ReceivedMessage>& messages, QStringList& notes) {
  QList<JoinedMessage> joined;
  QHash<QString, qsizetype> started;  // by key, the place of its message
  for (const ReceivedMessage& message : messages) {
    const PartOf part = PartOfMessage(message);
    auto place = started.constFind(part.key);
    if (part.key.isEmpty() || place == started.constEnd()) {
      JoinedMessage one{part.count, {{part.number, message}}};
      if (!part.key.isEmpty()) started.insert(part.key, joined.size());
      joined << std::move(one);
      continue;
    }
    JoinedMessage& whole = joined[*place];
    if (whole.Part(part.number)) {
      AddNote(notes, QStringLiteral("%1: часть %2 из %3 повторяется, повтор пропущен")
                         .arg(message.origin)
                         .arg(part.number)
                         .arg(part.count));
      continue;
    }
    whole.parts.emplace(part.number, message);
  }
  return joined;
}

QList<int> MissingParts(const JoinedMessage& message) {
  QList<int> missing;
  for (int number = 1; number <= message.count; ++number)
    if (!message.Part(number)) missing << number;
  return missing;
}

QString MessageName(const JoinedMessage& message) {
  const ReceivedMessage& first = message.First();
  const QString whose = first.submitted ? QStringLiteral("для") : QStringLiteral("от");
  if (first.address.isEmpty()) return QStringLiteral("сообщение (%1)").arg(first.origin);
  return QStringLiteral("сообщение %1 %2 (%3)").arg(whose, first.address, first.origin);
}

}  // namespace tochkograf
