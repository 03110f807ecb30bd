#pragma once

#include "windows/adapters/side_windows.h"

namespace tochkograf::bench {

// The main window's dialogs for a benchmark that never opens one.
class NoSideWindows : public SideWindows {
 public:
  void ShowAbout() override {}
  std::optional<QSize> ShowSizeDialog() override { return std::nullopt; }
  void ShowHelp() override {}
  std::optional<TextChoice> AskText(const TextChoice&) override { return std::nullopt; }
  void ShowFontExport() override {}
  bool ShowConversionDialog(const ImportedImage&, bool, ConversionSettings&) override {
    return false;
  }
  bool AskCArrayOptions(const Animation&, CArrayOptions&) override { return false; }
  bool AskSketchOptions(const Animation&, SketchOptions&) override { return false; }
  bool ShowCArrayImportDialog(const CArrayScan&, bool, CArrayReading&) override { return false; }
  std::optional<int> AskFrameDuration(int) override { return std::nullopt; }
  void ShowDisplay(const DocumentState&) override {}
  std::optional<int> AskHistoryStep(const EditHistory&) override { return std::nullopt; }
  void DocumentChanged() override {}
};

}  // namespace tochkograf::bench
