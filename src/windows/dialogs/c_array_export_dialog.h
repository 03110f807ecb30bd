#pragma once

#include <QDialog>

#include "files/c_array/c_array_format.h"
#include "picture/animation.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSize;

namespace tochkograf {

class DisplayBytesChoice;

// "Массив C", after the export's file dialog: the layout of the bytes, what
// a set bit is, the array's name (a C identifier: nothing else can be
// typed, and "OK" waits for one that is no keyword) and PROGMEM, with the first lines of the
// code as they will be written, following every change. Only "OK" gives
// the options back (Options()).
class CArrayExportDialog : public QDialog {
  Q_OBJECT

 public:
  // Lines of the code shown; on a small screen some only by scrolling.
  static constexpr int kShownLines = 14;

  // `frames`: the one picture, or every frame the file will hold.
  CArrayExportDialog(const Animation& frames, const CArrayOptions& start,
                     QWidget* parent = nullptr);

  CArrayOptions Options() const;
  // The lines the view shows now.
  QString ShownCode() const;

 private:
  void CreateControls(const CArrayOptions& start);
  void LayOut();
  void FitCode(const QSize& needed);
  void ShowCode();

  const Animation frames_;
  DisplayBytesChoice* bytes_ = nullptr;
  QLineEdit* name_ = nullptr;
  QCheckBox* progmem_ = nullptr;
  QPlainTextEdit* code_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace tochkograf
