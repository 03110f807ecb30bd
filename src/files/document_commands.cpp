#include "files/document_commands.h"

#include <QFileInfo>
#include <utility>

#include "files/ems_file.h"
#include "picture/view.h"

namespace tochkograf {

FilterTable EmsFilters() {
  return {{QStringLiteral("EMS-рисунок (EMS)"), QStringLiteral("*.ems")},
          {QStringLiteral("Все файлы"), QStringLiteral("*.*")}};
}

DocumentCommands::DocumentCommands(DocumentContext document, FileDialogPlatform& dialogs,
                                   QString program_folder, QObject* owner)
    : document_(document),
      dialogs_(dialogs),
      program_folder_(std::move(program_folder)),
      owner_(owner) {}

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
  for (PixelGrid* grid : {&state.Pixels, &state.UndoPixels, &state.ClipPixels})
    for (int x = 1; x <= kMaxWidth; ++x)
      for (int y = 1; y <= kMaxHeight; ++y) (*grid)(x, y) = kOff;
  RedrawPole(state, document_.view);
}

QString DocumentCommands::ChooseFileToOpen(const FilterTable& filters) {
  QString folder = InitialFolder();
  QStringList names;
  ShowFileDialog(dialogs_, kOpenMode, folder, names, filters, QString(), owner_);
  return names.value(0);
}

void DocumentCommands::fileopen() {
  if (!MayDropChanges(kOpenTitle)) return;
  const QString name = ChooseFileToOpen(EmsFilters());
  if (name.isEmpty() || !ReadEmsFile(document_, name)) return;
  document_.state.FileName = name;
  UpdateCaption(document_);
}

bool DocumentCommands::filesave() {
  if (document_.state.FileName == kUntitled) return filesaveas();
  return WriteEmsFile(document_);
}

bool DocumentCommands::filesaveas() {
  QString folder = InitialFolder();
  QStringList names;
  if (!ShowFileDialog(dialogs_, kSaveMode, folder, names, EmsFilters(), QString(), owner_))
    return false;
  QString name = names.value(0);
  if (!name.contains(QLatin1Char('.'))) {
    name += QStringLiteral(".ems");
    // The dialog asked about the name as typed, not about this one.
    if (QFileInfo::exists(name) &&
        !document_.messages.AskReplace(kSaveDialogTitle, name))
      return false;
  }
  document_.state.FileName = name;
  return WriteEmsFile(document_);
}

}  // namespace tochkograf
