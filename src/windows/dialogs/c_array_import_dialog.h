#pragma once

#include <QDialog>

#include "files/c_array/c_array_reading.h"
#include "files/c_array/c_array_scan.h"
#include "picture/document_state.h"

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QWidget;

namespace tochkograf {

class DisplayBytesChoice;
class LayoutPreviews;
class PicturePreview;

// "Импорт массива C": the picture an array's bytes give, drawn as the main
// window draws, as the size, the layout and the set bit chosen read them;
// the preview follows every change. Where the array has too few bytes for
// the size, the preview shows what there is, the dialog says how many are
// missing and "OK" is refused. Beside it, the bytes read in each of the
// four layouts as small pictures, the chosen one marked, a click on
// another choosing it; and, where the source gives no size, a list of the
// sizes of small displays the bytes fill exactly in the layout chosen.
// Until the user sets a size of his own, a new layout guesses the size
// again where the source gives none, and each small picture is at the
// size guessed for its layout. Only "OK" gives the reading back
// (Reading()); the document is not touched.
class CArrayImportDialog : public QDialog {
  Q_OBJECT

 public:
  CArrayImportDialog(const CArrayScan& scan, const CArrayReading& start, bool grid,
                     QWidget* parent = nullptr);

  CArrayReading Reading() const;
  // The picture the preview shows: MX, MY and Pixels.
  const DocumentState& Preview() const;

 signals:
  // Raised by every change of the preview.
  void PreviewRedrawn();

 private:
  void CreateControls(const CArrayReading& start);
  void LayOut();
  void LayoutChanged();
  void ListFittingSizes();
  void SizePicked(int index);
  void RedrawPreview();
  void RedrawLayouts();
  QString AboutArray() const;

  const CArrayScan scan_;
  bool size_chosen_ = false;  // by the user, since the dialog opened

  PicturePreview* preview_ = nullptr;
  QLabel* about_ = nullptr;
  QLabel* fill_ = nullptr;
  QSpinBox* width_ = nullptr;
  QSpinBox* height_ = nullptr;
  QLabel* fitting_label_ = nullptr;
  QComboBox* fitting_ = nullptr;
  LayoutPreviews* layouts_ = nullptr;
  DisplayBytesChoice* bytes_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace tochkograf
