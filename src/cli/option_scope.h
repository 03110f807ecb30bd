#pragma once

#include <QList>
#include <QString>

#include "files/sms/sms_options.h"
#include "images/file_formats.h"

class QCommandLineParser;

namespace tochkograf {

// What --convert is asked to do, as far as its options care.
struct ConversionTarget {
  QString in, out;              // as named
  SmsKind kind = SmsKind::Ems;  // --kind, or the one taken without it
};

// The conversions an option acts on. An option that acts only on some
// outputs (or inputs) says which, from the table of file types, and one
// given where it would do nothing is refused rather than ignored.
struct OptionScope {
  QString option;                                // its name, without "--"
  bool (*acts)(const ConversionTarget& target);  // whether it acts on `target`
  QString (*only)();  // what it acts on, as its refusal ends: "ВЫХОД .at"
};

// The refusal of the first of `scopes` that was given and does not act on
// `target`, naming the option and the output; empty where each one given
// acts, or where no type writes the output (its writing then fails,
// saying why).
QString OptionOutOfScope(const QCommandLineParser& parser, const QList<OptionScope>& scopes,
                         const ConversionTarget& target);

// Whether the type written for `target` asks `question` in the export.
bool OutputAsks(const ConversionTarget& target, ExportQuestion question);

// "ВЫХОД .at": the outputs whose type asks `question`.
QString OutputsAsking(ExportQuestion question);

// Its word for --kind: "operator".
QString KindOption(SmsKind kind);

}  // namespace tochkograf
