#include "files/sms/ems_message.h"

#include "files/sms/ems_element.h"
#include "files/sms/extended_object.h"
#include "files/sms/gsm_alphabet.h"
#include "files/sms/sms_submit.h"

namespace tochkograf {

namespace {

// The text's UTF-16 code units as pairs of octets, big-endian; a surrogate
// pair stays together.
QList<QByteArray> Ucs2Pieces(const QString& text) {
  QList<QByteArray> pieces;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const int length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    QByteArray piece;
    for (const QChar c : text.mid(i, length))
      piece += QByteArray(1, char(c.unicode() >> 8)) + char(c.unicode() & 0xFF);
    pieces << piece;
    i += length - 1;
  }
  return pieces;
}

}  // namespace

HeaderObject EmsPictureObject(const Picture& picture, int reference) {
  if (const std::optional<InformationElement> element = EmsPictureElement(picture))
    return {*element, 0};
  return ExtendedObject(reference, ExtendedObjectType::BlackAndWhiteBitmap,
                        BlackAndWhiteBitmap(picture));
}

HeaderObject EmsAnimationObject(const Animation& animation, int reference) {
  if (animation.Count() == 1) return EmsPictureObject(animation.Frame(0), reference);
  if (const std::optional<InformationElement> element = EmsAnimationElement(animation))
    return {*element, 0};
  return ExtendedObject(reference, ExtendedObjectType::BlackAndWhiteAnimation,
                        BlackAndWhiteAnimation(animation));
}

FormatStatus EmsPdus(const QList<HeaderObject>& objects, const QString& text, const PhoneNumber& to,
                     int reference, QList<QByteArray>& pdus) {
  MessageContent content{.objects = objects, .reference = reference};
  DataCoding coding = DataCoding::EightBit;
  if (!text.isEmpty()) {
    const std::optional<QList<QByteArray>> septets = GsmSeptets(text);
    content.septets = septets.has_value();
    content.text = septets ? *septets : Ucs2Pieces(text);
    coding = septets ? DataCoding::Gsm7 : DataCoding::Ucs2;
  }
  QList<UserData> messages;
  if (const FormatStatus status = SplitUserData(content, messages); status != FormatStatus::Ok)
    return status;
  pdus.clear();
  for (const UserData& message : messages) pdus << SmsSubmitPdu(to, coding, message);
  return FormatStatus::Ok;
}

}  // namespace tochkograf
