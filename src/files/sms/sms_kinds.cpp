#include "files/sms/sms_kinds.h"

#include "files/formats/phone_sizes.h"
#include "files/sms/ems_element.h"
#include "files/sms/ems_message.h"
#include "files/sms/nokia_smart_message.h"

namespace tochkograf {

namespace {

// A picture, or every frame, and whether it goes as its element or, too
// large for one, as an extended object.
QString EmsCarried(const Animation& frames, const NetworkCode&) {
  const QString size = QStringLiteral("%1 x %2").arg(frames.width).arg(frames.height);
  if (frames.Count() == 1)
    return QStringLiteral("рисунок EMS %1").arg(size) +
           (EmsPictureElement(frames.Frame(0)) ? QString()
                                               : QStringLiteral(" (расширенный объект)"));
  return QStringLiteral("анимация EMS %1, кадров: %2").arg(size).arg(frames.Count()) +
         (EmsAnimationElement(frames) ? QString() : QStringLiteral(" (расширенный объект)"));
}

}  // namespace

FormatStatus SmsKindRow::Fits(int width, int height) const {
  return !size.isValid() || size == QSize(width, height) ? FormatStatus::Ok : other_size;
}

const QList<SmsKindRow>& SmsKinds() {
  static const QList<SmsKindRow> rows = {
      {.kind = SmsKind::Ems,
       .word = QStringLiteral("ems"),
       .caption = QStringLiteral("Рисунок EMS"),
       .to_send = QStringLiteral("рисунок EMS"),
       .text = true,
       .every_frame = true,
       .encode =
           [](const SmsContent& content, QList<QByteArray>& pdus) {
             return EmsPdus({EmsAnimationObject(content.frames, content.reference)}, content.text,
                            content.to, content.reference, pdus);
           },
       .carried = EmsCarried,
       .decode = EmsPicturesIn},
      {.kind = SmsKind::OperatorLogo,
       .word = QStringLiteral("operator"),
       .caption = QStringLiteral("Логотип оператора Nokia"),
       .to_send = QStringLiteral("логотип оператора Nokia"),
       .size = kNokiaLogo,
       .other_size = FormatStatus::NotSmsOperatorLogoSize,
       .network = true,
       .encode =
           [](const SmsContent& content, QList<QByteArray>& pdus) {
             return NokiaOperatorLogoPdus(content.current, content.network, content.to, pdus);
           },
       .carried =
           [](const Animation&, const NetworkCode& network) {
             return QStringLiteral("логотип оператора Nokia для сети %1")
                 .arg(NetworkCodeText(network));
           },
       .decode = NokiaOperatorLogoIn},
      {.kind = SmsKind::CallerGroup,
       .word = QStringLiteral("caller"),
       .caption = QStringLiteral("Картинка группы Nokia"),
       .to_send = QStringLiteral("картинку группы Nokia"),
       .size = kNokiaLogo,
       .other_size = FormatStatus::NotCallerGroupSize,
       .encode =
           [](const SmsContent& content, QList<QByteArray>& pdus) {
             return NokiaCallerGroupPdus(content.current, content.to, pdus);
           },
       .carried = [](const Animation&,
                     const NetworkCode&) { return QStringLiteral("картинка группы Nokia"); },
       .decode = NokiaCallerGroupIn},
      {.kind = SmsKind::PictureMessage,
       .word = QStringLiteral("picture"),
       .caption = QStringLiteral("Картинка-сообщение Nokia"),
       .to_send = QStringLiteral("картинку-сообщение Nokia"),
       .size = kNokiaPicture,
       .other_size = FormatStatus::NotPictureMessageSize,
       .text = true,
       .encode =
           [](const SmsContent& content, QList<QByteArray>& pdus) {
             return NokiaPictureMessagePdus(content.current, content.text, content.to,
                                            content.reference, pdus);
           },
       .carried = [](const Animation&,
                     const NetworkCode&) { return QStringLiteral("картинка-сообщение Nokia"); },
       .decode = NokiaPictureMessageIn},
  };
  return rows;
}

const SmsKindRow& SmsKindOf(SmsKind kind) {
  for (const SmsKindRow& row : SmsKinds())
    if (row.kind == kind) return row;
  return SmsKinds().first();
}

}  // namespace tochkograf
