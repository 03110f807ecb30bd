#include "files/caption.h"

#include "picture/document_state.h"

namespace tochkograf {

QString CaptionFor(const QString& file_name) {
  if (file_name == kUntitled) return kProductName;
  const QString shown = file_name.size() >= 4 ? file_name.chopped(4) : file_name;
  return shown + QStringLiteral(" - ") + kProductName;
}

QString FocusCaptionFor(const QString& file_name) {
  if (file_name == kUntitled) return kProductName;
  return file_name + QStringLiteral(" - ") + kProductName;
}

}  // namespace tochkograf
