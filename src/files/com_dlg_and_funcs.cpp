#include "files/com_dlg_and_funcs.h"

#include <QDir>

namespace tochkograf {

namespace {

constexpr int kFileBufferSize = 512;  // one more than the dialog may fill
const QChar kNul(u'\0');

FileDialogRecord DialogRecord(int mode, const QString& folder, const FilterTable& filters,
                              const QString& default_extension, QObject* owner) {
  FileDialogRecord record;
  record.owner = owner;
  record.filter = FilterText(filters);
  record.file = NullChars(kFileBufferSize);
  record.max_file = kFileBufferSize - 1;
  record.file_title = NullChars(kFileBufferSize);
  record.max_file_title = kFileBufferSize - 1;
  record.initial_dir = folder;
  record.title = mode == kOpenMode ? kOpenDialogTitle : kSaveDialogTitle;
  record.flags = mode == kOpenMode ? kOpenDialogFlags : kSaveDialogFlags;
  if (!default_extension.isEmpty()) record.default_ext = default_extension;
  return record;
}

// Splits what a confirmed dialog returned into the folder and the names.
// False when the buffer does not hold a choice in the agreed form.
bool ReadChoice(const FileDialogRecord& record, QString& folder, QStringList& names) {
  const QString text = CutAtDoubleNull(record.file);
  const int offset = record.file_offset;
  if (text.isEmpty() || offset < 1 || offset >= text.size()) return false;
  QString items = text;
  int count = 0;
  while (!items.isEmpty()) TakeNullItem(items), ++count;
  folder = text.left(offset - 1);
  names.clear();
  if (count == 1) {
    names.append(text.right(text.size() - offset));
  } else {
    items = text;
    TakeNullItem(items);  // the folder
    while (!items.isEmpty()) names.append(TakeNullItem(items));
  }
  return true;
}

}  // namespace

bool ShowFileDialog(FileDialogPlatform& platform, int mode, QString& folder, QStringList& names,
                    const FilterTable& filters, const QString& default_extension,
                    QObject* owner) {
  FileDialogRecord record = DialogRecord(mode, folder, filters, default_extension, owner);
  const int result = mode == kOpenMode ? platform.GetOpenFileName(record)
                                       : platform.GetSaveFileName(record);
  if (result == 1 && ReadChoice(record, folder, names)) return true;
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

QString NullChars(int count) { return QString(count, kNul); }

QString CutAtDoubleNull(const QString& text) {
  const int at = text.indexOf(QString(2, kNul));
  return at < 0 ? text : text.left(at);
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
