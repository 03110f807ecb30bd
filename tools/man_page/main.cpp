// Writes the manual page tochkograf(1) from the texts of --help, at build
// time. Usage: tochkograf_man_page YYYY-MM-DD OUTPUT
#include <QFile>
#include <cstdio>

#include "cli/man_page.h"

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s YYYY-MM-DD OUTPUT\n", argv[0]);
    return 2;
  }
  QFile out(QFile::decodeName(argv[2]));
  const QByteArray page =
      tochkograf::ManPage(tochkograf::CommandLineHelpText(), QString::fromLatin1(argv[1])).toUtf8();
  if (!out.open(QIODevice::WriteOnly) || out.write(page) != page.size() || !out.flush()) {
    std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
    return 1;
  }
  return 0;
}
