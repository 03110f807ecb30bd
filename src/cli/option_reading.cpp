#include "cli/option_reading.h"

#include <QCommandLineParser>

#include "cli/command_line.h"
#include "cli/option_table.h"
#include "files/status_texts.h"

namespace tochkograf {

namespace {

// The value of an option that has to be one of its words, as the place of
// that word, and the value of any other as it is.
QString ReadOption(const OptionRow& option, const QString& value, CommandLine& command) {
  const qsizetype word = option.words.indexOf(value);
  if (!option.words.isEmpty() && word < 0)
    return QStringLiteral("--%1 ждёт одно из: %2, а не %3")
        .arg(option.name, option.words.join(QStringLiteral(", ")), Quoted(value));
  return option.read(value, word, command);
}

// "--a, --b и --c".
QString Enumerated(const QStringList& names) {
  if (names.size() < 2) return names.join(QString());
  return QStringLiteral("%1 и %2").arg(names.mid(0, names.size() - 1).join(QStringLiteral(", ")),
                                       names.last());
}

}  // namespace

void AddConvertOptions(QCommandLineParser& parser) {
  for (const OptionRow& option : OptionTable())
    parser.addOption(QCommandLineOption(option.name, {}, option.value));
}

QString MissingOptionValue(const QStringList& arguments) {
  if (arguments.isEmpty()) return {};
  for (const OptionRow& option : OptionTable())
    if (!option.value.isEmpty() && arguments.last() == QStringLiteral("--") + option.name)
      return QStringLiteral("после --%1 нужно значение").arg(option.name);
  return {};
}

QString OptionsWithoutTheirCommand(const QCommandLineParser& parser, bool convert, bool send) {
  for (const OptionGroupRow& group : OptionGroups()) {
    if ((convert && group.convert) || (send && group.send)) continue;
    QStringList names;
    bool given = false;
    for (const OptionRow& option : OptionTable())
      if (option.group == group.group) {
        names << QStringLiteral("--") + option.name;
        given = given || parser.isSet(option.name);
      }
    QStringList commands;
    if (group.convert) commands << QStringLiteral("--convert");
    if (group.send) commands << QStringLiteral("--send");
    if (group.font_export) commands << QStringLiteral("--font-export");
    if (given)
      return QStringLiteral("%1 %2 только с %3")
          .arg(Enumerated(names),
               names.size() == 1 ? QStringLiteral("действует") : QStringLiteral("действуют"),
               commands.join(QStringLiteral(" или ")));
  }
  return {};
}

QString ReadConvertOptions(const QCommandLineParser& parser, CommandLine& command) {
  for (const OptionRow& option : OptionTable()) {
    if (option.group == OptionGroup::Command || !parser.isSet(option.name)) continue;
    // A flag has no value to ask the parser for.
    const QString value = option.value.isEmpty() ? QString() : parser.value(option.name);
    if (const QString problem = ReadOption(option, value, command); !problem.isEmpty())
      return problem;
  }
  return {};
}

}  // namespace tochkograf
