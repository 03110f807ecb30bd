#pragma once

#include <QMenuBar>

namespace tochkograf {

// A menu bar that shows which title has the keyboard. A lone Alt gives the
// bar the keyboard with its first title current, but styles such as Fusion
// highlight a title only while its menu is open, so the keys went to the bar
// with nothing on the screen to say so. Here that title is drawn as an open
// one until Esc, Alt again or a click takes the keyboard back.
class KeyboardMenuBar : public QMenuBar {
  Q_OBJECT

 public:
  using QMenuBar::QMenuBar;

 protected:
  void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;
};

}  // namespace tochkograf
