#include "commands/transfer/c_array_export.h"

namespace tochkograf {

bool AskCArrayExport(DocumentCommands& commands, CArrayOptionsWindow& window,
                     const Picture& picture, WriteOptions& options) {
  CArrayOptions c_array = commands.LastCArrayOptions();
  c_array.name = ArrayNameFromFileName(options.file_name);
  const Animation frames =
      options.animation.frames.empty() ? Animation::Of(picture) : options.animation;
  if (!window.AskCArrayOptions(frames, c_array)) return false;
  options.c_array = c_array;
  c_array.name.clear();  // the next file has a name of its own
  commands.LastCArrayOptions() = c_array;
  return true;
}

}  // namespace tochkograf
