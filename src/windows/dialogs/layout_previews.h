#pragma once

#include <QList>
#include <QWidget>

#include "files/c_array/display_bytes.h"
#include "picture/picture.h"

class QToolButton;

namespace tochkograf {

// The bytes of an array read in each of the four layouts, side by side as
// small pictures captioned with the layout's short name, so that the one
// that looks like a picture is seen at a glance. The chosen one is shown
// pressed; a click (or Space) on another picks it.
class LayoutPreviews : public QWidget {
  Q_OBJECT

 public:
  explicit LayoutPreviews(QWidget* parent = nullptr);

  // `pictures`: one for each layout, in the order of LayoutNames.
  void ShowPictures(const QList<Picture>& pictures, ByteLayout chosen);
  // The buttons in their order, for the dialog's tab order.
  QList<QWidget*> Buttons() const;

 signals:
  // Raised when the user picks a layout that was not chosen.
  void Picked(ByteLayout layout);

 private:
  QList<QToolButton*> buttons_;
};

}  // namespace tochkograf
