#include "commands/document_commands.h"

#include <QFileInfo>
#include <utility>

#include "commands/com_dlg_and_funcs.h"
#include "commands/ems_file.h"
#include "commands/file_filters.h"
#include "commands/transfer/bmp_import.h"
#include "images/named_file.h"
#include "picture/frames.h"
#include "picture/undo_clipboard.h"
#include "picture/view.h"

namespace tochkograf {

DocumentCommands::DocumentCommands(DocumentContext document, FileDialogPlatform& dialogs,
                                   QString start_folder, QObject* owner)
    : document_(document),
      dialogs_(dialogs),
      start_folder_(std::move(start_folder)),
      owner_(owner) {}

QString DocumentCommands::InitialFolder() const {
  if (document_.state.FileName != kUntitled)
    return QFileInfo(document_.state.FileName).absolutePath();
  return last_folder_.isEmpty() ? start_folder_ : last_folder_;
}

void DocumentCommands::Used(const QString& path) { last_folder_ = QFileInfo(path).absolutePath(); }

bool DocumentCommands::MayDropChanges(const QString& title) {
  if (document_.state.IZM == kOff) return true;
  switch (document_.messages.AskSaveChanges(title)) {
    case SaveAnswer::Yes:
      return filesave();
    case SaveAnswer::No:
      return true;
    case SaveAnswer::Cancel:
      return false;
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
  KeepOneFrame(state);
  SaveUndo(state);
  state.History.Start(state);
  RedrawPole(state, document_.view);
}

QString DocumentCommands::ChooseFileToOpen(const FilterTable& filters, const QString& title) {
  FileDialogRequest request;
  request.mode = FileDialogMode::Open;
  request.owner = owner_;
  request.title = title;
  request.filters = filters;
  request.folder = InitialFolder();
  FileDialogChoice choice;
  ShowFileDialog(dialogs_, request, choice);
  return choice.paths.value(0);
}

QString DocumentCommands::ChooseFileToWrite(const QString& title, const FilterTable& filters,
                                            const QString& name, int& type) {
  FileDialogRequest request;
  request.mode = FileDialogMode::Save;
  request.owner = owner_;
  request.title = title;
  request.filters = filters;
  request.filter = type;
  request.folder = InitialFolder();
  request.name = name;
  request.ask_before_replacing = false;
  FileDialogChoice choice;
  if (!ShowFileDialog(dialogs_, request, choice)) return QString();
  type = choice.filter;
  return choice.paths.first();
}

void DocumentCommands::fileopen() {
  if (!MayDropChanges(kOpenTitle)) return;
  const QString path = ChooseFileToOpen(OwnFilters());
  if (!path.isEmpty()) OpenEms(path);
}

void DocumentCommands::OpenEms(const QString& path) {
  if (!ReadEmsFile(document_, path)) return;
  document_.state.FileName = QFileInfo(path).absoluteFilePath();
  Used(path);
  UpdateCaption(document_);
}

void DocumentCommands::OpenGiven(const QString& path) {
  const FileFormat* format = FirstTypeOfNamedFile(path);
  if (!format || format->entry != Entry::AsItIs) {
    OpenEms(path);
  } else if (ImportBmpFile(document_, path)) {
    Used(path);
  }
}

bool DocumentCommands::filesave() {
  if (document_.state.FileName == kUntitled) return filesaveas();
  return WriteEmsFile(document_, document_.state.FileName);
}

bool DocumentCommands::filesaveas() {
  FileDialogRequest request;
  request.mode = FileDialogMode::Save;
  request.owner = owner_;
  request.filters = OwnFilters();
  request.folder = InitialFolder();
  FileDialogChoice choice;
  if (!ShowFileDialog(dialogs_, request, choice)) return false;
  const QString path = SaveAsName(choice.paths.first());
  if (path.isEmpty() || !WriteEmsFile(document_, path)) return false;
  Used(path);
  return true;
}

QString DocumentCommands::SaveAsName(QString path) {
  const QFileInfo typed(path);
  if (typed.fileName().contains(QLatin1Char('.'))) return typed.absoluteFilePath();
  path = typed.absoluteFilePath() + QLatin1Char('.') + OwnFormat().extensions.first();
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
