#include "windows/dialogs/sending_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "commands/transfer/send_to_phone.h"
#include "devices/modem_session.h"
#include "windows/centre_over.h"
#include "windows/dialogs/dialog_parts.h"
#include "windows/screen_room.h"

namespace tochkograf {

namespace {

// A long port's name (/dev/serial/by-id/usb-...) may break after its
// slashes, underscores and hyphens, as a line of words breaks at spaces.
QString Breakable(QString text) {
  for (const QChar after : {u'/', u'_', u'-'}) text.replace(after, QString(after) + QChar(0x200B));
  return text;
}

}  // namespace

SendingWindow::SendingWindow(const ModemPort& port, const QList<QByteArray>& pdus, QWidget* parent,
                             ModemWaits waits)
    : QDialog(parent, kFixedDialogFlags) {
  setWindowTitle(QStringLiteral("Отправка SMS"));
  setModal(false);
  line_ = Named(new QLabel(SendingProgressText(0, int(pdus.size())), this), "line");
  line_->setWordWrap(true);
  // As wide as a short paragraph whatever it says, and room for three lines
  // of it, so that the window mostly keeps its size as it ends.
  line_->setFixedWidth(std::max(360, 46 * line_->fontMetrics().averageCharWidth()));
  line_->setMinimumHeight(3 * line_->fontMetrics().lineSpacing());
  bar_ = Named(new QProgressBar(this), "bar");
  bar_->setRange(0, int(pdus.size()));
  bar_->setValue(0);
  button_ = Named(new QPushButton(QStringLiteral("Отмена"), this), "cancel");
  connect(button_, &QPushButton::clicked, this, [this] {
    if (ended_)
      close();
    else
      Cancel();
  });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(line_);
  layout->addWidget(bar_);
  layout->addWidget(button_, 0, Qt::AlignRight);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->activate();
  if (parent) CentreOver(this, parent->window());
  session_ = new ModemSession(port, ModemDialogue::Sending(pdus, waits), this);
  connect(session_, &ModemSession::Sent, this, &SendingWindow::Sent);
  connect(session_, &ModemSession::Finished, this, &SendingWindow::End);
  session_->Start();
}

void SendingWindow::reject() {
  if (ended_)
    QDialog::reject();
  else
    Cancel();
}

void SendingWindow::closeEvent(QCloseEvent* event) {
  if (ended_) return QDialog::closeEvent(event);
  Cancel();
  event->ignore();
}

void SendingWindow::Cancel() {
  button_->setEnabled(false);
  session_->Cancel();
}

void SendingWindow::Sent(int sent, int total) {
  bar_->setValue(sent);
  if (!ended_ && sent < total) line_->setText(SendingProgressText(sent, total));
}

void SendingWindow::End(const ModemOutcome& outcome) {
  ended_ = true;
  line_->setText(Breakable(SendingEndText(outcome)));
  bar_->setValue(outcome.sent);
  button_->setText(QStringLiteral("Закрыть"));
  button_->setEnabled(true);
  button_->setFocus();
  // A reason longer than the room kept for it makes the window taller.
  layout()->activate();
  if (isVisible())
    KeepOnScreen(this);
  else if (parentWidget())
    CentreOver(this, parentWidget()->window());
  emit Ended(outcome);
}

}  // namespace tochkograf
