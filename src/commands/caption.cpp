#include "commands/caption.h"

#include <QFileInfo>

#include "files/system_name.h"
#include "images/file_formats.h"
#include "picture/document_state.h"

namespace tochkograf {

QString CaptionFor(const QString& file_name) {
  if (file_name == kUntitled) return kProductName;
  const QString name = ReadableName(QFileInfo(file_name).fileName());
  const QString ending = QLatin1Char('.') + OwnFormat().extensions.first();
  const bool drop = name.size() > ending.size() && name.endsWith(ending, Qt::CaseInsensitive);
  const QString shown = drop ? name.chopped(ending.size()) : name;
  return shown + QStringLiteral(" - ") + kProductName;
}

QString FocusCaptionFor(const QString& file_name) {
  if (file_name == kUntitled) return kProductName;
  return ReadableName(QFileInfo(file_name).fileName()) + QStringLiteral(" - ") + kProductName;
}

}  // namespace tochkograf
