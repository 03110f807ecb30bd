#include "files/document_commands.h"

#include <QFileInfo>
#include <utility>

#include "files/bmp_import.h"
#include "files/ems_file.h"
#include "files/read_head.h"
#include "picture/undo_clipboard.h"
#include "picture/view.h"

namespace tochkograf {

FilterTable EmsFilters() {
  return {{QStringLiteral("EMS-рисунок (EMS)"), QStringLiteral("*.ems")},
          {QStringLiteral("Все файлы"), QStringLiteral("*.*")}};
}

DocumentCommands::DocumentCommands(DocumentContext document, FileDialogPlatform& dialogs,
                                   QString start_folder, QObject* owner)
    : document_(document),
      dialogs_(dialogs),
      start_folder_(std::move(start_folder)),
      owner_(owner) {}

QString DocumentCommands::InitialFolder() const {
  if (document_.state.FileName != kUntitled)
    return AddBackslash(QFileInfo(document_.state.FileName).absolutePath());
  return AddBackslash(last_folder_.isEmpty() ? start_folder_ : last_folder_);
}

void DocumentCommands::Used(const QString& path) { last_folder_ = QFileInfo(path).absolutePath(); }

bool DocumentCommands::MayDropChanges(const QString& title) {
  if (document_.state.IZM == kOff) return true;
  switch (document_.messages.AskSaveChanges(title)) {
    case SaveAnswer::Yes: return filesave();
    case SaveAnswer::No: return true;
    case SaveAnswer::Cancel: return false;
  }
  return false;
}

void DocumentCommands::filenew() {
  if (!MayDropChanges(kNewTitle)) return;
  DocumentState& state = document_.state;
  state.IZM = kOff;
  state.FileName = kUntitled;
  for (PixelGrid* grid : {&state.Pixels, &state.ClipPixels})
    for (int x = 1; x <= kMaxWidth; ++x)
      for (int y = 1; y <= kMaxHeight; ++y) (*grid)(x, y) = kOff;
  SaveUndo(state);
  RedrawPole(state, document_.view);
}

QString DocumentCommands::ChooseFileToOpen(const FilterTable& filters, const QString& title) {
  QString folder = InitialFolder();
  QStringList names;
  ShowFileDialog(dialogs_, kOpenMode, folder, names, filters, QString(), owner_, title);
  return names.value(0);
}

QString DocumentCommands::ChooseFileToWrite(const QString& title, const FilterTable& filters,
                                            const QString& name, int& type) {
  FileDialogRecord record;
  record.owner = owner_;
  record.title = title;
  record.filter = FilterText(filters);
  record.initial_dir = InitialFolder();
  record.flags = kSaveDialogFlags & ~kOverwritePrompt;
  record.file_name = name;
  record.filter_index = type;
  if (dialogs_.GetSaveFileName(record) != 1) return QString();
  type = record.filter_index;
  return record.chosen.value(0);
}

void DocumentCommands::fileopen() {
  if (!MayDropChanges(kOpenTitle)) return;
  const QString path = ChooseFileToOpen(EmsFilters());
  if (!path.isEmpty()) OpenEms(path);
}

void DocumentCommands::OpenEms(const QString& path) {
  if (!ReadEmsFile(document_, path)) return;
  document_.state.FileName = QFileInfo(path).absoluteFilePath();
  Used(path);
  UpdateCaption(document_);
}

void DocumentCommands::OpenGiven(const QString& path) {
  if (!IsBmpFile(path)) {
    OpenEms(path);
  } else if (ImportBmpFile(document_, path)) {
    Used(path);
  }
}

bool IsBmpFile(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == QLatin1String("bmp")) return true;
  if (suffix == QLatin1String("ems")) return false;
  QByteArray head;
  return ReadHead(path, 2, head) && head == "BM";
}

bool DocumentCommands::filesave() {
  if (document_.state.FileName == kUntitled) return filesaveas();
  return WriteEmsFile(document_, document_.state.FileName);
}

bool DocumentCommands::filesaveas() {
  QString folder = InitialFolder();
  QStringList names;
  if (!ShowFileDialog(dialogs_, kSaveMode, folder, names, EmsFilters(), QString(), owner_))
    return false;
  const QString path = SaveAsName(names.value(0));
  if (path.isEmpty() || !WriteEmsFile(document_, path)) return false;
  Used(path);
  return true;
}

QString DocumentCommands::SaveAsName(QString path) {
  const QFileInfo typed(path);
  if (typed.fileName().contains(QLatin1Char('.'))) return typed.absoluteFilePath();
  path = typed.absoluteFilePath() + QStringLiteral(".ems");
  // The dialog looked at the name as typed, not at this one.
  const QFileInfo added(path);
  if (added.isDir()) {
    document_.messages.ShowFailure(kFolderExists.arg(added.fileName()));
    return QString();
  }
  if (added.exists() && !document_.messages.AskReplace(kSaveDialogTitle, added.fileName()))
    return QString();
  return path;
}

}  // namespace tochkograf
