#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace tochkograf {

// The help window: the help text in a read-only box and a "Закрыть" button.
// It does not block the main window. "Закрыть" only hides it, keeping the
// text and where it was scrolled to; the close box destroys it.
class Form4 : public QWidget {
  Q_OBJECT

 public:
  explicit Form4(QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();

  QPlainTextEdit* Text1_ = nullptr;
  QPushButton* Command1_ = nullptr;
  bool placing_ = false;  // shown, and not yet seen where the desktop put it
};

}  // namespace tochkograf
