#include "cli/man_page.h"

#include "version.h"

namespace tochkograf {

namespace {

// Text as roff shows it as written: a backslash is roff's escape, a hyphen
// that starts an option is a minus sign, a non-breaking space is roff's
// own, and a line must not start with a control character.
QString Roff(const QString& text) {
  QString out;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    const bool option_start = c == u'-' && (i == 0 || text[i - 1] == u'-' ||
                                            QStringLiteral(" [|(").contains(text[i - 1]));
    if (c == u'\\')
      out += QStringLiteral("\\e");
    else if (option_start)
      out += QStringLiteral("\\-");
    else if (c == QChar::Nbsp)
      out += QStringLiteral("\\~");
    else
      out += c;
  }
  if (out.startsWith(u'.') || out.startsWith(u'\'')) out.prepend(QStringLiteral("\\&"));
  return out;
}

QString Section(const QString& title) { return QStringLiteral(".SH %1\n").arg(title); }

}  // namespace

QString ManPage(const HelpText& help, const QString& date) {
  QString page = QStringLiteral(".TH TOCHKOGRAF 1 %1 \"%2 %3\" \"Команды пользователя\"\n")
                     .arg(date, kProgramName, QStringLiteral(TOCHKOGRAF_VERSION));
  // Left-aligned, unhyphenated: option names and file types stay whole.
  page += QStringLiteral(".ad l\n.nh\n");
  QString what = help.summary;
  if (what.endsWith(u'.')) what.chop(1);
  what[0] = what[0].toLower();
  page +=
      Section(QStringLiteral("ИМЯ")) + QStringLiteral("%1 \\- %2\n").arg(kProgramName, Roff(what));
  page += Section(QStringLiteral("СИНТАКСИС"));
  for (const QString& call : help.calls)
    page += QStringLiteral(".B %1\n%2\n.br\n").arg(kProgramName, Roff(call));
  page += Section(QStringLiteral("ОПИСАНИЕ")) + Roff(help.summary) + u'\n';
  page += Section(QStringLiteral("ПАРАМЕТРЫ"));
  for (const HelpItem& item : help.items) {
    if (item.term.isEmpty())
      page += QStringLiteral(".PP\n%1\n").arg(Roff(item.text));
    else
      page += QStringLiteral(".TP\n.B %1\n%2\n").arg(Roff(item.term), Roff(item.text));
  }
  for (const HelpItem& note : help.notes) page += Section(note.term) + Roff(note.text) + u'\n';
  return page;
}

}  // namespace tochkograf
