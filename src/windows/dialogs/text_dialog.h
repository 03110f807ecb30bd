#pragma once

#include <QDialog>
#include <QString>

#include "windows/dialogs/text_choice.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tochkograf {

class FileDialogPlatform;
class FontPicker;

// "Текст": a line of text, its font (a built-in one, an installed one or
// one from a file, see FontPicker) and a preview of the text as it will be
// drawn, with the characters the font lacks named, or why the font can't
// be read. "OK" (or Enter) takes it, while there is any text in a font
// that reads; "Отмена" (or Esc) leaves it. The document is not touched
// here.
class TextDialog : public QDialog {
  Q_OBJECT

 public:
  TextDialog(const TextChoice& start, FileDialogPlatform& files, QWidget* parent = nullptr);

  TextChoice Choice() const;

 private:
  void Changed();

  QLineEdit* text_ = nullptr;
  FontPicker* font_ = nullptr;
  QWidget* preview_ = nullptr;
  QLabel* missing_ = nullptr;
  QPushButton* ok_ = nullptr;
};

}  // namespace tochkograf
