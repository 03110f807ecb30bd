#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tochkograf {

inline const QString kProgramName = QStringLiteral("tochkograf");

// One entry of the help: an argument or option and what it does, or with
// no term a paragraph of its own among them. Texts are whole paragraphs;
// each form of the help breaks them into lines its own way. Sizes keep a
// non-breaking space on either side of their "x".
struct HelpItem {
  QString term;  // "--size ШxВ"; empty for a paragraph
  QString text;
};

// What --help prints and the manual page says, written once for both.
struct HelpText {
  QStringList calls;  // the ways to call the program, without its name
  QString summary;    // what the program is, one sentence
  QList<HelpItem> items;
  // Paragraphs after the items; their terms title the manual page's
  // sections, and --help leaves them out.
  QList<HelpItem> notes;
};

HelpText CommandLineHelpText();

// The texts --help and --version print, and the short usage a misuse gets,
// for a terminal of 80 columns.
QString CommandLineHelp();
QString VersionLine();
QString CommandLineUsage();

}  // namespace tochkograf
