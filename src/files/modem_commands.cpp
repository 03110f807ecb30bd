#include "files/modem_commands.h"

#include "files/bit_packing.h"
#include "files/ems_element.h"
#include "files/ems_message.h"
#include "files/nokia_smart_message.h"
#include "files/phone_number.h"

namespace tochkograf {

namespace {

// The same picture, text and recipient give the same reference; another
// message sent soon after most likely another.
int Reference(const Picture& picture, const SmsOptions& options) {
  const QByteArray carried = PackBits(picture, BitOrder::LeftmostHigh, RowEnd::RunOn) +
                             QByteArray::number(picture.width) + options.text.toUtf8() +
                             options.recipient.toUtf8();
  return qChecksum(carried);
}

QString Carried(const Picture& picture, const SmsOptions& options, const NetworkCode& network) {
  const QString size = QStringLiteral("%1 x %2").arg(picture.width).arg(picture.height);
  QString what;
  switch (options.kind) {
    case SmsKind::Ems:
      what = QStringLiteral("рисунок EMS %1").arg(size);
      if (!EmsPictureElement(picture)) what += QStringLiteral(" (расширенный объект)");
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
  if (SmsKindHasText(options.kind) && !options.text.isEmpty())
    what += QStringLiteral(" и текст (знаков: %1)").arg(options.text.size());
  return what;
}

FormatStatus Pdus(const Picture& picture, const SmsOptions& options, const NetworkCode& network,
                  const PhoneNumber& to, QList<QByteArray>& pdus) {
  const int reference = Reference(picture, options);
  switch (options.kind) {
    case SmsKind::Ems:
      return EmsPdus({EmsPictureObject(picture, reference)}, options.text, to, reference, pdus);
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
  const std::optional<PhoneNumber> to = ParsePhoneNumber(options.recipient);
  if (!to) return FormatStatus::BadRecipient;
  QList<QByteArray> pdus;
  if (const FormatStatus status = Pdus(picture, options, network, *to, pdus);
      status != FormatStatus::Ok)
    return status;
  QString text = QStringLiteral("# Сообщений SMS: %1, получатель %2; в них %3\r\nAT+CMGF=0\r\n")
                     .arg(pdus.size())
                     .arg(to->Text(), Carried(picture, options, network));
  for (const QByteArray& pdu : pdus)
    text += QStringLiteral("AT+CMGS=%1\r\n%2\r\n")
                .arg(pdu.size() - 1)
                .arg(QString::fromLatin1(pdu.toHex().toUpper()));
  bytes = text.toUtf8();
  return FormatStatus::Ok;
}

}  // namespace tochkograf
