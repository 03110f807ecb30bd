// The size dialog's preview at 128 x 96, painted as the dialog paints it
// (background and lattice), against one clear of the dialog's surface.

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <cstdio>

#include "bench/stats.h"
#include "windows/dialogs/form2.h"

using namespace tochkograf;
using namespace tochkograf::bench;

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  Form2 dialog;
  dialog.findChild<QScrollBar*>(QStringLiteral("HScroll1"))->setValue(128);
  dialog.findChild<QScrollBar*>(QStringLiteral("VScroll1"))->setValue(96);
  dialog.resize(543, 264);
  QImage surface(dialog.size(), QImage::Format_RGB32);
  QPainter painter(&surface);
  const QColor background = dialog.palette().color(QPalette::Window);

  const Figure clear = Measure([&] { painter.fillRect(surface.rect(), background); });
  painter.end();
  const Figure preview = Measure([&] {
    dialog.render(&surface, QPoint(), QRegion(surface.rect()), QWidget::DrawWindowBackground);
  });
  std::printf("== Size dialog preview, 128 x 96 lattice on a 543 x 264 dialog\n");
  Print("one clear of the dialog's surface", clear);
  Print("background and lattice", preview);
  PrintRatio("preview / clear", preview, clear, "target at most 4");
  std::printf("\n");
  return 0;
}
