#include "windows/screen_room.h"

#include <QFontMetrics>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace tochkograf {

namespace {

QFont TitleFont(const QWidget* window) {
  QFont font = window->font();
  font.setBold(true);
  return font;
}

// The frame Qt knows of round a shown top-level window; none before the
// window manager has framed it.
QMargins KnownFrame(const QWidget* window) {
  const QRect frame = window->frameGeometry(), client = window->geometry();
  return QMargins(client.left() - frame.left(), client.top() - frame.top(),
                  frame.right() - client.right(), frame.bottom() - client.bottom());
}

QMargins Larger(const QMargins& a, const QMargins& b) {
  return QMargins(std::max(a.left(), b.left()), std::max(a.top(), b.top()),
                  std::max(a.right(), b.right()), std::max(a.bottom(), b.bottom()));
}

}  // namespace

QMargins Decoration(const QWidget* window) {
  window = window->window();
  if (window->windowFlags() & Qt::FramelessWindowHint) return {};
  const int border = 4;
  QMargins frame(border, 2 * QFontMetrics(TitleFont(window)).lineSpacing() + border, border,
                 border);
  frame = Larger(frame, KnownFrame(window));
  if (const QWidget* owner = window->parentWidget())
    frame = Larger(frame, KnownFrame(owner->window()));
  return frame;
}

QSize ScreenRoom(const QWidget* window) {
  const QMargins frame = Decoration(window);
  return window->screen()->availableGeometry().size() -
         QSize(frame.left() + frame.right(), frame.top() + frame.bottom());
}

int TitleBarWidth(const QWidget* window) {
  const QFontMetrics metrics(TitleFont(window));
  return metrics.horizontalAdvance(window->windowTitle()) + 10 * metrics.lineSpacing();
}

QRect OnScreen(const QRect& frame, const QWidget* window) {
  const QRect screen = window->screen()->availableGeometry();
  QRect moved = frame;
  // The right and bottom edges first, so that the top left corner is the
  // one kept on the screen.
  if (moved.right() > screen.right()) moved.moveRight(screen.right());
  if (moved.bottom() > screen.bottom()) moved.moveBottom(screen.bottom());
  if (moved.left() < screen.left()) moved.moveLeft(screen.left());
  if (moved.top() < screen.top()) moved.moveTop(screen.top());
  return moved;
}

void KeepOnScreen(QWidget* window) {
  const QRect frame = window->geometry().marginsAdded(Decoration(window));
  const QPoint shift = OnScreen(frame, window).topLeft() - frame.topLeft();
  if (!shift.isNull()) window->move(window->pos() + shift);
}

}  // namespace tochkograf
