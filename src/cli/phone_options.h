#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "cli/help_text.h"
#include "cli/option_scope.h"
#include "files/sms/network_code.h"
#include "files/sms/sms_options.h"

class QCommandLineParser;

namespace tochkograf {

// What --convert writes into the files that go to a phone: the messages
// for a modem (.at) and the operator logo (.nol), which the export asks
// for in its dialogs.
struct PhoneOptions {
  SmsOptions sms;                      // --to NUMBER, --text TEXT, --kind KIND
  std::optional<NetworkCode> network;  // --network MCC-MNC
};

QList<QCommandLineOption> PhoneOptionList();

// What each acts on: --to, --text and --kind the messages (.at), the text
// only the kinds that carry one; --network the .nol file and the operator
// logo's message.
QList<OptionScope> PhoneOptionScopes();

// Whether any of them was given.
bool AnyPhoneOption(const QCommandLineParser& parser);

// Reads them once the parser has taken the arguments. What is wrong with
// them in Russian, or nothing.
QString ReadPhoneOptions(const QCommandLineParser& parser, PhoneOptions& options);

// What is wrong with arguments the parser refused, where one of these is
// left without its value; otherwise nothing.
QString MissingPhoneValue(const QStringList& arguments);

// Their entries in the help.
QList<HelpItem> PhoneOptionsHelp();

}  // namespace tochkograf
