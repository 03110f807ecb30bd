#include "files/sms/nokia_smart_message.h"

#include "files/formats/otb_format.h"
#include "files/formats/phone_sizes.h"
#include "files/octets.h"
#include "files/sms/sms_pdu.h"
#include "files/sms/sms_submit.h"
#include "files/status_texts.h"

namespace tochkograf {

namespace {

constexpr unsigned char kApplicationPorts = 0x05;
constexpr int kOperatorLogoPort = 0x1582;
constexpr int kCallerGroupPort = 0x1583;
constexpr int kPictureMessagePort = 0x158A;
constexpr int kSourcePort = 0;

constexpr int kPictureMessageVersion = 0x30;
constexpr int kLatin1Text = 0x00;
constexpr int kUcs2Text = 0x01;
constexpr int kOtaBitmap = 0x02;

bool Sized(const Picture& picture, QSize size) {
  return picture.width == size.width() && picture.height == size.height();
}

QList<QByteArray> OctetPieces(const QByteArray& data) {
  QList<QByteArray> pieces;
  pieces.reserve(data.size());
  for (const char octet : data) pieces << QByteArray(1, octet);
  return pieces;
}

FormatStatus Pdus(int port, const QByteArray& data, const PhoneNumber& to, int reference,
                  QList<QByteArray>& pdus) {
  const MessageContent content{
      .every = {{kApplicationPorts, BigEndian16(port) + BigEndian16(kSourcePort)}},
      .text = OctetPieces(data),
      .concatenation = Concatenation::Reference8,
      .reference = reference};
  QList<UserData> messages;
  if (const FormatStatus status = SplitUserData(content, messages); status != FormatStatus::Ok)
    return status;
  pdus.clear();
  for (const UserData& message : messages) pdus << SmsSubmitPdu(to, DataCoding::SmartData, message);
  return FormatStatus::Ok;
}

QByteArray TextItem(const QString& text) {
  const bool latin1 =
      std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 256; });
  QByteArray octets;
  if (latin1) {
    octets = text.toLatin1();
  } else {
    for (const QChar c : text) octets += BigEndian16(c.unicode());
  }
  return Octets({latin1 ? kLatin1Text : kUcs2Text}) + BigEndian16(int(octets.size())) + octets;
}

// The destination port of the message's application ports; -1 for none.
int DestinationPort(const JoinedMessage& message) {
  for (const InformationElement& element : message.First().header)
    if (element.id == kApplicationPorts && element.data.size() == 4)
      return uchar(element.data[0]) << 8 | uchar(element.data[1]);
  return -1;
}

// The parts' data in order, up to the first part missing.
QByteArray JoinedData(const JoinedMessage& message) {
  QByteArray data;
  for (int number = 1; number <= message.count && message.Part(number); ++number)
    data += message.Part(number)->data;
  return data;
}

// The picture of an OTA bitmap, or a note on why there is none.
std::optional<Picture> Bitmap(const QByteArray& bytes, QStringList& notes) {
  Picture picture;
  switch (DecodeOtb(bytes, picture)) {
    case FormatStatus::Ok:
      return picture;
    case FormatStatus::BadSize:
      notes << QStringLiteral("рисунок Nokia больше %1").arg(SizeText(kMaxWidth, kMaxHeight));
      break;
    case FormatStatus::Truncated:
      notes << QStringLiteral("рисунок Nokia обрывается");
      break;
    default:
      notes << QStringLiteral("рисунок Nokia повреждён");
  }
  return std::nullopt;
}

}  // namespace

FormatStatus NokiaOperatorLogoPdus(const Picture& picture, const NetworkCode& network,
                                   const PhoneNumber& to, QList<QByteArray>& pdus) {
  if (!Sized(picture, kNokiaLogo)) return FormatStatus::NotSmsOperatorLogoSize;
  return Pdus(kOperatorLogoPort, NetworkCodeBcd(network) + EncodeOtb(picture), to, 0, pdus);
}

FormatStatus NokiaCallerGroupPdus(const Picture& picture, const PhoneNumber& to,
                                  QList<QByteArray>& pdus) {
  if (!Sized(picture, kNokiaLogo)) return FormatStatus::NotCallerGroupSize;
  return Pdus(kCallerGroupPort, EncodeOtb(picture), to, 0, pdus);
}

FormatStatus NokiaPictureMessagePdus(const Picture& picture, const QString& text,
                                     const PhoneNumber& to, int reference,
                                     QList<QByteArray>& pdus) {
  if (!Sized(picture, kNokiaPicture)) return FormatStatus::NotPictureMessageSize;
  const QByteArray bitmap = EncodeOtb(picture);
  QByteArray data =
      Octets({kPictureMessageVersion, kOtaBitmap}) + BigEndian16(int(bitmap.size())) + bitmap;
  if (!text.isEmpty()) data += TextItem(text);
  return Pdus(kPictureMessagePort, data, to, reference, pdus);
}

QList<TakenPicture> NokiaOperatorLogoIn(const JoinedMessage& message, QStringList& notes) {
  if (DestinationPort(message) != kOperatorLogoPort) return {};
  const QByteArray data = JoinedData(message);
  const std::optional<NetworkCode> network = NetworkCodeOfBcd(data);
  if (!network) {
    notes << QStringLiteral("в логотипе оператора нет кода сети");
    return {};
  }
  const std::optional<Picture> picture = Bitmap(data.mid(3), notes);
  if (!picture) return {};
  return {{Animation::Of(*picture), {}, network}};
}

QList<TakenPicture> NokiaCallerGroupIn(const JoinedMessage& message, QStringList& notes) {
  if (DestinationPort(message) != kCallerGroupPort) return {};
  const std::optional<Picture> picture = Bitmap(JoinedData(message), notes);
  if (!picture) return {};
  return {{Animation::Of(*picture)}};
}

QList<TakenPicture> NokiaPictureMessageIn(const JoinedMessage& message, QStringList& notes) {
  if (DestinationPort(message) != kPictureMessagePort) return {};
  const QByteArray data = JoinedData(message);
  if (data.isEmpty() || uchar(data[0]) != kPictureMessageVersion) {
    notes << QStringLiteral("картинка-сообщение Nokia неизвестной версии");
    return {};
  }
  std::optional<Picture> picture;
  bool bitmap = false;
  QString text;
  // Each item: its kind, its length in 16 bits, and as many octets.
  for (qsizetype at = 1; at + 3 <= data.size();) {
    const int kind = uchar(data[at]), length = uchar(data[at + 1]) << 8 | uchar(data[at + 2]);
    const QByteArray item = data.mid(at + 3, length);
    at += 3 + length;
    if (kind == kOtaBitmap && !bitmap) picture = Bitmap(item, notes);
    bitmap = bitmap || kind == kOtaBitmap;
    if (kind == kLatin1Text) text += QString::fromLatin1(item);
    if (kind == kUcs2Text) text += Ucs2Text(item);
  }
  if (!bitmap) notes << QStringLiteral("в картинке-сообщении Nokia нет рисунка");
  if (!picture) return {};
  return {{Animation::Of(*picture), text}};
}

}  // namespace tochkograf
