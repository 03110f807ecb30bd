#pragma once

#include <QString>

#include "files/sms/sms_options.h"
#include "images/file_formats.h"

class QCommandLineParser;

namespace tochkograf {

// What --convert or --send is asked to do, as far as their options care.
struct ConversionTarget {
  QString in, out;                   // as named; --send names no output
  SmsKind kind = SmsOptions{}.kind;  // --kind, or the one taken without it
  bool send = false;                 // --send: the messages go to a modem
};

// The conversions an option acts on. An option that acts only on some
// outputs (or inputs) says which, from the table of file types, and one
// given where it would do nothing is refused rather than ignored.
struct OptionScope {
  // Whether it acts on `target`; null: on every conversion.
  bool (*acts)(const ConversionTarget& target) = nullptr;
  QString (*only)() = nullptr;  // what it acts on, as its refusal ends: "ВЫХОД .at"
};

// The scopes of the options that act on some conversions only: the
// messages for a modem, written or sent; those of a kind that carries a
// text; the files and messages for one network; the C arrays written; those
// written or read; the strips of frames; the sketches; the arrays and
// sketches; the sending itself.
extern const OptionScope kMessages;
extern const OptionScope kMessagesWithText;
extern const OptionScope kNetworks;
extern const OptionScope kArraysWritten;
extern const OptionScope kArraysWrittenOrRead;
extern const OptionScope kFrameStrips;
// The Arduino sketches written; those and the C arrays written.
extern const OptionScope kSketches;
extern const OptionScope kArraysOrSketches;
extern const OptionScope kSending;

// The refusal of the first option of the table (option_table.h) that was
// given and does not act on `target`, naming the option and the output (or
// --send); empty where each one given acts, or where no type writes the
// output (its writing then fails, saying why).
QString OptionOutOfScope(const QCommandLineParser& parser, const ConversionTarget& target);

}  // namespace tochkograf
