#include "windows/adapters/qt_side_windows.h"

#include "windows/adapters/qt_file_dialogs.h"
#include "windows/dialogs/c_array_export_dialog.h"
#include "windows/dialogs/c_array_import_dialog.h"
#include "windows/dialogs/conversion_dialog.h"
#include "windows/dialogs/form2.h"
#include "windows/dialogs/frame_duration_dialog.h"
#include "windows/dialogs/history_dialog.h"
#include "windows/dialogs/sketch_export_dialog.h"
#include "windows/dialogs/text_dialog.h"

namespace tochkograf {

QtSideWindows::QtSideWindows(QWidget* owner, Form3* splash, FileDialogPlatform* files)
    : owner_(owner),
      own_files_(files ? nullptr : std::make_unique<QtFileDialogs>()),
      files_(files ? *files : *own_files_),
      splash_(splash) {}

// The splash and the about box are one window, whose timer runs from its
// making: an about box opened before the splash's last tick goes with it.
void QtSideWindows::ShowAbout() {
  if (!splash_) splash_ = new Form3(owner_);
  splash_->ShowModal();
}

std::optional<QSize> QtSideWindows::ShowSizeDialog() {
  Form2 dialog(owner_);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.ChosenSize();
}

bool QtSideWindows::ShowConversionDialog(const ImportedImage& image, bool grid,
                                         ConversionSettings& settings) {
  ConversionDialog dialog(image, settings, grid, owner_);
  if (dialog.exec() != QDialog::Accepted) return false;
  settings = dialog.Settings();
  return true;
}

std::optional<TextChoice> QtSideWindows::AskText(const TextChoice& start) {
  TextDialog dialog(start, files_, owner_);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Choice();
}

// The font and characters are kept whether they were saved or not: a long
// list typed is not lost to a cancelled dialog.
void QtSideWindows::ShowFontExport() {
  FontExportDialog dialog(font_export_, files_, owner_);
  dialog.exec();
  font_export_ = dialog.Choice();
}

std::optional<int> QtSideWindows::AskHistoryStep(const EditHistory& history) {
  HistoryDialog dialog(history, owner_);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.ChosenStep();
}

bool QtSideWindows::AskCArrayOptions(const Animation& frames, CArrayOptions& options) {
  CArrayExportDialog dialog(frames, options, owner_);
  if (dialog.exec() != QDialog::Accepted) return false;
  options = dialog.Options();
  return true;
}

bool QtSideWindows::AskSketchOptions(const Animation& frames, SketchOptions& options) {
  SketchExportDialog dialog(frames, options, owner_);
  if (dialog.exec() != QDialog::Accepted) return false;
  options = dialog.Options();
  return true;
}

bool QtSideWindows::ShowCArrayImportDialog(const CArrayScan& scan, bool grid,
                                           CArrayReading& reading) {
  CArrayImportDialog dialog(scan, reading, grid, owner_);
  if (dialog.exec() != QDialog::Accepted) return false;
  reading = dialog.Reading();
  return true;
}

std::optional<int> QtSideWindows::AskFrameDuration(int duration) {
  FrameDurationDialog dialog(duration, owner_);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Duration();
}

// The display window reads the document, which may go with these windows.
QtSideWindows::~QtSideWindows() { delete display_; }

void QtSideWindows::ShowDisplay(const DocumentState& document) {
  if (!display_) display_ = new DisplayWindow(document, owner_);
  display_->show();
  display_->raise();
  display_->activateWindow();
}

void QtSideWindows::DocumentChanged() {
  if (display_) display_->Follow();
}

void QtSideWindows::ShowHelp() {
  if (!help_) help_ = new Form4(owner_);
  help_->show();
  help_->raise();
  help_->activateWindow();
}

}  // namespace tochkograf
