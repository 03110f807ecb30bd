#pragma once

#include "commands/transfer/desktop_clipboard.h"

namespace tochkograf {

// The desktop's clipboard through Qt's.
class QtDesktopClipboard : public DesktopClipboard {
 public:
  void PutText(const QString& text) override;
  void PutImage(const QImage& image) override;
  QImage Image() override;
};

}  // namespace tochkograf
