#pragma once

#include <QDialog>
#include <QImage>
#include <array>

#include "picture/document_state.h"

class QLabel;
class QPushButton;
class QScrollBar;

namespace tochkograf {

// The picture size dialog: two scroll bars and four presets choose the width
// and height, shown as text and as a lattice of dots. It always opens at
// 32 x 32 and remembers nothing between openings. It touches no document:
// "OK" accepts it, and the one who opened it gives the picture ChosenSize().
// Enter and Escape are not bound.
class Form2 : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kLowestWidth = 16;
  // A picture needs at least one row, so the height bar stops at 1.
  static constexpr int kLowestHeight = 1;
  static constexpr int kOpeningSize = 32;

  explicit Form2(QWidget* parent = nullptr);

  // The size the bars show: the size "OK" chose, once accepted.
  QSize ChosenSize() const;

 signals:
  // Raised by every RedrawPreview, with the size it shows.
  void PreviewRedrawn(int width, int height);

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();
  void PlaceControls();
  void ConnectControls();
  void RedrawPreview();
  QImage DotRow(int width) const;

  void Command3_Click(int index);

  QPushButton* Command1_ = nullptr;
  QPushButton* Command2_ = nullptr;
  std::array<QPushButton*, 4> Command3_{};
  QLabel* Label1_ = nullptr;
  QLabel* Label2_ = nullptr;
  QScrollBar* HScroll1_ = nullptr;
  QScrollBar* VScroll1_ = nullptr;
};

}  // namespace tochkograf
