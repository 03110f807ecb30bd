#pragma once

#include <QKeySequence>
#include <QString>
#include <optional>
#include <vector>

#include "picture/document_state.h"

namespace tochkograf {

class Form1;

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
  QKeySequence shortcut{};
  void (Form1::*run)() = nullptr;
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
};

struct Menu {
  const char* name;  // the menu's object name: "filemenu"
  QString caption{};
  std::vector<Command> commands;
};

}  // namespace tochkograf
