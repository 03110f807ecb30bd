#pragma once

#include <QPointer>

#include "windows/form3.h"
#include "windows/form4.h"
#include "windows/side_windows.h"

class QWidget;

namespace tochkograf {

// The real splash, size, help and conversion windows, owned by the main
// window. The splash is made once and then only hidden; the help window
// lives until its close box is pressed; the size and conversion dialogs are
// made afresh for every opening.
class QtSideWindows : public SideWindows {
 public:
  // `splash_tick_milliseconds` paces the splash timer; tests slow it down.
  explicit QtSideWindows(QWidget* owner, int splash_tick_milliseconds = Form3::kTickMilliseconds)
      : owner_(owner), splash_tick_milliseconds_(splash_tick_milliseconds) {}
  void ShowSplash() override;
  void ShowAbout() override;
  bool ShowSizeDialog(DocumentState& state) override;
  void ShowHelp() override;
  bool ShowConversionDialog(const ImportedImage& image, bool grid,
                            ConversionSettings& settings) override;

 private:
  void ShowForm3();

  QWidget* owner_;
  int splash_tick_milliseconds_;
  QPointer<Form3> splash_;
  QPointer<Form4> help_;
};

}  // namespace tochkograf
