#pragma once

#include <QSize>
#include <optional>

#include "commands/frame_duration.h"
#include "commands/transfer/c_array_export.h"
#include "commands/transfer/c_array_import.h"
#include "commands/transfer/image_import.h"
#include "picture/document_state.h"
#include "windows/dialogs/text_choice.h"

namespace tochkograf {

// The windows the main window opens besides message boxes and file dialogs:
// the about box (the start-up splash again), the picture size dialog, the
// help window, the image import's conversion dialog, the text tool's
// dialog, the export's C-array and sketch dialogs, the C-array import's,
// the frame duration's, the font export and the picture as a display
// shows it. The real ones are Form3, Form2, Form4, ConversionDialog,
// TextDialog, CArrayExportDialog, SketchExportDialog, CArrayImportDialog,
// FrameDurationDialog, FontExportDialog and DisplayWindow; tests put fakes
// here.
class SideWindows : public ConversionWindow,
                    public CArrayOptionsWindow,
                    public CArrayImportWindow,
                    public FrameDurationWindow {
 public:
  virtual ~SideWindows() = default;
  // The about box, modal; returns once it has been hidden.
  virtual void ShowAbout() = 0;
  // The picture size dialog, modal: the size chosen with "OK", or nothing
  // when it was cancelled. It changes no document itself.
  virtual std::optional<QSize> ShowSizeDialog() = 0;
  // The help window, not modal.
  virtual void ShowHelp() = 0;
  // The text tool's dialog, modal, showing `start`: the text and font
  // chosen with "OK", or nothing when it was cancelled.
  virtual std::optional<TextChoice> AskText(const TextChoice& start) = 0;
  // "Экспорт шрифта", modal: it writes the font it is told to itself,
  // and starts where it was left the last time.
  virtual void ShowFontExport() = 0;
  // The picture as a display shows it, not modal, following `document`,
  // which outlives the side windows.
  virtual void ShowDisplay(const DocumentState& document) = 0;
  // The history of the picture, modal: the step chosen to return to, or
  // nothing when it was closed.
  virtual std::optional<int> AskHistoryStep(const EditHistory& history) = 0;
  // The document has changed, as the windows that follow it must show.
  virtual void DocumentChanged() = 0;
};

}  // namespace tochkograf
