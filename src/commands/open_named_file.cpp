#include "commands/open_named_file.h"

#include "images/named_file.h"

namespace tochkograf {

void OpenNamedFile(DocumentCommands& commands, ConversionWindow& window, const QString& path) {
  const NamedFile file = TypeOfNamedFile(path);
  if (!file.format || file.format->entry != Entry::Image) {
    commands.OpenGiven(path);
  } else if (ImportImageFile(commands.Document(), window, path)) {
    commands.Used(path);
  }
}

}  // namespace tochkograf
