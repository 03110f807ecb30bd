#include "windows/qt_file_dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QSettings>
#include <QTreeView>
#include <utility>

#include "files/com_dlg_and_funcs.h"
#include "windows/exact_name_dialog.h"
#include "windows/russian_file_details.h"

namespace tochkograf {

namespace {

// Gives the list's size and date columns the width of their Russian texts,
// which Qt's default widths cut short ("07.12.2...6 10:49").
void FitDetailColumns(QFileDialog& dialog) {
  auto* list = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
  if (!list) return;
  const QFontMetrics metrics(list->font());
  const int padding = 3 * metrics.averageCharWidth();
  const std::pair<int, QString> widest[] = {{1, QStringLiteral("1\u00A0023 байт")},
                                            {3, QStringLiteral("00.00.0000 00:00")}};
  QHeaderView* header = list->header();
  for (const auto& [column, text] : widest)
    header->resizeSection(column, metrics.horizontalAdvance(text) + padding);
  // Names are what the user chooses by, so they are always whole; a file
  // type's text has no bound ("Изображение Windows BMP"), so the types take
  // whatever room is left and are cut short only where there is none.
  header->setStretchLastSection(false);
  header->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  header->setSectionResizeMode(2, QHeaderView::Stretch);
}

// The program stores no settings and reads none, but Qt's own dialog keeps
// its view, folder history and column widths in the settings file all of a
// user's Qt programs share, and takes them from there. Qt's settings are
// pointed where no file can be read or made (inside a device, for root too);
// nothing else in the program uses them.
void KeepNoDialogState() {
  const QString nowhere = QStringLiteral("/dev/null/tochkograf");
  for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
    for (const QSettings::Scope scope : {QSettings::UserScope, QSettings::SystemScope})
      QSettings::setPath(format, scope, nowhere);
}

// Which of `filters` the dialog reports chosen. With their patterns hidden
// it reports only the description.
int FilterIndex(const QStringList& filters, const QString& selected) {
  for (int i = 0; i < filters.size(); ++i)
    if (filters[i] == selected || filters[i].startsWith(selected + QStringLiteral(" ("))) return i;
  return 0;
}

int Run(FileDialogRecord& record, bool save) {
  KeepNoDialogState();
  ExactNameDialog dialog(qobject_cast<QWidget*>(record.owner), record.title, record.initial_dir);
  // Qt's own dialog behaves and reads the same on every desktop, in Russian.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setProxyModel(new RussianFileDetails(&dialog));
  FitDetailColumns(dialog);
  const QStringList filters = NameFilters(record.filter);
  dialog.setNameFilters(filters);
  if (record.filter_index > 0 && record.filter_index < filters.size())
    dialog.selectNameFilter(filters[record.filter_index]);
  if (save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !(record.flags & kOverwritePrompt));
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(record.flags & kAllowMultiSelect ? QFileDialog::ExistingFiles
                                                        : QFileDialog::ExistingFile);
  }
  if (!record.default_ext.isEmpty()) dialog.setDefaultSuffix(record.default_ext);
  if (!record.file_name.isEmpty()) dialog.selectFile(record.file_name);
  if (dialog.exec() != QDialog::Accepted) return 0;
  record.filter_index = FilterIndex(filters, dialog.selectedNameFilter());
  record.chosen.clear();
  for (const QString& path : dialog.ChosenPaths())
    record.chosen.append(QFileInfo(path).absoluteFilePath());
  return record.chosen.isEmpty() ? 0 : 1;
}

}  // namespace

int QtFileDialogs::GetOpenFileName(FileDialogRecord& record) { return Run(record, false); }

int QtFileDialogs::GetSaveFileName(FileDialogRecord& record) { return Run(record, true); }

QStringList NameFilters(const QString& filter_text) {
  QStringList filters;
  QString items = filter_text;
  while (true) {
    const QString description = TakeNullItem(items);
    const QString pattern = TakeNullItem(items);
    if (description.isEmpty() || pattern.isEmpty()) break;
    QString patterns = pattern;
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    if (patterns == QLatin1String("*.*")) patterns = QStringLiteral("*");
    filters.append(QStringLiteral("%1 (%2)").arg(description, patterns));
  }
  return filters;
}

}  // namespace tochkograf
