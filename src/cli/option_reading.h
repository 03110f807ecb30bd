#pragma once

#include <QString>
#include <QStringList>

class QCommandLineParser;

namespace tochkograf {

struct CommandLine;

// The options of --convert and --send, as their table (option_table.h) has
// them.

// Has the parser take every one of them.
void AddConvertOptions(QCommandLineParser& parser);

// What is wrong with arguments the parser refused, where the last is one
// of them that takes a value; otherwise nothing.
QString MissingOptionValue(const QStringList& arguments);

// What is wrong where one of them was given without the command its group
// acts with (`convert` and `send` say which of them were given), naming the
// group and its commands; otherwise nothing.
QString OptionsWithoutTheirCommand(const QCommandLineParser& parser, bool convert, bool send);

// Reads those given into `command` once the parser has taken the
// arguments. What is wrong with the first that is wrong, in Russian, or
// nothing.
QString ReadConvertOptions(const QCommandLineParser& parser, CommandLine& command);

}  // namespace tochkograf
