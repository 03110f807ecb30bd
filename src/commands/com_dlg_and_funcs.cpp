#include "commands/com_dlg_and_funcs.h"

namespace tochkograf {

bool ShowFileDialog(FileDialogPlatform& platform, FileDialogRequest request,
                    FileDialogChoice& choice) {
  if (request.title.isEmpty())
    request.title = request.mode == FileDialogMode::Open ? kOpenDialogTitle : kSaveDialogTitle;
  FileDialogChoice chosen;
  if (!platform.Show(request, chosen) || chosen.paths.value(0).isEmpty()) {
    choice = {};
    return false;
  }
  choice = chosen;
  return true;
}

}  // namespace tochkograf
