#pragma once

#include <QTimer>
#include <QWidget>

#include "picture/document_state.h"
#include "windows/main/playback.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QScrollArea;

namespace tochkograf {

// "Как на дисплее": the picture as a chosen screen shows it, at the
// screen's real size (from the physical density the desktop reports) or
// enlarged, kept up to date as the document changes; "Играть" plays the
// document's frames in it at their durations, following the drawing as they
// play. The screen and the size chosen stay for the next opening while the
// program runs. Not modal; it reads `document`, which must outlive it, and
// never changes it.
class DisplayWindow : public QWidget {
  Q_OBJECT

 public:
  explicit DisplayWindow(const DocumentState& document, QWidget* parent = nullptr);

  // The document has changed: shown soon, once for many changes at once.
  void Follow();

  // The panel as it is shown now, at the screen's scale.
  QImage Shown() const { return shown_; }

  // Screen pixels (device-independent) in a millimetre across and down on
  // `screen`, from the density it reports; from its logical density where
  // it reports none that a screen could have.
  static QSizeF PixelsPerMm(const class QScreen* screen);

 protected:
  // On another screen the real size is another: drawn afresh there.
  void showEvent(QShowEvent* event) override;

 private:
  void Refresh();
  void Choose();
  void PlayOrStop(bool play);
  // Large enough for the panel where the screen has room for it.
  void FitPanel();

  const DocumentState& document_;
  QGridLayout* choices_;
  QComboBox* model_;
  QComboBox* zoom_;
  QPushButton* play_;
  QScrollArea* room_;
  QLabel* panel_;
  QLabel* about_;
  Playback playback_;
  QTimer refresh_;
  QImage shown_;
};

}  // namespace tochkograf
