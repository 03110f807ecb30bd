#pragma once

#include <QKeySequence>
#include <QString>
#include <optional>
#include <vector>

#include "picture/document_state.h"
#include "picture/selection.h"

namespace tochkograf {

class DesktopClipboard;
class DocumentCommands;
class PhoneExportDialogs;
class PhoneReception;
class PhoneSending;
class PictureView;
class SideWindows;

// What the commands that act on the main window itself ask of it.
class CommandWindow {
 public:
  virtual ~CommandWindow() = default;
  // As the window's own close button: asks about unsaved changes first.
  virtual void Close() = 0;
  // Plays the frames, or stops them where they are playing.
  virtual void PlayOrStop() = 0;
};

// What a command runs with: the document, its commands and the view it is
// drawn in, the side windows, the clipboard, the export's questions for the
// phones' types, the sending through a modem, the receiving, the main
// window itself and the cells marked in it.
struct CommandContext {
  DocumentCommands& commands;
  DocumentState& state;
  PictureView& view;
  SideWindows& windows;
  DesktopClipboard& clipboard;
  PhoneExportDialogs& phone_dialogs;
  PhoneSending& phone_sending;
  PhoneReception& phone_reception;
  CommandWindow& window;
  Selection& selection;
};

// What a command's check mark and availability are read from: the document,
// and whether its frames are being played.
struct CommandState {
  const DocumentState& document;
  bool playing = false;
};

// Where a toolbar button sits in the band above the drawing area, at 96 dpi:
// a square `size` pixels wide with its top-left corner at (left, top).
struct ButtonPlace {
  int left = 0, top = 0, size = 0;
};

// One command of the main window, made into one QAction: its menu item and,
// where it has a place there, its toolbar button. An entry with no caption
// is a separator of the menu.
struct Command {
  const char* name = nullptr;  // the action's object name, as the menu item's: "filenew"
  QString caption{};
  // The name of the step the command makes in the picture's history, where
  // its caption is not that name; empty: the caption, without its dots.
  QString step{};
  QKeySequence shortcut{};
  // What the command does, whether from its item, its button or its keys.
  void (*run)(CommandContext&) = nullptr;
  const char* const* picture = nullptr;  // the toolbar button's 24 x 24 picture
  std::optional<ButtonPlace> button{};
  // A command that shows a state by its check mark reads that state here;
  // the mark is set from it after every command.
  bool (*checked)(const CommandState&) = nullptr;
  // Whether the command can do anything now; where it cannot, its item and
  // button are disabled, set after every command as the marks are. Null:
  // whenever the frames are not being played, since while they play only
  // the command that stops them can be given.
  bool (*enabled)(const CommandState&) = nullptr;
  // Checked commands of one group are one choice: their items show the
  // check mark as a dot, and choosing one clears the others.
  const char* group = nullptr;
  // The toolbar button's tooltip, for a button whose picture alone does
  // not say what it does.
  QString tooltip{};
  // The command works on floating cells as they float; before any other,
  // they are put down.
  bool floats = false;
};

struct Menu {
  const char* name;  // the menu's object name: "filemenu"
  QString caption{};
  std::vector<Command> commands;
};

// Every menu and command of the main window, in order: the one table its
// actions, menus and toolbar buttons are all made from.
std::vector<Menu> CommandTable();

}  // namespace tochkograf
