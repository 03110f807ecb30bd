#pragma once

#include <QDialog>

#include "files/sms/network_code.h"

class QLabel;

namespace tochkograf {

class NetworkCodeFields;

// Asks for the network of an operator logo written to a file: its MCC and
// MNC. "OK" takes only a whole code.
class NetworkCodeDialog : public QDialog {
  Q_OBJECT

 public:
  explicit NetworkCodeDialog(const NetworkCode& start, QWidget* parent = nullptr);

  NetworkCode Code() const;

 public slots:
  void accept() override;

 private:
  // Says what is wrong once OK has been pressed, and again as the code
  // changes, until nothing is.
  void Check();

  NetworkCodeFields* fields_ = nullptr;
  QLabel* problem_ = nullptr;
  bool tried_ = false;
};

}  // namespace tochkograf
