#include "files/sms/sms_pdu.h"

#include <QTimeZone>

#include "files/sms/gsm_alphabet.h"
#include "files/sms/phone_number.h"
#include "files/sms/sms_user_data.h"

namespace tochkograf {

namespace {

// The message type, the first octet's low two bits; 10 is a status report
// or a command, and 11 is reserved.
constexpr int kDeliver = 0, kSubmit = 1, kReportOrCommand = 2;
constexpr int kWithHeader = 0x40;  // TP-UDHI
constexpr int kStampOctets = 7;
constexpr int kLargestZone = 14 * 4;  // in quarters of an hour

enum class Alphabet { Gsm7, EightBit, Ucs2 };

// The alphabet of a data coding scheme (TS 23.038, 4), and whether the
// text is compressed; reserved codings are read as the default alphabet,
// as the standard asks.
Alphabet AlphabetOf(int coding, bool& compressed) {
  compressed = false;
  const int group = coding >> 4;
  if (group < 0x8) {  // general data coding, and its group marked for deletion
    compressed = coding & 0x20;
    const int alphabet = coding >> 2 & 3;
    return alphabet == 1 ? Alphabet::EightBit : alphabet == 2 ? Alphabet::Ucs2 : Alphabet::Gsm7;
  }
  if (group == 0xE) return Alphabet::Ucs2;  // a waiting message, in UCS-2
  if (group == 0xF) return coding & 0x04 ? Alphabet::EightBit : Alphabet::Gsm7;
  return Alphabet::Gsm7;
}

// The octets of the validity period an SMS-SUBMIT's first octet announces
// (TP-VPF): none, relative, enhanced or absolute.
int ValidityOctets(int first) {
  constexpr int octets[] = {0, 7, 1, 7};
  return octets[first >> 3 & 3];
}

// Two semi-octets swapped, as a time stamp writes a number; -1 for others.
int SwappedDecimal(int octet) {
  return (octet & 0xF) > 9 || octet >> 4 > 9 ? -1 : (octet & 0xF) * 10 + (octet >> 4);
}

// The service centre's time stamp: year, month, day, hours, minutes and
// seconds, then the zone in quarters of an hour, its sign in bit 3.
std::optional<QDateTime> TimeStamp(const QByteArray& octets) {
  int value[kStampOctets - 1];
  for (int i = 0; i < kStampOctets - 1; ++i)
    if ((value[i] = SwappedDecimal(uchar(octets[i]))) < 0) return std::nullopt;
  const int zone = uchar(octets[kStampOctets - 1]);
  const int quarters = SwappedDecimal(zone & ~0x08);
  const QDate date(2000 + value[0], value[1], value[2]);
  const QTime time(value[3], value[4], value[5]);
  if (quarters < 0 || quarters > kLargestZone || !date.isValid() || !time.isValid())
    return std::nullopt;
  return QDateTime(date, time, QTimeZone((zone & 0x08 ? -900 : 900) * quarters));
}

// The TPDU from `at` on, which must end where the octets do.
FormatStatus ReadTpdu(const QByteArray& octets, qsizetype at, ReceivedMessage& message) {
  if (at >= octets.size()) return FormatStatus::Damaged;
  const int first = uchar(octets[at++]);
  const int type = first & 3;
  if (type == kReportOrCommand) return FormatStatus::Unsupported;
  if (type != kDeliver && type != kSubmit) return FormatStatus::Damaged;
  ReceivedMessage read;
  read.submitted = type == kSubmit;
  if (read.submitted) ++at;  // the message reference
  const std::optional<QString> address = ReadAddressField(octets, at);
  if (!address) return FormatStatus::Damaged;
  read.address = *address;
  if (at + 2 > octets.size()) return FormatStatus::Damaged;
  const int coding = uchar(octets[at + 1]);  // after the protocol identifier
  at += 2;
  if (read.submitted) {
    at += ValidityOctets(first);
  } else {
    if (octets.size() < at + kStampOctets) return FormatStatus::Damaged;
    const std::optional<QDateTime> time = TimeStamp(octets.mid(at, kStampOctets));
    if (!time) return FormatStatus::Damaged;
    read.time = *time;
    at += kStampOctets;
  }
  if (at >= octets.size()) return FormatStatus::Damaged;
  const int length = uchar(octets[at++]);
  bool compressed = false;
  const Alphabet alphabet = AlphabetOf(coding, compressed);
  // A compressed text's length is in octets, whatever its alphabet.
  const std::optional<ReceivedUserData> data = ReadUserData(
      octets.mid(at), length, alphabet == Alphabet::Gsm7 && !compressed, first & kWithHeader);
  if (!data) return FormatStatus::Damaged;
  read.header = data->header;
  if (!compressed) {
    if (alphabet == Alphabet::Gsm7) read.text = GsmText(data->body);
    if (alphabet == Alphabet::Ucs2) read.text = Ucs2Text(data->body);
    if (alphabet == Alphabet::EightBit) read.data = data->body;
  }
  message = std::move(read);
  return FormatStatus::Ok;
}

}  // namespace

FormatStatus ReadSmsPdu(const ReceivedPdu& pdu, ReceivedMessage& message) {
  FormatStatus with = FormatStatus::Damaged, without = FormatStatus::Damaged;
  ReceivedMessage read;
  if (pdu.centre.value_or(true)) {
    qsizetype at = 0;
    if (ReadServiceCentreField(pdu.octets, at)) with = ReadTpdu(pdu.octets, at, read);
  }
  if (with != FormatStatus::Ok && !pdu.centre.value_or(false))
    without = ReadTpdu(pdu.octets, 0, read);
  if (with != FormatStatus::Ok && without != FormatStatus::Ok)
    return with == FormatStatus::Unsupported || without == FormatStatus::Unsupported
               ? FormatStatus::Unsupported
               : FormatStatus::Damaged;
  read.origin = pdu.origin;
  message = std::move(read);
  return FormatStatus::Ok;
}

QList<ReceivedMessage> ReadSmsPdus(const QList<ReceivedPdu>& pdus, QStringList& notes) {
  QList<ReceivedMessage> messages;
  for (const ReceivedPdu& pdu : pdus) {
    if (messages.size() == kMostReceivedMessages) {
      AddNote(notes, TooManyMessagesNote());
      break;
    }
    ReceivedMessage message;
    switch (ReadSmsPdu(pdu, message)) {
      case FormatStatus::Ok:
        messages << std::move(message);
        break;
      case FormatStatus::Unsupported:
        AddNote(notes, QStringLiteral("%1: отчёт о доставке или команда, а не сообщение; пропущено")
                           .arg(pdu.origin));
        break;
      default:
        AddNote(notes, QStringLiteral("%1: сообщение повреждено, пропущено").arg(pdu.origin));
    }
  }
  return messages;
}

QString Ucs2Text(const QByteArray& octets) {
  QString text;
  text.reserve(octets.size() / 2);
  for (qsizetype i = 0; i + 1 < octets.size(); i += 2)
    text += QChar(char16_t(uchar(octets[i]) << 8 | uchar(octets[i + 1])));
  return text;
}

QString TooManyMessagesNote() {
  return QStringLiteral("прочитаны первые %1 сообщений, остальные пропущены")
      .arg(kMostReceivedMessages);
}

}  // namespace tochkograf
