#include "cli/help_text.h"

#include "cli/option_table.h"
#include "files/status_texts.h"
#include "images/file_formats.h"
#include "picture/picture.h"
#include "version.h"

namespace tochkograf {

namespace {

constexpr int kColumns = 79;     // the last one is left free
constexpr int kTextColumn = 20;  // where an item's text starts
constexpr int kItemIndent = 2;

// The types the program reads or writes with a codec of its own, e.g.
// ".ems (EMS-рисунок)".
QString FormatList() {
  QStringList items;
  for (const FileFormat* format : BuiltInFormats())
    if (format->read || format->write)
      items << QStringLiteral(".%1 (%2)")
                   .arg(format->extensions.join(QStringLiteral(", .")), format->name);
  return items.join(QStringLiteral(", "));
}

// `text` broken at its spaces into lines of at most kColumns, the first
// after the last line of `first`, the others after `indent` spaces; a word
// longer than a line stands alone on it.
QString Wrapped(const QString& first, const QString& text, int indent) {
  QString result = first, line;
  qsizetype room = kColumns - (first.size() - first.lastIndexOf(u'\n') - 1);
  for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
    if (!line.isEmpty() && line.size() + 1 + word.size() > room) {
      result += line + u'\n' + QString(indent, u' ');
      line.clear();
      room = kColumns - indent;
    }
    line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
  }
  return result + line + u'\n';
}

QString Item(const HelpItem& item) {
  const QString indent(kItemIndent, u' ');
  if (item.term.isEmpty()) return Wrapped(indent, item.text, kItemIndent);
  QString head = indent + item.term;
  if (head.size() + 2 > kTextColumn)
    head += u'\n' + QString(kTextColumn, u' ');
  else
    head = head.leftJustified(kTextColumn);
  return Wrapped(head, item.text, kTextColumn);
}

// An option with its value: "--size ШxВ", `space` between them.
QString Spelt(const OptionRow& option, QChar space) {
  return QStringLiteral("--") + option.name +
         (option.value.isEmpty() ? QString() : space + option.value);
}

// The options that may follow a call, each in brackets unless it is needed.
QString Usage(const QList<const OptionRow*>& options) {
  QStringList usage;
  for (const OptionRow* option : options)
    usage << (option->needed ? Spelt(*option, QChar::Nbsp)
                             : u'[' + Spelt(*option, QChar::Nbsp) + u']');
  return usage.join(u' ');
}

QList<const OptionRow*> OptionsOf(OptionGroup group) {
  QList<const OptionRow*> options;
  for (const OptionRow& option : OptionTable())
    if (option.group == group) options << &option;
  return options;
}

QList<const OptionRow*> OptionsNamed(const QStringList& names) {
  QList<const OptionRow*> options;
  for (const QString& name : names)
    for (const OptionRow& option : OptionTable())
      if (option.name == name) options << &option;
  return options;
}

// The options of --convert group by group, among their paragraphs.
QList<HelpItem> OptionsHelp() {
  QList<HelpItem> items;
  for (const OptionGroupRow& group : OptionGroups()) {
    if (!group.before.isEmpty()) items.append({{}, group.before});
    for (const OptionRow* option : OptionsOf(group.group))
      items.append({option->term.isEmpty() ? Spelt(*option, u' ') : option->term, option->help});
    if (!group.after.isEmpty()) items.append({{}, group.after});
  }
  return items;
}

// The commands of the option table: "--receive ИСТОЧНИК ПАПКА", or the
// call a command's term spells with its options.
QStringList TableCommands() {
  QStringList calls;
  for (const OptionRow* command : OptionsOf(OptionGroup::Command))
    calls << (command->term.isEmpty()
                  ? QStringLiteral("--%1 %2").arg(command->name, command->operands.join(u' '))
                  : command->term);
  return calls;
}

}  // namespace

HelpText CommandLineHelpText() {
  const QString most = SizeText(kMaxWidth, kMaxHeight);
  HelpText help;
  help.calls = {
      QStringLiteral("[ФАЙЛ]"),
      QStringLiteral("--thumbnail ВХОД ВЫХОД РАЗМЕР"),
      QStringLiteral("--convert ВХОД ВЫХОД ") + Usage(OptionsOf(OptionGroup::Conversion)),
      QStringLiteral("--convert ВХОД ВЫХОД.at ") + Usage(OptionsOf(OptionGroup::Phone)),
      QStringLiteral("--convert ВХОД ВЫХОД.h ") + Usage(OptionsOf(OptionGroup::DisplayArray)),
      QStringLiteral("--convert ВХОД ВЫХОД.ino ") +
          Usage(OptionsNamed(
              {QStringLiteral("address"), QStringLiteral("height"), QStringLiteral("compress")})),
      // What a C array read takes.
      QStringLiteral("--convert ВХОД.h ВЫХОД ") +
          Usage(OptionsNamed(
              {QStringLiteral("size"), QStringLiteral("layout"), QStringLiteral("set-bit")})),
      QStringLiteral("--send ВХОД ") +
          Usage(OptionsNamed({QStringLiteral("device"), QStringLiteral("to"),
                              QStringLiteral("text"), QStringLiteral("kind"),
                              QStringLiteral("network"), QStringLiteral("speed")})),
  };
  help.calls += TableCommands();
  help.calls << QStringLiteral("--help | --version");
  help.summary =
      QStringLiteral("Редактор чёрно-белых EMS-рисунков для мобильных телефонов (до %1 точек).")
          .arg(most);
  help.items = {
      {QStringLiteral("ФАЙЛ"),
       QStringLiteral("открыть файл в редакторе: рисунок .ems открывается, двухцветный BMP "
                      "импортируется, как командой «Импорт из BMP», BMP другой глубины и "
                      "изображение любого другого типа и строка шестнадцатеричных цифр элемента "
                      "EMS (.txt) — как командой «Импорт изображения...», а массив C (.h, .c, "
                      ".ino, .txt) — как командой «Импорт массива C...»")},
      {QStringLiteral("--thumbnail ВХОД ВЫХОД РАЗМЕР"),
       QStringLiteral("записать эскиз рисунка ВХОД в файл PNG ВЫХОД размером не больше "
                      "РАЗМЕР\u00a0x\u00a0РАЗМЕР точек, без окна")},
      {QStringLiteral("--convert ВХОД ВЫХОД"),
       QStringLiteral("записать рисунок ВХОД в файл ВЫХОД другого типа, без окна. ВХОД "
                      "читается, как его открыл бы редактор: рисунок .ems, двухцветный BMP и "
                      "изображение не больше %1 не более чем в два цвета берутся как есть, "
                      "а любое другое изображение (фотография, большое изображение, BMP другой "
                      "глубины) преобразуется, как по умолчанию в диалоге импорта изображения; "
                      "преобразование меняют параметры:")
           .arg(most)}};
  help.items += OptionsHelp();
  help.items += {{{},
                  QStringLiteral("Параметр, который ничего не меняет для данных ВХОДА и ВЫХОДА "
                                 "(--layout с ВЫХОДОМ .txt, --text с --kind operator, --to с "
                                 "ВЫХОДОМ .png), — неверный аргумент.")}};
  const QStringList commands = TableCommands();
  for (qsizetype i = 0; i < commands.size(); ++i)
    help.items.append({commands[i], OptionsOf(OptionGroup::Command)[i]->help});
  help.items += {{QStringLiteral("-h, --help"), QStringLiteral("показать эту справку")},
                 {QStringLiteral("-v, --version"), QStringLiteral("показать версию программы")}};
  help.notes = {
      {QStringLiteral("ТИПЫ ФАЙЛОВ"),
       QStringLiteral("Тип файла определяется по расширению имени: %1; ВХОД может быть и "
                      "изображением любого типа, который читает Qt (.jpg, .gif, .pgm...).")
           .arg(FormatList())},
      {QStringLiteral("КОДЫ ВЫХОДА"),
       QStringLiteral("Коды выхода: 0 успех, 1 ошибка чтения или записи файла или отправки "
                      "сообщений (а для --receive и источник без рисунков, для --font-export — "
                      "список символов, который не прочитать, и шрифт, где нет ни одного из "
                      "них), 2 неверные аргументы.")}};
  return help;
}

QString CommandLineUsage() {
  const HelpText help = CommandLineHelpText();
  const QString lead = QStringLiteral("Использование: ");
  QString usage;
  for (const QString& call : help.calls) {
    const QString first = (usage.isEmpty() ? lead : QString(lead.size(), u' ')) + kProgramName;
    // Continued lines start under the call's first argument.
    const qsizetype command = call.startsWith(u'-') ? call.indexOf(u' ') + 1 : 0;
    usage += Wrapped(first + u' ', call, int(first.size() + 1 + command));
  }
  return usage;
}

QString CommandLineHelp() {
  const HelpText help = CommandLineHelpText();
  QString text = CommandLineUsage() + u'\n' + Wrapped({}, help.summary, 0) + u'\n';
  for (const HelpItem& item : help.items) text += Item(item);
  text += u'\n';
  for (const HelpItem& note : help.notes) text += Wrapped({}, note.text, 0);
  return text;
}

QString VersionLine() {
  return QStringLiteral("%1, версия %2\n").arg(kProgramName, QStringLiteral(TOCHKOGRAF_VERSION));
}

}  // namespace tochkograf
