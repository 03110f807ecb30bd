#pragma once

#include <QList>
#include <QSize>

class QDialog;
class QWidget;

namespace tochkograf {

class PicturePreview;

// What the conversion and C-array import dialogs lay out alike: the preview
// with notes about it under it on the left, the choices on the right, and
// the dialog's buttons under the choices.
struct PreviewDialogParts {
  PicturePreview* preview = nullptr;  // its scale is set here
  QList<QWidget*> notes;              // labels, wrapped to the preview's width
  QList<QWidget*> choices;
  QList<QWidget*> buttons;
};

// Lays `parts` out in `dialog` (which has no layout yet) as large as fits its
// screen: the preview holds the largest picture at four screen pixels a
// picture pixel where there is room, else at three, two or one; where even
// then the choices are too tall for the screen they scroll, and the buttons
// stay in sight under them.
void LayOutPreviewDialog(QDialog* dialog, const PreviewDialogParts& parts);

}  // namespace tochkograf
