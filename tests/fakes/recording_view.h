#pragma once

#include <QPoint>
#include <QString>
#include <QVector>

#include "picture/picture_view.h"

namespace tochkograf {

// A drawing area of a chosen inner size that records every repaint request.
class RecordingView : public PictureView {
 public:
  RecordingView(double width = 320, double height = 320) : width_(width), height_(height) {}

  void SetInnerSize(double width, double height) { width_ = width, height_ = height; }
  double InnerWidth() const override { return width_; }
  double InnerHeight() const override { return height_; }
  void RepaintCell(int x, int y) override { cells.append(QPoint(x, y)); }
  void RepaintAll() override { ++whole_repaints; }
  void SetSizeLabel(const QString& caption) override { size_label = caption; }
  void SetFrameLabel(const QString& text) override { frame_label = text; }

  void Clear() { cells.clear(), whole_repaints = 0, size_label.clear(); }

  QVector<QPoint> cells;  // cell repaints, in order
  int whole_repaints = 0;
  QString size_label;
  QString frame_label;

 private:
  double width_, height_;
};

}  // namespace tochkograf
