#include "commands/caption.h"

#include <QFileInfo>

#include "files/disk/system_name.h"
#include "images/file_formats.h"
#include "picture/document_state.h"

namespace tochkograf {

QString PictureNameFor(const QString& file_name) {
  if (file_name == kUntitled) return QString();
  const QString name = ReadableName(QFileInfo(file_name).fileName());
  const QString ending = QLatin1Char('.') + OwnFormat().extensions.first();
  const bool drop = name.size() > ending.size() && name.endsWith(ending, Qt::CaseInsensitive);
  return drop ? name.chopped(ending.size()) : name;
}

QString CaptionFor(const QString& file_name) {
  if (file_name == kUntitled) return kProductName;
  return PictureNameFor(file_name) + QStringLiteral(" - ") + kProductName;
}

QString FocusCaptionFor(const QString& file_name) {
  if (file_name == kUntitled) return kProductName;
  return ReadableName(QFileInfo(file_name).fileName()) + QStringLiteral(" - ") + kProductName;
}

}  // namespace tochkograf
