#include "cli/option_scope.h"

#include <QCommandLineParser>

#include "files/status_texts.h"

namespace tochkograf {

namespace {

const FileFormat* OutputType(const QString& out) {
  return FormatOfName(Where(BuiltInFormats(), Writes), out);
}

// The output as a refusal names it, with the kind where the kind decides.
QString OutputNamed(const ConversionTarget& target) {
  QString named = Quoted(target.out);
  if (OutputAsks(target, ExportQuestion::Sms))
    named += QStringLiteral(" с --kind ") + KindOption(target.kind);
  return named;
}

}  // namespace

QString OptionOutOfScope(const QCommandLineParser& parser, const QList<OptionScope>& scopes,
                         const ConversionTarget& target) {
  if (!OutputType(target.out)) return {};
  for (const OptionScope& scope : scopes)
    if (parser.isSet(scope.option) && !scope.acts(target))
      return QStringLiteral("--%1 не действует на ВЫХОД %2: только на %3")
          .arg(scope.option, OutputNamed(target), scope.only());
  return {};
}

bool OutputAsks(const ConversionTarget& target, ExportQuestion question) {
  const FileFormat* type = OutputType(target.out);
  return type && type->question == question;
}

QString OutputsAsking(ExportQuestion question) {
  QStringList extensions;
  for (const FileFormat* format : Where(BuiltInFormats(), Writes))
    if (format->question == question)
      for (const QString& extension : format->extensions) extensions << u'.' + extension;
  return QStringLiteral("ВЫХОД ") + extensions.join(QStringLiteral(", "));
}

QString KindOption(SmsKind kind) {
  switch (kind) {
    case SmsKind::Ems:
      return QStringLiteral("ems");
    case SmsKind::OperatorLogo:
      return QStringLiteral("operator");
    case SmsKind::CallerGroup:
      return QStringLiteral("caller");
    case SmsKind::PictureMessage:
      return QStringLiteral("picture");
  }
  return {};
}

}  // namespace tochkograf
