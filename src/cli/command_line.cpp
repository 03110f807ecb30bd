#include "cli/command_line.h"

#include <QCommandLineParser>

#include "cli/option_reading.h"
#include "cli/option_scope.h"
#include "cli/option_table.h"
#include "files/disk/system_name.h"
#include "files/fonts/font_export.h"
#include "files/sms/sms_kinds.h"
#include "files/status_texts.h"
#include "images/thumbnail.h"

namespace tochkograf {

namespace {

struct Options {
  QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}};
  QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")}};
  QCommandLineOption thumbnail{QStringLiteral("thumbnail")};
  QCommandLineOption convert{QStringLiteral("convert")};
  QCommandLineOption send{QStringLiteral("send")};
};

CommandLine Command(Action action) {
  CommandLine command;
  command.action = action;
  return command;
}

CommandLine Misuse(const QString& problem) {
  CommandLine command = Command(Action::Misuse);
  command.problem = problem;
  return command;
}

CommandLine FileCommand(Action action, const QString& in, const QString& out, int size = 0) {
  CommandLine command = Command(action);
  command.in = in;
  command.out = out;
  command.size = size;
  return command;
}

// The argument, as it was typed, in which the parser met the option `name`.
QString ArgumentNaming(const QStringList& arguments, const QString& name) {
  for (const QString& argument : arguments) {
    if (argument == QStringLiteral("--")) break;
    const bool found =
        argument.startsWith(QStringLiteral("--"))
            ? argument.mid(2).section(u'=', 0, 0) == name
            : argument.startsWith(u'-') && name.size() == 1 && argument.mid(1).contains(name);
    if (found) return argument;
  }
  return name;
}

// The commands among the arguments, each of which takes the operands as its own.
QStringList CommandsGiven(const QCommandLineParser& parser, const Options& options) {
  QStringList given;
  for (const QCommandLineOption* command : {&options.thumbnail, &options.convert, &options.send})
    if (parser.isSet(*command)) given << QStringLiteral("--") + command->names().first();
  for (const OptionRow& row : OptionTable())
    if (row.group == OptionGroup::Command && parser.isSet(row.name))
      given << QStringLiteral("--") + row.name;
  return given;
}

CommandLine ThumbnailCommand(const QStringList& operands) {
  if (operands.size() != 3)
    return Misuse(QStringLiteral("для --thumbnail нужны три аргумента: ВХОД ВЫХОД РАЗМЕР"));
  bool number = false;
  const int size = operands[2].toInt(&number);
  if (!number || size < 1 || size > kMaxThumbnailSize)
    return Misuse(QStringLiteral("РАЗМЕР должен быть целым числом от 1 до %1, а не %2")
                      .arg(kMaxThumbnailSize)
                      .arg(Quoted(operands[2])));
  return FileCommand(Action::Thumbnail, operands[0], operands[1], size);
}

CommandLine ConvertCommand(const QStringList& operands) {
  if (operands.size() != 2)
    return Misuse(QStringLiteral("для --convert нужны два аргумента: ВХОД ВЫХОД"));
  return FileCommand(Action::Convert, operands[0], operands[1]);
}

// --send IN, with what the messages cannot go without.
CommandLine SendCommand(const QStringList& operands, const QCommandLineParser& parser) {
  if (operands.size() != 1) return Misuse(QStringLiteral("для --send нужен один аргумент: ВХОД"));
  CommandLine command = FileCommand(Action::Send, operands[0], {});
  if (QString problem = ReadConvertOptions(parser, command); !problem.isEmpty())
    return Misuse(problem);
  if (const QString problem =
          OptionOutOfScope(parser, {command.in, {}, command.phone.sms.kind, true});
      !problem.isEmpty())
    return Misuse(problem);
  if (command.device.name.isEmpty())
    return Misuse(QStringLiteral("для --send нужен порт модема: --device ПОРТ"));
  if (command.phone.sms.recipient.isEmpty())
    return Misuse(QStringLiteral("для --send нужен номер получателя: --to НОМЕР"));
  if (SmsKindOf(command.phone.sms.kind).network && !command.phone.network)
    return Misuse(QStringLiteral("для --kind %1 нужен код сети: --network MCC-MNC")
                      .arg(SmsKindOf(command.phone.sms.kind).word));
  return command;
}

// A command of the option table, given with `operands`.
CommandLine TableCommand(const OptionRow& row, const QStringList& operands) {
  if (operands.size() != row.operands.size())
    return Misuse(
        QStringLiteral("для --%1 нужны аргументы: %2").arg(row.name, row.operands.join(u' ')));
  CommandLine command;
  row.read({}, -1, command);
  command.in = operands.value(0);
  command.out = operands.value(1);
  return command;
}

// --font-export FONT OUT, with the options that act on it.
CommandLine FontExportCommand(const OptionRow& row, const QCommandLineParser& parser,
                              const QStringList& operands) {
  CommandLine command = TableCommand(row, operands);
  if (command.action == Action::Misuse) return command;
  for (const OptionRow& option : OptionTable())
    if (option.group != OptionGroup::Command && !option.font_export && parser.isSet(option.name))
      return Misuse(QStringLiteral("--%1 не действует с --font-export").arg(option.name));
  if (!IsFontExportPath(command.out))
    return Misuse(
        QStringLiteral("ВЫХОД --font-export — файл .h (шрифт Adafruit GFX) или .bdf, а не %1")
            .arg(Quoted(command.out)));
  const QString problem = ReadConvertOptions(parser, command);
  return problem.isEmpty() ? command : Misuse(problem);
}

CommandLine EditCommand(const QStringList& operands) {
  if (operands.size() > 1)
    return Misuse(QStringLiteral("редактор открывает один файл, лишний аргумент %1")
                      .arg(Quoted(operands[1])));
  CommandLine command = Command(Action::Edit);
  if (!operands.isEmpty()) command.file = operands[0];
  return command;
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
  Options options;
  QCommandLineParser parser;
  parser.addOptions(
      {options.help, options.version, options.thumbnail, options.convert, options.send});
  AddConvertOptions(parser);
  // The parser takes the program's name first.
  if (!parser.parse(QStringList{kProgramName} + arguments)) {
    const QStringList unknown = parser.unknownOptionNames();
    if (const QString missing = MissingOptionValue(arguments); !missing.isEmpty())
      return Misuse(missing);
    if (unknown.isEmpty())  // the only other fault: a value given to a flag
      return Misuse(QStringLiteral("параметры программы не принимают значений через «=»"));
    return Misuse(QStringLiteral("неизвестный параметр %1")
                      .arg(Quoted(ArgumentNaming(arguments, unknown.first()))));
  }
  if (parser.isSet(options.help)) return Command(Action::Help);
  if (parser.isSet(options.version)) return Command(Action::Version);
  const QStringList operands = parser.positionalArguments();
  const QStringList commands = CommandsGiven(parser, options);
  if (commands.size() > 1)
    return Misuse(
        QStringLiteral("%1 нельзя указывать вместе").arg(commands.join(QStringLiteral(" и "))));
  for (const OptionRow& row : OptionTable())
    if (row.font_export && row.group == OptionGroup::Command && parser.isSet(row.name))
      return FontExportCommand(row, parser, operands);
  if (const QString given = OptionsWithoutTheirCommand(parser, parser.isSet(options.convert),
                                                       parser.isSet(options.send));
      !given.isEmpty())
    return Misuse(given);
  if (parser.isSet(options.thumbnail)) return ThumbnailCommand(operands);
  if (parser.isSet(options.send)) return SendCommand(operands, parser);
  if (parser.isSet(options.convert)) {
    CommandLine command = ConvertCommand(operands);
    if (command.action == Action::Misuse) return command;
    QString problem = ReadConvertOptions(parser, command);
    if (problem.isEmpty())
      problem = OptionOutOfScope(parser, {command.in, command.out, command.phone.sms.kind});
    return problem.isEmpty() ? command : Misuse(problem);
  }
  for (const OptionRow& row : OptionTable())
    if (row.group == OptionGroup::Command && parser.isSet(row.name))
      return TableCommand(row, operands);
  return EditCommand(operands);
}

QStringList ArgumentsOf(int argc, const char* const* argv) {
  QStringList arguments;
  // Names as the system gave them, whatever their bytes.
  for (int i = 1; i < argc; ++i) arguments << NameFromSystem(argv[i]);
  return arguments;
}

}  // namespace tochkograf
