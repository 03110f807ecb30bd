#include "cli/option_scope.h"

#include <QCommandLineParser>
#include <QStringList>
#include <algorithm>

#include "cli/option_table.h"
#include "files/status_texts.h"

namespace tochkograf {

namespace {

const FileFormat* OutputType(const QString& out) {
  return FormatOfName(Where(BuiltInFormats(), Writes), out);
}

// Whether the type written for `target` asks `question` in the export.
bool OutputAsks(const ConversionTarget& target, ExportQuestion question) {
  const FileFormat* type = OutputType(target.out);
  return type && type->question == question;
}

// "ВЫХОД .at": the outputs whose type asks `question`.
QString OutputsAsking(ExportQuestion question) {
  QStringList extensions;
  for (const FileFormat* format : Where(BuiltInFormats(), Writes))
    if (format->question == question)
      for (const QString& extension : format->extensions) extensions << u'.' + extension;
  return QStringLiteral("ВЫХОД ") + extensions.join(QStringLiteral(", "));
}

// The output as a refusal names it, with the kind where the kind decides.
QString OutputNamed(const ConversionTarget& target) {
  QString named = Quoted(target.out);
  if (OutputAsks(target, ExportQuestion::Sms))
    named += QStringLiteral(" с --kind ") + SmsKindOf(target.kind).word;
  return named;
}

// "operator или caller": the words for --kind of the kinds that have `what`.
QString KindsWith(bool SmsKindRow::*what) {
  QStringList words;
  for (const SmsKindRow& kind : SmsKinds())
    if (kind.*what) words << kind.word;
  return words.join(QStringLiteral(" или "));
}

bool ForMessages(const ConversionTarget& target) {
  return target.send || OutputAsks(target, ExportQuestion::Sms);
}

bool ForText(const ConversionTarget& target) {
  return ForMessages(target) && SmsKindOf(target.kind).text;
}

bool ForNetwork(const ConversionTarget& target) {
  return OutputAsks(target, ExportQuestion::NetworkCode) ||
         (ForMessages(target) && SmsKindOf(target.kind).network);
}

QString Messages() { return OutputsAsking(ExportQuestion::Sms) + QStringLiteral(" или --send"); }

QString MessagesWithText() {
  return QStringLiteral("%1 с --kind %2").arg(Messages(), KindsWith(&SmsKindRow::text));
}

QString Networks() {
  return QStringLiteral("%1 или %2 с --kind %3")
      .arg(OutputsAsking(ExportQuestion::NetworkCode), Messages(), KindsWith(&SmsKindRow::network));
}

bool WritesArray(const ConversionTarget& target) {
  return !target.send && OutputAsks(target, ExportQuestion::CArray);
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

// Writers of every frame where the output's name first calls for a type
// that writes one picture: the frame strip where a .png is named.
bool WritesStrip(const ConversionTarget& target) {
  if (target.send) return false;
  const FileFormatList named = FormatsOfName(Where(BuiltInFormats(), Writes), target.out);
  return !named.isEmpty() && !named.first()->every_frame &&
         std::any_of(named.begin(), named.end(),
                     [](const FileFormat* format) { return format->every_frame; });
}

QString Strips() {
  QStringList extensions;
  for (const FileFormat* format : Where(BuiltInFormats(), Writes))
    for (const QString& extension : format->extensions)
      if (const QString named = u'.' + extension;
          !extensions.contains(named) && WritesStrip({{}, QStringLiteral("a") + named}))
        extensions << named;
  return QStringLiteral("ВЫХОД ") + extensions.join(QStringLiteral(", "));
}

bool WritesSketch(const ConversionTarget& target) {
  return OutputAsks(target, ExportQuestion::Sketch);
}

bool WritesArrayOrSketch(const ConversionTarget& target) {
  return WritesArray(target) || WritesSketch(target);
}

QString Sketches() { return OutputsAsking(ExportQuestion::Sketch); }

QString ArraysOrSketches() { return QStringLiteral("%1 или %2").arg(ArraysWritten(), Sketches()); }

bool Sends(const ConversionTarget& target) { return target.send; }

QString Sending() { return QStringLiteral("--send"); }

}  // namespace

const OptionScope kMessages{ForMessages, Messages};
const OptionScope kMessagesWithText{ForText, MessagesWithText};
const OptionScope kNetworks{ForNetwork, Networks};
const OptionScope kArraysWritten{WritesArray, ArraysWritten};
const OptionScope kArraysWrittenOrRead{ReadsOrWritesArray, ArraysWrittenOrRead};
const OptionScope kFrameStrips{WritesStrip, Strips};
const OptionScope kSketches{WritesSketch, Sketches};
const OptionScope kArraysOrSketches{WritesArrayOrSketch, ArraysOrSketches};
const OptionScope kSending{Sends, Sending};

QString OptionOutOfScope(const QCommandLineParser& parser, const ConversionTarget& target) {
  if (!target.send && !OutputType(target.out)) return {};
  for (const OptionRow& option : OptionTable()) {
    if (!option.scope.acts || !parser.isSet(option.name) || option.scope.acts(target)) continue;
    if (target.send)
      return QStringLiteral("--%1 не действует с --send %2: только на %3")
          .arg(option.name, Quoted(target.in), option.scope.only());
    return QStringLiteral("--%1 не действует на ВЫХОД %2: только на %3")
        .arg(option.name, OutputNamed(target), option.scope.only());
  }
  return {};
}

}  // namespace tochkograf
