#include "windows/adapters/qt_desktop_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace tochkograf {

void QtDesktopClipboard::PutText(const QString& text) {
  QGuiApplication::clipboard()->setText(text);
}

void QtDesktopClipboard::PutImage(const QImage& image) {
  QGuiApplication::clipboard()->setImage(image);
}

QImage QtDesktopClipboard::Image() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (!data || !data->hasImage()) return {};
  return qvariant_cast<QImage>(data->imageData());
}

}  // namespace tochkograf
