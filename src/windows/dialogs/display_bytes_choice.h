#pragma once

#include <QWidget>

#include "files/c_array/display_bytes.h"

class QRadioButton;

namespace tochkograf {

// The two questions both C-array dialogs ask: how the bytes are laid out,
// each layout named with what uses it, and what a set bit is.
class DisplayBytesChoice : public QWidget {
  Q_OBJECT

 public:
  DisplayBytesChoice(ByteLayout layout, SetBit meaning, QWidget* parent = nullptr);

  ByteLayout Layout() const;
  // Checks the layout's button, which raises Changed where it was not.
  void SetLayout(ByteLayout layout);
  SetBit Meaning() const;
  // The buttons in their order, for the dialog's tab order.
  QList<QWidget*> Buttons() const;

 signals:
  // Raised when the user chooses another layout or meaning.
  void Changed();

 private:
  QList<QRadioButton*> layouts_;
  QList<QRadioButton*> meanings_;
};

}  // namespace tochkograf
