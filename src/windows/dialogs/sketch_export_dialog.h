#pragma once

#include <QDialog>

#include "files/c_array/arduino_sketch.h"
#include "picture/animation.h"

class QLabel;
class QPushButton;

namespace tochkograf {

class RadioRow;

// "Скетч Arduino", after the export's file dialog: the SSD1306 display's
// address on the I2C bus and its height, and whether the frames are packed,
// with their size as they are and packed. Only "OK" gives the options back
// (Options()); the array's name is left to the writer.
class SketchExportDialog : public QDialog {
  Q_OBJECT

 public:
  // `frames`: the one picture, or every frame the sketch will show.
  SketchExportDialog(const Animation& frames, const SketchOptions& start,
                     QWidget* parent = nullptr);

  SketchOptions Options() const;

 private:
  RadioRow* address_ = nullptr;
  RadioRow* height_ = nullptr;
  RadioRow* compression_ = nullptr;
  QLabel* sizes_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace tochkograf
