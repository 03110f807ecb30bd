#pragma once

#include <QPointer>
#include <memory>

#include "windows/adapters/side_windows.h"
#include "windows/dialogs/display_window.h"
#include "windows/dialogs/font_export_dialog.h"
#include "windows/dialogs/form3.h"
#include "windows/dialogs/form4.h"

class QWidget;

namespace tochkograf {

class FileDialogPlatform;

// The real about, size, help, conversion and C-array windows of the main
// window. The about box is the splash the program started with, shown
// again, or else one made at its first opening and then only hidden; the
// help window and the display's live until their close boxes are pressed,
// or these windows go; the size, conversion
// and C-array dialogs are made afresh for every opening. All but a splash
// given here belong to `owner`. The text and font dialogs ask for font
// files through `files`, or the system's file dialogs where none is given;
// the font export's choices are kept for the next.
class QtSideWindows : public SideWindows {
 public:
  explicit QtSideWindows(QWidget* owner, Form3* splash = nullptr,
                         FileDialogPlatform* files = nullptr);
  ~QtSideWindows() override;
  void ShowAbout() override;
  std::optional<QSize> ShowSizeDialog() override;
  void ShowHelp() override;
  std::optional<TextChoice> AskText(const TextChoice& start) override;
  void ShowFontExport() override;
  bool ShowConversionDialog(const ImportedImage& image, bool grid,
                            ConversionSettings& settings) override;
  bool AskCArrayOptions(const Animation& frames, CArrayOptions& options) override;
  bool AskSketchOptions(const Animation& frames, SketchOptions& options) override;
  bool ShowCArrayImportDialog(const CArrayScan& scan, bool grid, CArrayReading& reading) override;
  std::optional<int> AskFrameDuration(int duration) override;
  void ShowDisplay(const DocumentState& document) override;
  std::optional<int> AskHistoryStep(const EditHistory& history) override;
  void DocumentChanged() override;

 private:
  QWidget* owner_;
  std::unique_ptr<FileDialogPlatform> own_files_;
  FileDialogPlatform& files_;
  FontExportChoice font_export_;
  QPointer<Form3> splash_;
  QPointer<Form4> help_;
  QPointer<DisplayWindow> display_;
};

}  // namespace tochkograf
