#pragma once

#include <QDialog>

#include "files/network_code.h"
#include "files/sms_options.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace tochkograf {

class NetworkCodeFields;

// The dialog "SMS" of the export to a modem: the recipient's number, an
// optional text and what to send the picture as, with the network's code
// for an operator logo. "OK" takes only answers it finds nothing wrong
// with; otherwise the dialog stays and says what is wrong.
class SmsDialog : public QDialog {
  Q_OBJECT

 public:
  // For a picture of `width` x `height`, the fields filled from `start`.
  SmsDialog(int width, int height, const SmsOptions& start, const NetworkCode& network,
            QWidget* parent = nullptr);

  SmsOptions Options() const;
  NetworkCode Network() const;

 public slots:
  void accept() override;

 private:
  void KindChanged();

  const int width_, height_;
  QLineEdit* recipient_ = nullptr;
  QLineEdit* text_ = nullptr;
  QComboBox* kind_ = nullptr;
  NetworkCodeFields* network_ = nullptr;
  QLabel* problem_ = nullptr;
};

}  // namespace tochkograf
