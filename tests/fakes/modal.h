#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <functional>

namespace tochkograf {

// Runs `act` on the next modal window as soon as its event loop runs: call
// it just before the call that opens the window and blocks. A dialog that
// `act` leaves open (a failed check returns early) is then rejected, so a
// failure never leaves the test waiting; and if no modal window comes up
// within five seconds nothing is done, so the wait cannot act on a window
// of some later case.
inline void OnNextModal(std::function<void(QWidget*)> act) {
  auto* poll = new QTimer;
  poll->setInterval(0);
  const QDeadlineTimer deadline(5000);
  QObject::connect(poll, &QTimer::timeout, [poll, act, deadline] {
    QWidget* modal = QApplication::activeModalWidget();
    if ((!modal || !modal->isVisible()) && !deadline.hasExpired()) return;
    poll->stop();
    poll->deleteLater();
    if (!modal || !modal->isVisible()) return;
    QPointer<QWidget> guard(modal);
    act(modal);
    if (guard && guard->isVisible())
      if (auto* dialog = qobject_cast<QDialog*>(guard.data())) dialog->reject();
  });
  poll->start();
}

// Closes every message box that comes up while it lives, keeping the text
// of each: for a call that may or may not say something, where a box
// left open would wait for ever and OnNextModal would outlive the case.
class MessageCatcher {
 public:
  MessageCatcher() {
    poll_.setInterval(0);
    QObject::connect(&poll_, &QTimer::timeout, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        texts.append(box->text());
        box->done(QMessageBox::Ok);
      }
    });
    poll_.start();
  }
  QStringList texts;

 private:
  QTimer poll_;
};

}  // namespace tochkograf
