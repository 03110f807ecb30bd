#include "cli/phone_options.h"

#include <QCommandLineParser>
#include <QRegularExpression>

#include "files/sms/phone_number.h"
#include "files/status_texts.h"

namespace tochkograf {

namespace {

const QString kTo = QStringLiteral("to");
const QString kText = QStringLiteral("text");
const QString kKind = QStringLiteral("kind");
const QString kNetwork = QStringLiteral("network");

constexpr SmsKind kKinds[] = {SmsKind::Ems, SmsKind::OperatorLogo, SmsKind::CallerGroup,
                              SmsKind::PictureMessage};

QString ReadRecipient(const QString& text, QString& recipient) {
  if (!ParsePhoneNumber(text))
    return QStringLiteral("--to: %1, а не %2")
        .arg(FormatFailureReason(FormatStatus::BadRecipient), Quoted(text));
  recipient = text;
  return {};
}

QString ReadKind(const QString& text, SmsKind& kind) {
  QStringList names;
  for (const SmsKind known : kKinds) {
    if (text == KindOption(known)) {
      kind = known;
      return {};
    }
    names << KindOption(known);
  }
  return QStringLiteral("--kind ждёт одно из: %1, а не %2")
      .arg(names.join(QStringLiteral(", ")), Quoted(text));
}

QString ReadNetwork(const QString& text, std::optional<NetworkCode>& network) {
  const QRegularExpressionMatch match =
      QRegularExpression(QStringLiteral("^([0-9]{3})-([0-9]{2,3})$")).match(text);
  if (!match.hasMatch())
    return QStringLiteral(
               "--network ждёт код сети MCC-MNC из 3 цифр и из 2 или 3 цифр "
               "(например 250-01 или 310-260), а не %1")
        .arg(Quoted(text));
  const QString mnc = match.captured(2);
  network = NetworkCode{match.captured(1).toInt(), mnc.toInt(), int(mnc.size())};
  return {};
}

bool ForMessages(const ConversionTarget& target) { return OutputAsks(target, ExportQuestion::Sms); }

bool ForText(const ConversionTarget& target) {
  return ForMessages(target) && SmsKindHasText(target.kind);
}

bool ForNetwork(const ConversionTarget& target) {
  return OutputAsks(target, ExportQuestion::NetworkCode) ||
         (ForMessages(target) && target.kind == SmsKind::OperatorLogo);
}

QString Messages() { return OutputsAsking(ExportQuestion::Sms); }

QString MessagesWithText() {
  QStringList kinds;
  for (const SmsKind kind : kKinds)
    if (SmsKindHasText(kind)) kinds << KindOption(kind);
  return QStringLiteral("%1 с --kind %2").arg(Messages(), kinds.join(QStringLiteral(" или ")));
}

QString Networks() {
  return QStringLiteral("%1 или %2 с --kind %3")
      .arg(OutputsAsking(ExportQuestion::NetworkCode), Messages(),
           KindOption(SmsKind::OperatorLogo));
}

}  // namespace

QList<OptionScope> PhoneOptionScopes() {
  return {{kTo, ForMessages, Messages},
          {kText, ForText, MessagesWithText},
          {kKind, ForMessages, Messages},
          {kNetwork, ForNetwork, Networks}};
}

QList<QCommandLineOption> PhoneOptionList() {
  return {QCommandLineOption(kTo, {}, QStringLiteral("NUMBER")),
          QCommandLineOption(kText, {}, QStringLiteral("TEXT")),
          QCommandLineOption(kKind, {}, QStringLiteral("KIND")),
          QCommandLineOption(kNetwork, {}, QStringLiteral("MCC-MNC"))};
}

bool AnyPhoneOption(const QCommandLineParser& parser) {
  for (const QString& name : {kTo, kText, kKind, kNetwork})
    if (parser.isSet(name)) return true;
  return false;
}

QString ReadPhoneOptions(const QCommandLineParser& parser, PhoneOptions& options) {
  QString problem;
  if (parser.isSet(kTo)) problem = ReadRecipient(parser.value(kTo), options.sms.recipient);
  if (problem.isEmpty() && parser.isSet(kKind))
    problem = ReadKind(parser.value(kKind), options.sms.kind);
  if (problem.isEmpty() && parser.isSet(kNetwork))
    problem = ReadNetwork(parser.value(kNetwork), options.network);
  options.sms.text = parser.value(kText);
  return problem;
}

QString MissingPhoneValue(const QStringList& arguments) {
  if (arguments.isEmpty()) return {};
  for (const QString& name : {kTo, kText, kKind, kNetwork})
    if (arguments.last() == QStringLiteral("--") + name)
      return QStringLiteral("после --%1 нужно значение").arg(name);
  return {};
}

QList<HelpItem> PhoneOptionsHelp() {
  return {{{},
           QStringLiteral("ВЫХОД .at — сообщения SMS для GSM-модема (AT-команды режима PDU); для "
                          "него нужен номер получателя:")},
          {QStringLiteral("--to НОМЕР"),
           QStringLiteral("номер получателя: международный с «+» (+79161234567) или из цифр; "
                          "между цифрами можно пробелы, дефисы, точки и скобки "
                          "(«+7 (916) 123-45-67»)")},
          {QStringLiteral("--text ТЕКСТ"),
           QStringLiteral("текст сообщения после рисунка EMS или картинки-сообщения")},
          {QStringLiteral("--kind ems|operator|caller|picture"),
           QStringLiteral("что отправить: рисунок EMS (по умолчанию), логотип оператора Nokia "
                          "(72\u00a0x\u00a014), картинку группы Nokia (72\u00a0x\u00a014), "
                          "картинку-сообщение Nokia (72\u00a0x\u00a028)")},
          {QStringLiteral("--network MCC-MNC"),
           QStringLiteral("код сети логотипа оператора, MNC из двух или трёх цифр (например 250-01 "
                          "или 310-260): для --kind operator и для ВЫХОДА .nol")}};
}

}  // namespace tochkograf
