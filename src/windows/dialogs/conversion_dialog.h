#pragma once

#include <QDialog>
#include <QSize>

#include "images/image_conversion.h"
#include "picture/document_state.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;
class QSpinBox;
class QWidget;

namespace tochkograf {

class PicturePreview;

// The conversion of an imported image into a picture: its size (fitted,
// the editor's, typed, or a small display's) and, for any size but the
// fitted one, whether the whole image goes in or fills it, the threshold,
// the dithering and inversion, with a preview of the picture
// drawn as the main window draws it. The preview follows every change, the
// threshold slider's while it moves. Until the user moves the threshold
// (by the slider or its number), a change of size sets it again where
// Otsu's method puts it for the greys at the new size. The image is read only once, before:
// every change converts its small greys again. Only "OK" gives the
// settings back (Settings()); the document is not touched here.
class ConversionDialog : public QDialog {
  Q_OBJECT

 public:
  ConversionDialog(const ImportedImage& image, const ConversionSettings& start, bool grid,
                   QWidget* parent = nullptr);

  // The settings the controls show now.
  ConversionSettings Settings() const;
  // The picture the preview shows: MX, MY and Pixels.
  const DocumentState& Preview() const;

 signals:
  // Raised by every change of the preview.
  void PreviewRedrawn();

 private:
  // Returns the choices, in their order.
  QList<QWidget*> CreateControls();
  QWidget* CreateSizeGroup();
  QWidget* CreateFramingGroup();
  QWidget* CreateThresholdGroup();
  QWidget* CreateDitheringGroup();
  void LayOut(const QList<QWidget*>& choices);
  void ShowSettings(const ConversionSettings& settings);
  void ConnectControls();
  void SizeChanged();
  void RedrawPreview();

  ImageConversion conversion_;
  const QSize current_;
  bool threshold_chosen_ = false;  // by the user, since the dialog opened

  PicturePreview* preview_ = nullptr;
  QLabel* sizes_ = nullptr;
  QRadioButton* fit_ = nullptr;
  QRadioButton* current_size_ = nullptr;
  QRadioButton* typed_ = nullptr;
  QSpinBox* typed_width_ = nullptr;
  QSpinBox* typed_height_ = nullptr;
  QRadioButton* display_ = nullptr;
  QComboBox* display_size_ = nullptr;
  QWidget* framing_ = nullptr;
  QRadioButton* contain_ = nullptr;
  QRadioButton* cover_ = nullptr;
  QSlider* threshold_ = nullptr;
  QSpinBox* threshold_value_ = nullptr;
  QRadioButton* no_dithering_ = nullptr;
  QRadioButton* floyd_steinberg_ = nullptr;
  QRadioButton* bayer_ = nullptr;
  QCheckBox* invert_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace tochkograf
