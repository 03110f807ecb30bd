#pragma once

#include "windows/side_windows.h"

class QWidget;

namespace tochkograf {

// The real splash, size and help windows, owned by the main window.
class QtSideWindows : public SideWindows {
 public:
  explicit QtSideWindows(QWidget* owner) : owner_(owner) {}
  void ShowSplash() override;
  void ShowAbout() override;
  bool ShowSizeDialog(DocumentState& state) override;
  void ShowHelp() override;

 private:
  QWidget* owner_;
};

}  // namespace tochkograf
