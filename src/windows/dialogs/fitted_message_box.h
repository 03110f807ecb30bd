#pragma once

#include <QMessageBox>

namespace tochkograf {

// Qt's message box, made to fit: as wide as its title bar needs to show its
// title whole (Qt's own box is only as wide as its text, and a short
// question's title came out cut), its text breakable inside a word too long
// for a line of the box (a file's long name), and centred over its owner
// within the free area of the screen. Every message box of the program is
// one of these.
class FittedMessageBox : public QMessageBox {
  Q_OBJECT

 public:
  FittedMessageBox(Icon icon, const QString& title, const QString& text, StandardButtons buttons,
                   QWidget* owner);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  bool widened_ = false;
};

}  // namespace tochkograf
