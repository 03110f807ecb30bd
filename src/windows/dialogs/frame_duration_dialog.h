#pragma once

#include <QDialog>

class QSpinBox;

namespace tochkograf {

// "Длительность кадра": the time one frame is shown, in milliseconds, from
// the shortest to the longest a frame may have, in steps of 100 ms (any
// value between may be typed). "OK" (or Enter) takes it, "Отмена" (or Esc)
// leaves it; the document is not touched here.
class FrameDurationDialog : public QDialog {
  Q_OBJECT

 public:
  explicit FrameDurationDialog(int duration, QWidget* parent = nullptr);

  int Duration() const;

 private:
  QSpinBox* duration_ = nullptr;
};

}  // namespace tochkograf
