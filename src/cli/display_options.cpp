#include "cli/display_options.h"

#include <QCommandLineParser>

#include "files/status_texts.h"

namespace tochkograf {

namespace {

const QString kLayout = QStringLiteral("layout");
const QString kSetBit = QStringLiteral("set-bit");
const QString kProgmem = QStringLiteral("progmem");

template <typename Names>
QStringList Options(const Names& names) {
  QStringList options;
  for (const auto& name : names) options << name.option;
  return options;
}

template <typename Value>
QString ReadValue(const QString& option, const QStringList& words,
                  std::optional<Value> (*of)(const QString&), const QString& text,
                  std::optional<Value>& chosen) {
  chosen = of(text);
  if (chosen) return {};
  return QStringLiteral("--%1 ждёт одно из: %2, а не %3")
      .arg(option, words.join(QStringLiteral(", ")), Quoted(text));
}

bool WritesArray(const ConversionTarget& target) {
  return OutputAsks(target, ExportQuestion::CArray);
}

bool ReadsOrWritesArray(const ConversionTarget& target) {
  return WritesArray(target) ||
         !FormatsOfName(Where(BuiltInFormats(), ImportedAsCArray), target.in).isEmpty();
}

QString ArraysWritten() { return OutputsAsking(ExportQuestion::CArray); }

QString ArraysWrittenOrRead() {
  QStringList extensions;
  for (const FileFormat* format : Where(BuiltInFormats(), ImportedAsCArray))
    for (const QString& extension : format->extensions) extensions << u'.' + extension;
  return QStringLiteral("массив C (%1 или ВХОД %2)")
      .arg(ArraysWritten(), extensions.join(QStringLiteral(", ")));
}

}  // namespace

QList<OptionScope> DisplayArrayOptionScopes() {
  return {{kLayout, ReadsOrWritesArray, ArraysWrittenOrRead},
          {kSetBit, ReadsOrWritesArray, ArraysWrittenOrRead},
          {kProgmem, WritesArray, ArraysWritten}};
}

CArrayOptions DisplayArrayOptions::Written() const {
  CArrayOptions options;
  options.layout = layout.value_or(options.layout);
  options.set_bit = set_bit.value_or(options.set_bit);
  options.progmem = progmem;
  return options;
}

CArrayScan DisplayArrayOptions::Read(CArrayScan scan, const std::optional<QSize>& size) const {
  if (layout) scan.layout = layout;
  if (set_bit) scan.set_bit = set_bit;
  if (size) scan.size = size;
  return scan;
}

QList<QCommandLineOption> DisplayArrayOptionList() {
  return {QCommandLineOption(kLayout, {}, QStringLiteral("LAYOUT")),
          QCommandLineOption(kSetBit, {}, QStringLiteral("MEANING")), QCommandLineOption(kProgmem)};
}

bool AnyDisplayArrayOption(const QCommandLineParser& parser) {
  for (const QString& name : {kLayout, kSetBit, kProgmem})
    if (parser.isSet(name)) return true;
  return false;
}

QString ReadDisplayArrayOptions(const QCommandLineParser& parser, DisplayArrayOptions& options) {
  QString problem;
  if (parser.isSet(kLayout))
    problem = ReadValue(kLayout, Options(LayoutNames()), LayoutOfOption, parser.value(kLayout),
                        options.layout);
  if (problem.isEmpty() && parser.isSet(kSetBit))
    problem = ReadValue(kSetBit, Options(SetBitNames()), SetBitOfOption, parser.value(kSetBit),
                        options.set_bit);
  options.progmem = parser.isSet(kProgmem);
  return problem;
}

QString MissingDisplayArrayValue(const QStringList& arguments) {
  for (const QString& name : {kLayout, kSetBit})
    if (!arguments.isEmpty() && arguments.last() == QStringLiteral("--") + name)
      return QStringLiteral("после --%1 нужно значение").arg(name);
  return {};
}

QList<HelpItem> DisplayArrayOptionsHelp() {
  QStringList layouts;
  for (const LayoutName& name : LayoutNames())
    layouts << QStringLiteral("%1 — %2").arg(name.option, name.caption.toLower());
  return {{QStringLiteral("--layout РАСКЛАДКА"),
           QStringLiteral("раскладка байтов массива C (.h) для дисплея: %1; по умолчанию %2")
               .arg(layouts.join(QStringLiteral("; ")), LayoutNames().first().option)},
          {QStringLiteral("--set-bit %1").arg(Options(SetBitNames()).join(u'|')),
           QStringLiteral("что значит установленный бит массива: чёрную точку (ink, по "
                          "умолчанию) или белую (paper)")},
          {QStringLiteral("--progmem"),
           QStringLiteral("объявить записываемый массив с PROGMEM, в памяти программы "
                          "(Arduino)")},
          {{},
           QStringLiteral("Массив C на входе (.h, .c, .ino, .txt) читается как первый массив "
                          "байтов в тексте; чего не указано, угадывается, как в диалоге "
                          "импорта массива C: размер из определений _WIDTH и _HEIGHT или из "
                          "комментария рядом, иначе по числу байтов.")}};
}

}  // namespace tochkograf
