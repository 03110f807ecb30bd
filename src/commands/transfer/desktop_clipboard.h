#pragma once

#include <QImage>
#include <QString>

namespace tochkograf {

// The desktop's clipboard, shared with other programs; the program's own
// picture clipboard (Ctrl+X, Ctrl+C, Ctrl+V) is another thing. The main
// window gives the system's; tests a fake.
class DesktopClipboard {
 public:
  virtual ~DesktopClipboard() = default;
  virtual void PutText(const QString& text) = 0;
  virtual void PutImage(const QImage& image) = 0;
  // The image the clipboard holds now; a null image where it holds none.
  virtual QImage Image() = 0;
};

}  // namespace tochkograf
