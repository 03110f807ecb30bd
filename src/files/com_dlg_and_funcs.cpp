#include "files/com_dlg_and_funcs.h"

#include <QDir>
#include <QFileInfo>

namespace tochkograf {

namespace {

const QChar kNul(u'\0');

FileDialogRecord DialogRecord(int mode, const QString& folder, const FilterTable& filters,
                              const QString& default_extension, QObject* owner,
                              const QString& title) {
  FileDialogRecord record;
  record.owner = owner;
  record.filter = FilterText(filters);
  record.initial_dir = folder;
  record.title = !title.isEmpty() ? title : mode == kOpenMode ? kOpenDialogTitle : kSaveDialogTitle;
  record.flags = mode == kOpenMode ? kOpenDialogFlags : kSaveDialogFlags;
  if (!default_extension.isEmpty()) record.default_ext = default_extension;
  return record;
}

}  // namespace

bool ShowFileDialog(FileDialogPlatform& platform, int mode, QString& folder, QStringList& names,
                    const FilterTable& filters, const QString& default_extension, QObject* owner,
                    const QString& title) {
  FileDialogRecord record = DialogRecord(mode, folder, filters, default_extension, owner, title);
  const int result = mode == kOpenMode ? platform.GetOpenFileName(record)
                                       : platform.GetSaveFileName(record);
  if (result == 1 && !record.chosen.value(0).isEmpty()) {
    folder = QFileInfo(record.chosen.first()).absolutePath();
    names = record.chosen;
    return true;
  }
  folder.clear();
  names = QStringList{QString()};
  return false;
}

QString FilterText(const FilterTable& filters) {
  if (filters.isEmpty())
    return QStringLiteral("Все файлы") + kNul + QStringLiteral("*.*") + kNul + kNul;
  QString text;
  for (const FileFilter& filter : filters) {
    if (filter.pattern.size() < 2) continue;
    text += filter.description.size() < 2 ? QStringLiteral("Разные файлы") : filter.description;
    text += kNul + filter.pattern + kNul;
  }
  return text + kNul + kNul;
}

QString AddBackslash(const QString& path) {
  if (path.isEmpty() || path.endsWith(QDir::separator())) return path;
  return path + QDir::separator();
}

QString TakeNullItem(QString& text) {
  const int at = text.indexOf(kNul);
  QString item;
  if (at < 0) {
    item = text;
    text.clear();
  } else {
    item = text.left(at);
    text.remove(0, at + 1);
  }
  return item;
}

}  // namespace tochkograf
