// Draws the program's pictures into a folder: the splash logo at its size
// and at twice its size, both in 256 colours, and the icon at every size the
// desktop asks for. The results are kept in the tree, so the program's build
// does not depend on the fonts of the machine that builds it.
//
//   tochkograf_artwork src/windows/art

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

#include "icon.h"
#include "logo.h"
#include "palette.h"

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    QTextStream(stderr) << "usage: tochkograf_artwork FOLDER\n";
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  bool written = artwork::To256Colours(artwork::DrawLogo(1)).save(folder.filePath("logo.png")) &&
                 artwork::To256Colours(artwork::DrawLogo(2)).save(folder.filePath("logo@2x.png"));
  for (int size : {16, 24, 32, 48, 64, 128, 256}) {
    const QString sub = QStringLiteral("icons/%1").arg(size);
    written = written && folder.mkpath(sub) &&
              artwork::DrawIcon(size).save(folder.filePath(sub + "/tochkograf.png"));
  }
  if (!written) {
    QTextStream(stderr) << "could not write the pictures into " << folder.path() << "\n";
    return 1;
  }
  return 0;
}
