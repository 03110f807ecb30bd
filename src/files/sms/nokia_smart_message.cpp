#include "files/sms/nokia_smart_message.h"

#include "files/formats/otb_format.h"
#include "files/formats/phone_sizes.h"
#include "files/octets.h"
#include "files/sms/sms_submit.h"

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

}  // namespace tochkograf
