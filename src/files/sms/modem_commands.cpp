#include "files/sms/modem_commands.h"

#include "files/bit_packing.h"
#include "files/sms/phone_number.h"
#include "files/sms/sms_kinds.h"

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

QString Carried(const Animation& frames, const SmsOptions& options, const NetworkCode& network) {
  const SmsKindRow& kind = SmsKindOf(options.kind);
  QString what = kind.carried(frames, network);
  if (!kind.every_frame && frames.Count() > 1) what += QStringLiteral(" (текущий кадр)");
  if (kind.text && !options.text.isEmpty())
    what += QStringLiteral(" и текст (знаков: %1)").arg(options.text.size());
  return what;
}

FormatStatus Pdus(const Animation& frames, const Picture& picture, const SmsOptions& options,
                  const NetworkCode& network, const PhoneNumber& to, QList<QByteArray>& pdus) {
  return SmsKindOf(options.kind)
      .encode({frames, picture, options.text, network, to, Reference(frames, options)}, pdus);
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

FormatStatus ModemPdus(const Animation& frames, const Picture& current, const SmsOptions& options,
                       const NetworkCode& network, QList<QByteArray>& pdus) {
  const std::optional<PhoneNumber> to = ParsePhoneNumber(options.recipient);
  if (!to) return FormatStatus::BadRecipient;
  return Pdus(frames, current, options, network, *to, pdus);
}

FormatStatus EncodeModemCommands(const Animation& frames, const Picture& picture,
                                 const SmsOptions& options, const NetworkCode& network,
                                 QByteArray& bytes) {
  QList<QByteArray> pdus;
  if (const FormatStatus status = ModemPdus(frames, picture, options, network, pdus);
      status != FormatStatus::Ok)
    return status;
  const PhoneNumber to = *ParsePhoneNumber(options.recipient);
  QString text = QStringLiteral("# Сообщений SMS: %1, получатель %2; в них %3\r\nAT+CMGF=0\r\n")
                     .arg(pdus.size())
                     .arg(to.Text(), Carried(frames, options, network));
  for (const QByteArray& pdu : pdus)
    text += QStringLiteral("AT+CMGS=%1\r\n%2\r\n")
                .arg(pdu.size() - 1)
                .arg(QString::fromLatin1(pdu.toHex().toUpper()));
  bytes = text.toUtf8();
  return FormatStatus::Ok;
}

}  // namespace tochkograf
