#pragma once

#include <QSize>
#include <QStringList>
#include <functional>
#include <optional>

#include "windows/side_windows.h"

namespace tochkograf {

// Side windows that only record which were asked for. The size dialog
// answers "OK" with `size_chosen` when it is set, and is cancelled otherwise.
class FakeSideWindows : public SideWindows {
 public:
  void ShowSplash() override {
    calls << QStringLiteral("splash");
    if (on_splash) on_splash();
  }
  void ShowAbout() override { calls << QStringLiteral("about"); }
  bool ShowSizeDialog(DocumentState& state) override {
    calls << QStringLiteral("size");
    if (!size_chosen) return false;
    state.MX = size_chosen->width();
    state.MY = size_chosen->height();
    state.IZM = kOn;
    return true;
  }
  void ShowHelp() override { calls << QStringLiteral("help"); }

  QStringList calls;
  std::function<void()> on_splash;  // runs while the splash would be up
  std::optional<QSize> size_chosen;
};

}  // namespace tochkograf
