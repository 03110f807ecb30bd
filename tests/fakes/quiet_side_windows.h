#pragma once

#include <QStringList>

#include "windows/side_windows.h"

namespace tochkograf {

// Side windows that only note that they were asked for.
class QuietSideWindows : public SideWindows {
 public:
  void ShowSplash() override { shown.append(QStringLiteral("splash")); }
  void ShowAbout() override { shown.append(QStringLiteral("about")); }
  bool ShowSizeDialog(DocumentState&) override {
    shown.append(QStringLiteral("size"));
    return false;
  }
  void ShowHelp() override { shown.append(QStringLiteral("help")); }

  QStringList shown;
};

}  // namespace tochkograf
