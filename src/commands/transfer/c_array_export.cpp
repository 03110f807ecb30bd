#include "commands/transfer/c_array_export.h"

namespace tochkograf {

namespace {

Animation FramesOf(const Picture& picture, const WriteOptions& options) {
  return options.animation.frames.empty() ? Animation::Of(picture) : options.animation;
}

}  // namespace

bool AskCArrayExport(DocumentCommands& commands, CArrayOptionsWindow& window,
                     const Picture& picture, WriteOptions& options) {
  CArrayOptions c_array = commands.LastCArrayOptions();
  c_array.name = ArrayNameFromFileName(options.file_name);
  if (!window.AskCArrayOptions(FramesOf(picture, options), c_array)) return false;
  options.c_array = c_array;
  c_array.name.clear();  // the next file has a name of its own
  commands.LastCArrayOptions() = c_array;
  return true;
}

bool AskSketchExport(DocumentCommands& commands, CArrayOptionsWindow& window,
                     const Picture& picture, WriteOptions& options) {
  SketchOptions sketch = commands.LastSketchOptions();
  if (!window.AskSketchOptions(FramesOf(picture, options), sketch)) return false;
  sketch.name.clear();  // made of the file's name when it is written
  options.sketch = sketch;
  commands.LastSketchOptions() = sketch;
  return true;
}

}  // namespace tochkograf
