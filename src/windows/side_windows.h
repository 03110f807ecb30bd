#pragma once

#include "commands/image_import.h"
#include "picture/document_state.h"

namespace tochkograf {

// The windows the main window opens besides message boxes and file dialogs:
// the splash (also the about box), the picture size dialog, the help
// window and the image import's conversion dialog. The real ones are Form2,
// Form3, Form4 and ConversionDialog; tests put fakes here.
class SideWindows : public ConversionWindow {
 public:
  virtual ~SideWindows() = default;
  // The start-up splash, modal; returns once it has been hidden.
  virtual void ShowSplash() = 0;
  // The same window again as the about box, modal.
  virtual void ShowAbout() = 0;
  // The picture size dialog, modal. On "OK" it writes MX, MY and then IZM
  // of `state` and returns true; otherwise it changes nothing.
  virtual bool ShowSizeDialog(DocumentState& state) = 0;
  // The help window, not modal.
  virtual void ShowHelp() = 0;
};

}  // namespace tochkograf
