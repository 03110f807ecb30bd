// Draws the program's pictures into a folder: the splash logo at its size
// and at twice its size, both in 256 colours, and the icon at every size the
// desktop asks for; and the drawing tools' toolbar pictures, as XPM files,
// into a second folder. The results are kept in the tree, so the program's
// build does not depend on the fonts of the machine that builds it.
//
//   tochkograf_artwork src/windows/art src/windows/icons

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

#include "icon.h"
#include "logo.h"
#include "palette.h"
#include "tool_icons.h"

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    QTextStream(stderr) << "usage: tochkograf_artwork FOLDER ICON_FOLDER\n";
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
  const QDir icons(QString::fromLocal8Bit(argv[2]));
  for (const artwork::ToolIcon& icon : artwork::DrawToolIcons()) {
    QFile file(icons.filePath(icon.name + QStringLiteral(".xpm")));
    const QByteArray xpm = artwork::ToXpm(icon);
    written = written && file.open(QIODevice::WriteOnly) && file.write(xpm) == xpm.size();
  }
  if (!written) {
    QTextStream(stderr) << "could not write the pictures into " << folder.path() << "\n";
    return 1;
  }
  return 0;
}
