#pragma once

#include <QList>
#include <QWidget>
#include <optional>

#include "files/fonts/font_choice.h"
#include "files/fonts/font_loading.h"

class QComboBox;
class QLabel;
class QSpinBox;

namespace tochkograf {

class FileDialogPlatform;

// The font a dialog writes in: a list of the three built-in fonts, the
// fonts installed on the system (a bitmap font at each of its sizes) and
// "Из файла...", which asks for a font file and adds it to the list; and
// beside the list the size in pixels a scalable font is drawn at, which a
// bitmap font, having its own, leaves unused. A file that is not a font is
// said in a message box, and the choice stays as it was.
class FontPicker : public QWidget {
  Q_OBJECT

 public:
  // Shows `start`, added to the list where it is not among the installed
  // fonts (a file chosen before).
  FontPicker(const FontChoice& start, FileDialogPlatform& files, QWidget* parent);

  FontChoice Choice() const;
  // The chosen font with at least the characters of `codes`. A bitmap
  // font is read whole once and kept while it stays chosen, so that
  // typing reads no file; a scalable font draws only what is asked.
  FontLoading Load(const QList<char32_t>& codes);

 signals:
  // Another font or size is chosen.
  void Changed();

 private:
  // The list's item for `choice`, added before "Из файла..." where none is.
  int Place(const FontChoice& choice);
  // A new item at `index`, or last.
  int Append(const FontChoice& choice, int index = -1);
  void Chosen(int index);
  void AskFile();
  void ShowChosen(int index);

  FileDialogPlatform& files_;
  QComboBox* list_ = nullptr;
  QLabel* size_label_ = nullptr;
  QSpinBox* size_ = nullptr;
  QList<FontChoice> choices_;  // an item's data is its place here
  int chosen_ = 0;             // the item chosen last, other than "Из файла..."
  FontChoice kept_for_;
  std::optional<FontLoading> kept_;
};

// The characters of `text` as the text tool writes them, joined where
// Unicode has one for several code points.
QList<char32_t> CodesOf(const QString& text);

}  // namespace tochkograf
