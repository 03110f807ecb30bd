#include "files/sms/modem_commands.h"

#include "files/bit_packing.h"
#include "files/sms/ems_element.h"
#include "files/sms/ems_message.h"
#include "files/sms/nokia_smart_message.h"
#include "files/sms/phone_number.h"

namespace tochkograf {

namespace {

// The same picture, text and recipient give the same reference; another
// message sent soon after most likely another.
int Reference(const Animation& frames, const SmsOptions& options) {
  QByteArray carried;
  for (int i = 0; i < frames.Count(); ++i)
    carried += PackBits(frames.Frame(i), BitOrder::LeftmostHigh, RowEnd::RunOn);
  carried += QByteArray::number(frames.width) + options.text.toUtf8() + options.recipient.toUtf8();
  return qChecksum(carried);
}

QString EmsCarried(const Animation& frames) {
  const QString size = QStringLiteral("%1 x %2").arg(frames.width).arg(frames.height);
  if (frames.Count() == 1)
    return QStringLiteral("рисунок EMS %1").arg(size) +
           (EmsPictureElement(frames.Frame(0)) ? QString()
                                               : QStringLiteral(" (расширенный объект)"));
  return QStringLiteral("анимация EMS %1, кадров: %2").arg(size).arg(frames.Count()) +
         (EmsAnimationElement(frames) ? QString() : QStringLiteral(" (расширенный объект)"));
}

QString Carried(const Animation& frames, const SmsOptions& options, const NetworkCode& network) {
  QString what;
  switch (options.kind) {
    case SmsKind::Ems:
      what = EmsCarried(frames);
      break;
    case SmsKind::OperatorLogo:
      what = QStringLiteral("логотип оператора Nokia для сети %1").arg(NetworkCodeText(network));
      break;
    case SmsKind::CallerGroup:
      what = QStringLiteral("картинка группы Nokia");
      break;
    case SmsKind::PictureMessage:
      what = QStringLiteral("картинка-сообщение Nokia");
      break;
  }
  if (options.kind != SmsKind::Ems && frames.Count() > 1) what += QStringLiteral(" (текущий кадр)");
  if (SmsKindHasText(options.kind) && !options.text.isEmpty())
    what += QStringLiteral(" и текст (знаков: %1)").arg(options.text.size());
  return what;
}

FormatStatus Pdus(const Animation& frames, const Picture& picture, const SmsOptions& options,
                  const NetworkCode& network, const PhoneNumber& to, QList<QByteArray>& pdus) {
  const int reference = Reference(frames, options);
  switch (options.kind) {
    case SmsKind::Ems:
      return EmsPdus({EmsAnimationObject(frames, reference)}, options.text, to, reference, pdus);
    case SmsKind::OperatorLogo:
      return NokiaOperatorLogoPdus(picture, network, to, pdus);
    case SmsKind::CallerGroup:
      return NokiaCallerGroupPdus(picture, to, pdus);
    case SmsKind::PictureMessage:
      return NokiaPictureMessagePdus(picture, options.text, to, reference, pdus);
  }
  return FormatStatus::NotEncoded;
}

}  // namespace

FormatStatus EncodeModemCommands(const Picture& picture, const SmsOptions& options,
                                 const NetworkCode& network, QByteArray& bytes) {
  return EncodeModemCommands(Animation::Of(picture), picture, options, network, bytes);
}

FormatStatus CountModemMessages(const Animation& frames, const Picture& current,
                                const SmsOptions& options, const NetworkCode& network, int& count) {
  // The recipient changes the messages' heads only, not how many there are.
  QList<QByteArray> pdus;
  if (const FormatStatus status =
          Pdus(frames, current, options, network, PhoneNumber{false, QStringLiteral("0")}, pdus);
      status != FormatStatus::Ok)
    return status;
  count = int(pdus.size());
  return FormatStatus::Ok;
}

FormatStatus EncodeModemCommands(const Animation& frames, const Picture& picture,
                                 const SmsOptions& options, const NetworkCode& network,
                                 QByteArray& bytes) {
  const std::optional<PhoneNumber> to = ParsePhoneNumber(options.recipient);
  if (!to) return FormatStatus::BadRecipient;
  QList<QByteArray> pdus;
  if (const FormatStatus status = Pdus(frames, picture, options, network, *to, pdus);
      status != FormatStatus::Ok)
    return status;
  QString text = QStringLiteral("# Сообщений SMS: %1, получатель %2; в них %3\r\nAT+CMGF=0\r\n")
                     .arg(pdus.size())
                     .arg(to->Text(), Carried(frames, options, network));
  for (const QByteArray& pdu : pdus)
    text += QStringLiteral("AT+CMGS=%1\r\n%2\r\n")
                .arg(pdu.size() - 1)
                .arg(QString::fromLatin1(pdu.toHex().toUpper()));
  bytes = text.toUtf8();
  return FormatStatus::Ok;
}

}  // namespace tochkograf
