#pragma once

#include <QSize>
#include <QStringList>
#include <functional>
#include <optional>

#include "windows/adapters/side_windows.h"

namespace tochkograf {

// Side windows that only record which were asked for. The size dialog
// chooses `size_chosen` when it is set, and is cancelled otherwise, and the
// text dialog likewise `text_chosen`, the history `step_chosen`;
// the conversion dialog, both C-array dialogs and the sketch's keep what
// they were shown and answer through `on_conversion`, `on_c_array_options`,
// `on_c_array_import` and `on_sketch_options` ("OK" when that returns
// true), cancelled without one.
class FakeSideWindows : public SideWindows {
 public:
  void ShowAbout() override { calls << QStringLiteral("about"); }
  std::optional<QSize> ShowSizeDialog() override {
    calls << QStringLiteral("size");
    return size_chosen;
  }
  void ShowHelp() override { calls << QStringLiteral("help"); }
  void ShowDisplay(const DocumentState&) override { calls << QStringLiteral("display"); }
  void DocumentChanged() override {}
  std::optional<int> AskHistoryStep(const EditHistory&) override {
    calls << QStringLiteral("history");
    return step_chosen;
  }
  void ShowFontExport() override { calls << QStringLiteral("font export"); }
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

  bool AskCArrayOptions(const Animation& frames, CArrayOptions& options) override {
    calls << QStringLiteral("c array options");
    shown_picture = frames.Frame(0);
    shown_options = options;
    return on_c_array_options && on_c_array_options(options);
  }
  bool AskSketchOptions(const Animation&, SketchOptions& options) override {
    calls << QStringLiteral("sketch options");
    shown_sketch = options;
    return on_sketch_options && on_sketch_options(options);
  }
  bool ShowCArrayImportDialog(const CArrayScan& scan, bool grid, CArrayReading& reading) override {
    calls << QStringLiteral("c array import");
    shown_scan = scan;
    shown_grid = grid;
    shown_reading = reading;
    return on_c_array_import && on_c_array_import(reading);
  }

  std::optional<int> AskFrameDuration(int duration) override {
    calls << QStringLiteral("frame duration");
    shown_duration = duration;
    return duration_chosen;
  }

  QStringList calls;
  std::optional<int> duration_chosen;  // the frame duration dialog's answer: nothing is "Отмена"
  int shown_duration = 0;
  std::optional<QSize> size_chosen;
  std::optional<TextChoice> text_chosen;  // the text dialog's answer: nothing is "Отмена"
  std::optional<int> step_chosen;         // the history's answer: nothing is Esc
  TextChoice shown_text;
  std::function<bool(CArrayOptions&)> on_c_array_options;
  Picture shown_picture;
  CArrayOptions shown_options;
  std::function<bool(SketchOptions&)> on_sketch_options;
  SketchOptions shown_sketch;
  std::function<bool(CArrayReading&)> on_c_array_import;
  CArrayScan shown_scan;
  CArrayReading shown_reading;
  std::function<bool(ConversionSettings&)> on_conversion;
  ImportedImage shown_image;
  bool shown_grid = false;
  ConversionSettings shown_settings;
};

}  // namespace tochkograf
