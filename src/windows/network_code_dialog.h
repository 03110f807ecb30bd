#pragma once

#include <QDialog>

#include "files/network_code.h"

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
  NetworkCodeFields* fields_ = nullptr;
  QLabel* problem_ = nullptr;
};

}  // namespace tochkograf
