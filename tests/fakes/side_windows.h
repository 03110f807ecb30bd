#pragma once

#include <QSize>
#include <QStringList>
#include <functional>
#include <optional>

#include "picture/undo_clipboard.h"
#include "windows/side_windows.h"

namespace tochkograf {

// Side windows that only record which were asked for. The size dialog
// answers "OK" with `size_chosen` when it is set, and is cancelled otherwise;
// the conversion dialog keeps what it was shown and answers through
// `on_conversion` ("OK" when that returns true), cancelled without one.
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
    SetPictureSize(state, size_chosen->width(), size_chosen->height());
    state.IZM = kOn;
    return true;
  }
  void ShowHelp() override { calls << QStringLiteral("help"); }
  bool ShowConversionDialog(const ImportedImage& image, bool grid,
                            ConversionSettings& settings) override {
    calls << QStringLiteral("conversion");
    shown_image = image;
    shown_grid = grid;
    shown_settings = settings;
    return on_conversion && on_conversion(settings);
  }

  QStringList calls;
  std::function<void()> on_splash;  // runs while the splash would be up
  std::optional<QSize> size_chosen;
  std::function<bool(ConversionSettings&)> on_conversion;
  ImportedImage shown_image;
  bool shown_grid = false;
  ConversionSettings shown_settings;
};

}  // namespace tochkograf
