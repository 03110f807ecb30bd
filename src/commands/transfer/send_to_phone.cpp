#include "commands/transfer/send_to_phone.h"

#include "files/sms/modem_commands.h"
#include "files/status_texts.h"
#include "picture/frames.h"

namespace tochkograf {

namespace {

// The slowest and fastest speeds a serial port is asked for.
constexpr int kSlowestSpeed = 50;
constexpr int kFastestSpeed = 4000000;

QString Sentence(const QString& reason) { return reason.left(1).toUpper() + reason.mid(1) + u'.'; }

}  // namespace

QList<SmsProblem> SendingProblems(const Animation& frames, const Picture& current,
                                  const SendingAnswers& answers,
                                  const std::optional<NetworkCode>& network) {
  QList<SmsProblem> problems = SmsProblems(frames, current, answers.sms, network);
  if (answers.port.name.trimmed().isEmpty())
    problems.append(
        {SmsProblem::Field::Port, QStringLiteral("Укажите порт модема, например /dev/ttyUSB0.")});
  if (answers.port.speed < kSlowestSpeed || answers.port.speed > kFastestSpeed)
    problems.append(
        {SmsProblem::Field::Speed, QStringLiteral("Укажите скорость порта от %1 до %2 бит/с.")
                                       .arg(kSlowestSpeed)
                                       .arg(kFastestSpeed)});
  return problems;
}

QString SendingProgressText(int sent, int total) {
  return QStringLiteral("Отправка SMS %1 из %2").arg(std::min(sent + 1, total)).arg(total);
}

QString SendingEndText(const ModemOutcome& outcome) {
  if (!outcome.ok) return Sentence(outcome.reason);
  return outcome.total == 1 ? QStringLiteral("SMS отправлено.")
                            : QStringLiteral("Все SMS отправлены: %1 из %1.").arg(outcome.total);
}

void SendToPhone(const DocumentState& state, PhoneSending& sending, UserMessages& messages) {
  const Picture current{state.MX, state.MY, state.Pixels};
  const Animation frames = AnimationOf(state);
  SendingAnswers answers;
  if (!sending.AskSending(frames, current, answers)) return;
  QList<QByteArray> pdus;
  if (const FormatStatus status = ModemPdus(frames, current, answers.sms, answers.network, pdus);
      status != FormatStatus::Ok) {
    messages.ShowFailure(
        QStringLiteral("Не удалось отправить рисунок: %1.").arg(FormatFailureReason(status)));
    return;
  }
  sending.Send(answers.port, pdus);
}

}  // namespace tochkograf
