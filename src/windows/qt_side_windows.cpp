#include "windows/qt_side_windows.h"

#include "windows/conversion_dialog.h"
#include "windows/form2.h"

namespace tochkograf {

void QtSideWindows::ShowSplash() { ShowForm3(); }
void QtSideWindows::ShowAbout() { ShowForm3(); }

// The splash and the about box are one window, made at its first showing;
// its timer runs from then on, whichever way it was first shown.
void QtSideWindows::ShowForm3() {
  if (!splash_) splash_ = new Form3(owner_, splash_tick_milliseconds_);
  splash_->ShowModal();
}

bool QtSideWindows::ShowSizeDialog(DocumentState& state) {
  Form2 dialog(state, owner_);
  return dialog.exec() == QDialog::Accepted;
}

bool QtSideWindows::ShowConversionDialog(const ImportedImage& image, bool grid,
                                         ConversionSettings& settings) {
  ConversionDialog dialog(image, settings, grid, owner_);
  if (dialog.exec() != QDialog::Accepted) return false;
  settings = dialog.Settings();
  return true;
}

void QtSideWindows::ShowHelp() {
  if (!help_) help_ = new Form4(owner_);
  help_->show();
  help_->raise();
  help_->activateWindow();
}

}  // namespace tochkograf
