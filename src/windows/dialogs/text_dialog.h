#pragma once

#include <QDialog>
#include <QString>
#include <array>

#include "picture/pixel_font.h"
#include "windows/dialogs/text_choice.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tochkograf {

// "Текст": a line of text, one of the built-in fonts and a preview of the
// text as it will be drawn, with the characters the font lacks named.
// "OK" (or Enter) takes it, while there is any text; "Отмена" (or Esc)
// leaves it. The document is not touched here.
class TextDialog : public QDialog {
  Q_OBJECT

 public:
  explicit TextDialog(const TextChoice& start, QWidget* parent = nullptr);

  TextChoice Choice() const;

 private:
  void Changed();

  QLineEdit* text_ = nullptr;
  std::array<QRadioButton*, 3> fonts_{};
  QWidget* preview_ = nullptr;
  QLabel* missing_ = nullptr;
  QPushButton* ok_ = nullptr;
};

}  // namespace tochkograf
