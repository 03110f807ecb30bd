#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "cli/option_scope.h"

namespace tochkograf {

struct CommandLine;

// The options of --convert and --send fall into groups, each with its part
// of the help, in the order the help shows them.
enum class OptionGroup {
  Conversion,    // how an image becomes a picture
  Phone,         // what goes into the files and messages for a phone
  DisplayArray,  // how C arrays for displays are written and read
  Sketch,        // the display an Arduino sketch is written for
  Frames,        // how the frames of an animation are written
  Modem,         // the modem the messages are sent through
  FontExport,    // what --font-export writes of a font
  Command,       // not an option of --convert but a command of its own, among none of the groups
};

struct OptionGroupRow {
  OptionGroup group;
  QString before{};          // the help's paragraph before its options; may be empty
  QString after{};           // and the one after them
  bool convert = true;       // its options act with --convert
  bool send = true;          // and with --send
  bool font_export = false;  // and with --font-export
};

// One option of --convert or --send, or a command. Everything that parses,
// reads, refuses, or explains the options takes them from this table: a new
// option is one more row.
struct OptionRow {
  // Reads the value given (empty for a flag) into `command`; `word` is its
  // place among `words` where it has to be one of them. What is wrong, in
  // Russian, or nothing.
  using Reader = QString (*)(const QString& value, qsizetype word, CommandLine& command);

  QString name{};  // without "--"
  OptionGroup group = OptionGroup::Conversion;
  QString value{};      // its value as the usage names it ("ШxВ"); empty for a flag
  QStringList words{};  // the words the value is one of; empty: any the reader takes
  Reader read = nullptr;
  OptionScope scope{};
  bool needed = false;  // the usage shows it unbracketed: what it acts on needs it
  QString term{};       // the help's term where it is not "--name value" (a command's: its call)
  QString help{};       // what it does, as the help says it
  // A command's operands, as the usage names them ("ИСТОЧНИК", "ПАПКА");
  // its reader then says which command the arguments make.
  QStringList operands{};
  // It acts with --font-export too, its reader told so by the command's
  // action.
  bool font_export = false;
};

// Every option, in the order they are read and a refusal is looked for:
// where several are wrong, the first is named.
const QList<OptionRow>& OptionTable();

// The groups, in the order the help shows them.
const QList<OptionGroupRow>& OptionGroups();

}  // namespace tochkograf
