#pragma once

#include <QDialog>
#include <QList>
#include <QString>
#include <optional>

#include "files/fonts/font_choice.h"
#include "files/fonts/font_loading.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tochkograf {

class FileDialogPlatform;
class FontPicker;
class FontSheet;

// What "Экспорт шрифта..." was last shown with: the font and the list of
// characters as typed.
struct FontExportChoice {
  FontChoice font = BuiltInChoice(FontSize::kNormal);
  QString chars = QStringLiteral("32-126");
};

// "Экспорт шрифта": the font (see FontPicker), the characters to take from
// it as ranges and codes ("Латиница" puts 32-126 in the field, "Кириллица"
// adds the Russian letters), every one of them as the font draws it, with
// those it lacks named, and "Сохранить...", which asks for the file and
// writes the font there as its extension says: an Adafruit GFX header or
// BDF. A list that can't be read, or a font that can't, is said in the
// dialog and nothing can be saved; a failed writing is said in a message
// box and the dialog stays; a font written closes it.
class FontExportDialog : public QDialog {
  Q_OBJECT

 public:
  FontExportDialog(const FontExportChoice& start, FileDialogPlatform& files,
                   QWidget* parent = nullptr);

  FontExportChoice Choice() const;
  // Asks for the file and writes the font there; closes the dialog once it
  // has been written.
  void Save();

 private:
  void Changed();
  void AddRussian();
  void Note(const QString& text);

  FileDialogPlatform& files_;
  FontPicker* font_ = nullptr;
  QLineEdit* chars_ = nullptr;
  FontSheet* sheet_ = nullptr;
  QWidget* preview_ = nullptr;
  QLabel* notes_ = nullptr;
  QPushButton* save_ = nullptr;
  // What Changed() found: the characters to write and the font they are in.
  QList<char32_t> codes_;
  std::optional<BitmapFont> loaded_;
};

}  // namespace tochkograf
