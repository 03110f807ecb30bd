#pragma once

#include <QProxyStyle>

namespace tochkograf {

// The desktop's style, except that the menu bar's overflow arrows are read
// straight from Qt's own pictures. The style would read them through QIcon,
// which asks every installed image plugin whether it reads PNG and so loads
// each one (and libraries such as libjpeg) at start for nothing.
class DirectIconStyle : public QProxyStyle {
 public:
  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                     const QWidget* widget = nullptr) const override;
};

}  // namespace tochkograf
