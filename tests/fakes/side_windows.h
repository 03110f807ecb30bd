#pragma once

#include <QSize>
#include <QStringList>
#include <functional>
#include <optional>

#include "windows/side_windows.h"

namespace tochkograf {

// Side windows that only record which were asked for. The size dialog
// chooses `size_chosen` when it is set, and is cancelled otherwise, and the
// text dialog likewise `text_chosen`;
// the conversion dialog keeps what it was shown and answers through
// `on_conversion` ("OK" when that returns true), cancelled without one.
class FakeSideWindows : public SideWindows {
 public:
  void ShowAbout() override { calls << QStringLiteral("about"); }
  std::optional<QSize> ShowSizeDialog() override {
    calls << QStringLiteral("size");
    return size_chosen;
  }
  void ShowHelp() override { calls << QStringLiteral("help"); }
  std::optional<TextChoice> AskText(const TextChoice& start) override {
    calls << QStringLiteral("text");
    shown_text = start;
    return text_chosen;
  }
  bool ShowConversionDialog(const ImportedImage& image, bool grid,
                            ConversionSettings& settings) override {
    calls << QStringLiteral("conversion");
    shown_image = image;
    shown_grid = grid;
    shown_settings = settings;
    return on_conversion && on_conversion(settings);
  }

  QStringList calls;
  std::optional<QSize> size_chosen;
  std::optional<TextChoice> text_chosen;  // the text dialog's answer: nothing is "Отмена"
  TextChoice shown_text;
  std::function<bool(ConversionSettings&)> on_conversion;
  ImportedImage shown_image;
  bool shown_grid = false;
  ConversionSettings shown_settings;
};

}  // namespace tochkograf
