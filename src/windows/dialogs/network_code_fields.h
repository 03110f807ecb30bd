#pragma once

#include <QWidget>
#include <optional>

#include "files/sms/network_code.h"

class QLineEdit;

namespace tochkograf {

// The code of a mobile network as two fields: the country's (MCC, three
// digits) and the network's (MNC, two or three), which take nothing but
// digits.
class NetworkCodeFields : public QWidget {
  Q_OBJECT

 public:
  explicit NetworkCodeFields(QWidget* parent = nullptr);

  // Shows `code`; nothing shows for a code never given (000 00).
  void SetCode(const NetworkCode& code);
  // Nothing while either field is short of digits.
  std::optional<NetworkCode> Code() const;
  // Where the user is sent to mend a short code.
  QLineEdit* FirstShort() const;

 signals:
  // Either field's digits changed.
  void Changed();

 private:
  QLineEdit* mcc_ = nullptr;
  QLineEdit* mnc_ = nullptr;
};

}  // namespace tochkograf
