#include "windows/dialogs/form4.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QWindow>

#include "windows/dialogs/help_text.h"
#include "windows/screen_room.h"
#include "windows/text_room.h"

namespace tochkograf {

namespace {

constexpr QSize kClientSize(497, 442);
constexpr QRect kTextPlace(0, 0, 497, 409);
constexpr QRect kClosePlace(376, 416, 121, 25);

}  // namespace

// A window of its own, not a dialog: a dialog would be centred over the main
// window, while this one opens where the desktop puts new windows.
Form4::Form4(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Справка"));
  CreateControls();
}

// The window and all in it grow with the desktop's font, so as much of the
// text shows as at 96 dpi and the button's caption stays whole; on a screen
// too small for that the text box is smaller, and the button stays below it.
void Form4::CreateControls() {
  const qreal growth = FontGrowth(this);
  const QSize grown = Grown(QRect(QPoint(), kClientSize), growth).size();
  const QSize size = grown.boundedTo(ScreenRoom(this));
  setFixedSize(size);
  const QSize smaller = grown - size;
  Text1_ = new QPlainTextEdit(this);
  Text1_->setObjectName(QStringLiteral("Text1"));
  Text1_->setGeometry(
      Grown(kTextPlace, growth).adjusted(0, 0, -smaller.width(), -smaller.height()));
  Text1_->setReadOnly(true);
  Text1_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Text1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Read-only still lets the keyboard move through the text and select it.
  Text1_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  // The box ends a line at a lone LF, so each CR LF becomes one.
  Text1_->setPlainText(HelpWindowText().replace(QLatin1String("\r\n"), QLatin1String("\n")));

  Command1_ = new QPushButton(QStringLiteral("Закрыть"), this);
  Command1_->setObjectName(QStringLiteral("Command1"));
  Command1_->setGeometry(
      Grown(kClosePlace, growth).translated(-smaller.width(), -smaller.height()));
  connect(Command1_, &QPushButton::clicked, this, &QWidget::hide);

  setTabOrder(Text1_, Command1_);
  Text1_->setFocus();
}

// The desktop places the window. Some window managers take the place Qt
// proposes, centred over the main window, which may leave the window's foot
// below the screen: once it is on the screen it is moved up, or in, as far
// as it takes.
void Form4::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Installed again at every showing: the filter is then there once.
  if (windowHandle()) windowHandle()->installEventFilter(this);
  placing_ = true;
}

bool Form4::eventFilter(QObject* watched, QEvent* event) {
  if (placing_ && event->type() == QEvent::Expose && watched == windowHandle() &&
      windowHandle()->isExposed()) {
    placing_ = false;
    KeepOnScreen(this);
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace tochkograf
