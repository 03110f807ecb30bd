#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>

namespace tochkograf {

// Runs `act` on the next modal window as soon as its event loop runs: call
// it just before the call that opens the window and blocks.
inline void OnNextModal(std::function<void(QWidget*)> act) {
  auto* poll = new QTimer;
  poll->setInterval(0);
  QObject::connect(poll, &QTimer::timeout, [poll, act] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) return;
    poll->stop();
    poll->deleteLater();
    act(modal);
  });
  poll->start();
}

}  // namespace tochkograf
