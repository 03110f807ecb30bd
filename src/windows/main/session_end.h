#pragma once

#include <QObject>

class QSocketNotifier;

namespace tochkograf {

// SIGTERM and SIGHUP, by which a session that ends (or a user's `kill`)
// ends the program, turned into a signal of the event loop, so that the
// unsaved work can be kept before the program goes. A signal handler may
// do almost nothing, so it only writes the signal's number into a pipe
// that the event loop watches. One at a time; the default handling comes
// back when it is destroyed.
class SessionEnd : public QObject {
  Q_OBJECT

 public:
  explicit SessionEnd(QObject* parent = nullptr);
  ~SessionEnd() override;

 signals:
  void Ending(int signal);

 private:
  void Read();

  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace tochkograf
