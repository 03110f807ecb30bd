#pragma once

#include <QDialog>

#include "files/c_array/c_array_format.h"
#include "picture/animation.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSize;

namespace tochkograf {

class DisplayBytesChoice;
class RadioRow;

// "Массив C", after the export's file dialog: the layout of the bytes, what
// a set bit is, the array's name (a C identifier: nothing else can be
// typed, and "OK" waits for one that builds, saying why a name does not),
// PROGMEM and the compression, with the frames' size as they are and
// packed, and the code as it will be written from its definitions on: the
// array's declaration and its first bytes, following every change. Only
// "OK" gives the options back (Options()).
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
  // Why "OK" is off; empty while it is on.
  QString WhyNot() const;

 private:
  void CreateControls(const CArrayOptions& start);
  void LayOut();
  void FitCode(const QSize& needed);
  void ShowCode();

  const Animation frames_;
  DisplayBytesChoice* bytes_ = nullptr;
  QLineEdit* name_ = nullptr;
  QCheckBox* progmem_ = nullptr;
  RadioRow* compression_ = nullptr;
  QLabel* sizes_ = nullptr;
  QLabel* why_ = nullptr;
  QPlainTextEdit* code_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace tochkograf
