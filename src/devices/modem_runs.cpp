#include "devices/modem_runs.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <optional>

#include "devices/modem_session.h"

namespace tochkograf {

namespace {

// While it lives, the program has an application object, which Qt's event
// loop and the port's notifiers need: the program's own, or one of its own.
class ApplicationObject {
 public:
  ApplicationObject() {
    if (!QCoreApplication::instance()) made_.emplace(argc_, argv_);
  }

 private:
  static inline char name_[] = "tochkograf";
  static inline char* argv_[] = {name_, nullptr};
  static inline int argc_ = 1;
  std::optional<QCoreApplication> made_;
};

// Runs `session` until it has finished.
ModemOutcome RunToEnd(ModemSession& session) {
  ModemOutcome outcome;
  QEventLoop loop;
  QObject::connect(&session, &ModemSession::Finished, &loop, [&](const ModemOutcome& ended) {
    outcome = ended;
    loop.quit();
  });
  session.Start();
  loop.exec();
  return outcome;
}

}  // namespace

ModemOutcome SendThroughModem(const ModemPort& port, const QList<QByteArray>& pdus,
                              const std::function<void(int sent, int total)>& sent_one,
                              ModemWaits waits) {
  const ApplicationObject application;
  ModemSession session(port, ModemDialogue::Sending(pdus, waits));
  if (sent_one) QObject::connect(&session, &ModemSession::Sent, sent_one);
  return RunToEnd(session);
}

ModemOutcome ListStoredMessages(const ModemPort& port, std::vector<StoredMessage>& found,
                                ModemWaits waits) {
  const ApplicationObject application;
  ModemSession session(port, ModemDialogue::Listing(waits));
  const ModemOutcome outcome = RunToEnd(session);
  found = session.Dialogue().Stored();
  return outcome;
}

}  // namespace tochkograf
