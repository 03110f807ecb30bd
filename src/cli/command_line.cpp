#include "cli/command_line.h"

#include <QCommandLineParser>

#include "files/system_name.h"
#include "images/file_formats.h"
#include "images/thumbnail.h"
#include "version.h"

namespace tochkograf {

namespace {

const QString kProgram = QStringLiteral("tochkograf");

struct Options {
  QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}};
  QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")}};
  QCommandLineOption thumbnail{QStringLiteral("thumbnail")};
  QCommandLineOption convert{QStringLiteral("convert")};
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

QString Quoted(const QString& text) { return QStringLiteral("«%1»").arg(text); }

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

CommandLine EditCommand(const QStringList& operands) {
  if (operands.size() > 1)
    return Misuse(QStringLiteral("редактор открывает один файл, лишний аргумент %1")
                      .arg(Quoted(operands[1])));
  CommandLine command = Command(Action::Edit);
  if (!operands.isEmpty()) command.file = operands[0];
  return command;
}

// The types the table reads and writes, e.g. ".ems (EMS-рисунок)".
QString FormatList() {
  QStringList items;
  for (const FileFormat& format : FileFormats())
    items << QStringLiteral(".%1 (%2)")
                 .arg(format.extensions.join(QStringLiteral(", .")), format.name);
  return items.join(QStringLiteral(", "));
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
  Options options;
  QCommandLineParser parser;
  parser.addOptions({options.help, options.version, options.thumbnail, options.convert});
  parser.addOptions(ConversionOptionList());
  // The parser takes the program's name first.
  if (!parser.parse(QStringList{kProgram} + arguments)) {
    const QStringList unknown = parser.unknownOptionNames();
    if (const QString missing = MissingConversionValue(arguments); !missing.isEmpty())
      return Misuse(missing);
    if (unknown.isEmpty())  // the only other fault: a value given to a flag
      return Misuse(QStringLiteral("параметры программы не принимают значений через «=»"));
    return Misuse(QStringLiteral("неизвестный параметр %1")
                      .arg(Quoted(ArgumentNaming(arguments, unknown.first()))));
  }
  if (parser.isSet(options.help)) return Command(Action::Help);
  if (parser.isSet(options.version)) return Command(Action::Version);
  const QStringList operands = parser.positionalArguments();
  if (parser.isSet(options.thumbnail) && parser.isSet(options.convert))
    return Misuse(QStringLiteral("--thumbnail и --convert нельзя указывать вместе"));
  if (AnyConversionOption(parser) && !parser.isSet(options.convert))
    return Misuse(
        QStringLiteral("--size, --threshold, --dither и --invert действуют только с --convert"));
  if (parser.isSet(options.thumbnail)) return ThumbnailCommand(operands);
  if (parser.isSet(options.convert)) {
    CommandLine command = ConvertCommand(operands);
    const QString problem = ReadConversionOptions(parser, command.options);
    return problem.isEmpty() || command.action == Action::Misuse ? command : Misuse(problem);
  }
  return EditCommand(operands);
}

QStringList ArgumentsOf(int argc, const char* const* argv) {
  QStringList arguments;
  // Names as the system gave them, whatever their bytes.
  for (int i = 1; i < argc; ++i) arguments << NameFromSystem(argv[i]);
  return arguments;
}

QString CommandLineUsage() {
  return QStringLiteral(
             "Использование: %1 [ФАЙЛ]\n"
             "               %1 --thumbnail ВХОД ВЫХОД РАЗМЕР\n"
             "               %1 --convert ВХОД ВЫХОД [--size ШxВ] [--threshold N]\n"
             "                            [--dither none|floyd|bayer] [--invert]\n"
             "               %1 --help | --version\n")
      .arg(kProgram);
}

QString CommandLineHelp() {
  return CommandLineUsage() +
         QStringLiteral(
             "\n"
             "Редактор чёрно-белых EMS-рисунков для мобильных телефонов (до %1 x %2 точек).\n"
             "\n"
             "  ФАЙЛ              открыть рисунок в редакторе\n"
             "  --thumbnail ВХОД ВЫХОД РАЗМЕР\n"
             "                    записать эскиз рисунка ВХОД в файл PNG ВЫХОД размером\n"
             "                    не больше РАЗМЕР x РАЗМЕР точек, без окна\n"
             "  --convert ВХОД ВЫХОД\n"
             "                    записать рисунок ВХОД в файл ВЫХОД другого типа, без окна\n"
             "%4"
             "  -h, --help        показать эту справку\n"
             "  -v, --version     показать версию программы\n"
             "\n"
             "Тип файла определяется по расширению имени: %3.\n"
             "Коды выхода: 0 успех, 1 ошибка чтения или записи файла, 2 неверные аргументы.\n")
             .arg(kMaxWidth)
             .arg(kMaxHeight)
             .arg(FormatList(), ConversionOptionsHelp());
}

QString VersionLine() {
  return QStringLiteral("%1, версия %2\n").arg(kProgram, QStringLiteral(TOCHKOGRAF_VERSION));
}

}  // namespace tochkograf
