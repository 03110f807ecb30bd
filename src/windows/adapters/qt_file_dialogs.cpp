#include "windows/adapters/qt_file_dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QSettings>
#include <QTreeView>
#include <utility>

#include "windows/adapters/russian_file_details.h"
#include "windows/centre_over.h"
#include "windows/dialogs/exact_name_dialog.h"
#include "windows/screen_room.h"

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

// The size the dialog lays itself out at, where the screen has room for it,
// centred over its owner within the screen.
void FitOnScreen(QFileDialog& dialog) {
  if (!dialog.testAttribute(Qt::WA_Resized)) dialog.adjustSize();
  dialog.resize(dialog.size().boundedTo(ScreenRoom(&dialog)));
  if (dialog.parentWidget()) CentreOver(&dialog, dialog.parentWidget()->window());
}

// Which of `filters` the dialog reports chosen. With their patterns hidden
// it reports only the description.
int FilterIndex(const QStringList& filters, const QString& selected) {
  for (int i = 0; i < filters.size(); ++i)
    if (filters[i] == selected || filters[i].startsWith(selected + QStringLiteral(" ("))) return i;
  return 0;
}

}  // namespace

bool QtFileDialogs::Show(const FileDialogRequest& request, FileDialogChoice& choice) {
  KeepNoDialogState();
  ExactNameDialog dialog(qobject_cast<QWidget*>(request.owner), request.title, request.folder);
  // Qt's own dialog behaves and reads the same on every desktop, in Russian.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setProxyModel(new RussianFileDetails(&dialog));
  FitDetailColumns(dialog);
  const QStringList filters = NameFilters(request.filters);
  dialog.setNameFilters(filters);
  if (request.filter > 0 && request.filter < filters.size())
    dialog.selectNameFilter(filters[request.filter]);
  if (request.mode == FileDialogMode::Save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.ask_before_replacing);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
  }
  if (!request.name.isEmpty()) dialog.selectFile(request.name);
  FitOnScreen(dialog);
  if (dialog.exec() != QDialog::Accepted) return false;
  choice.filter = FilterIndex(filters, dialog.selectedNameFilter());
  choice.paths.clear();
  for (const QString& path : dialog.ChosenPaths())
    choice.paths.append(QFileInfo(path).absoluteFilePath());
  return !choice.paths.isEmpty();
}

QStringList NameFilters(const FilterTable& filters) {
  QStringList names;
  for (const FileFilter& filter : filters)
    names.append(QStringLiteral("%1 (%2)").arg(filter.description, filter.patterns.join(u' ')));
  return names;
}

}  // namespace tochkograf
