#include "windows/dialogs/sms_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "files/sms/sms_kinds.h"
#include "files/status_texts.h"
#include "windows/centre_over.h"
#include "windows/dialogs/dialog_parts.h"
#include "windows/dialogs/modem_port_fields.h"
#include "windows/dialogs/network_code_fields.h"

namespace tochkograf {

SmsDialog::SmsDialog(const Animation& frames, const Picture& current, const SmsOptions& start,
                     const NetworkCode& network, QWidget* parent,
                     const std::optional<ModemChoice>& modem)
    : QDialog(parent, kFixedDialogFlags), frames_(frames), current_(current) {
  setWindowTitle(QStringLiteral("SMS"));
  recipient_ = Named(new QLineEdit(start.recipient, this), "recipient");
  recipient_->setPlaceholderText(QStringLiteral("+79161234567"));
  text_ = Named(new QLineEdit(start.text, this), "text");
  kind_ = Named(new QComboBox(this), "kind");
  for (const SmsKindRow& kind : SmsKinds()) kind_->addItem(kind.caption, int(kind.kind));
  kind_->setCurrentIndex(kind_->findData(int(start.kind)));
  network_ = Named(new NetworkCodeFields(this), "network");
  network_->SetCode(network);
  messages_ = Named(new QLabel(this), "messages");
  messages_->setWordWrap(true);
  problem_ = Named(new QLabel(this), "problem");
  problem_->setWordWrap(true);
  problem_->setMinimumWidth(360);
  // Room for two lines, so that the buttons stay where they are whether or
  // not there is something to say.
  problem_->setMinimumHeight(2 * problem_->fontMetrics().lineSpacing());
  auto* buttons = new QDialogButtonBox(this);
  Named(buttons->addButton(modem ? QStringLiteral("Отправить") : QStringLiteral("OK"),
                           QDialogButtonBox::AcceptRole),
        "ok")
      ->setDefault(true);
  Named(buttons->addButton(QStringLiteral("Отмена"), QDialogButtonBox::RejectRole), "cancel");
  connect(buttons, &QDialogButtonBox::accepted, this, &SmsDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &SmsDialog::reject);
  connect(kind_, &QComboBox::currentIndexChanged, this, &SmsDialog::KindChanged);
  connect(recipient_, &QLineEdit::textChanged, this, &SmsDialog::Check);
  connect(text_, &QLineEdit::textChanged, this, &SmsDialog::Check);
  connect(network_, &NetworkCodeFields::Changed, this, &SmsDialog::Check);
  if (modem) {
    modem_ = std::make_unique<ModemPortFields>(modem->ports, modem->port, this);
    port_ = modem_->Port();
    speed_ = modem_->Speed();
    connect(port_, &QComboBox::editTextChanged, this, &SmsDialog::Check);
    connect(speed_, &QComboBox::editTextChanged, this, &SmsDialog::Check);
  }

  auto* form = new QFormLayout(this);
  QString picture = QStringLiteral("%1 точек").arg(SizeText(frames.width, frames.height));
  if (frames.Count() > 1) picture += QStringLiteral(", кадров: %1").arg(frames.Count());
  form->addRow(QStringLiteral("Рисунок:"), Named(new QLabel(picture, this), "picture"));
  form->addRow(QStringLiteral("&Номер получателя:"), recipient_);
  form->addRow(QStringLiteral("&Текст (необязательно):"), text_);
  form->addRow(QStringLiteral("&Отправить как:"), kind_);
  form->addRow(QStringLiteral("&Сеть оператора:"), network_);
  if (modem) {
    form->addRow(QStringLiteral("&Порт модема:"), port_);
    form->addRow(QStringLiteral("С&корость, бит/с:"), speed_);
  }
  form->addRow(QStringLiteral("Сообщений SMS:"), messages_);
  form->addRow(problem_);
  form->addRow(buttons);
  form->setSizeConstraint(QLayout::SetFixedSize);
  KindChanged();
  layout()->activate();
  if (parent) CentreOver(this, parent->window());
}

SmsOptions SmsDialog::Options() const {
  // The text stays for the next export even where this kind sends none.
  return {recipient_->text().trimmed(), text_->text(), SmsKind(kind_->currentData().toInt())};
}

NetworkCode SmsDialog::Network() const { return network_->Code().value_or(NetworkCode{}); }

ModemPort SmsDialog::Port() const { return modem_ ? modem_->Chosen() : ModemPort{}; }

void SmsDialog::accept() {
  tried_ = true;
  Check();
  if (!shown_) {
    QDialog::accept();
    return;
  }
  FieldOf(shown_->field)->setFocus();
}

void SmsDialog::KindChanged() {
  const SmsKindRow& kind = SmsKindOf(Options().kind);
  text_->setEnabled(kind.text);
  network_->setEnabled(kind.network);
  Check();
}

void SmsDialog::Check() {
  messages_->setText(SmsMessagesText(frames_, current_, Options(), Network()));
  shown_.reset();
  const QList<SmsProblem> problems =
      port_ ? SendingProblems(frames_, current_, {Options(), Network(), Port()}, network_->Code())
            : SmsProblems(frames_, current_, Options(), network_->Code());
  for (const SmsProblem& problem : problems) {
    const bool typed =
        problem.field != SmsProblem::Field::Kind && problem.field != SmsProblem::Field::Text;
    if (tried_ || !typed) {
      shown_ = problem;
      break;
    }
  }
  problem_->setText(shown_ ? shown_->text : QString());
}

QWidget* SmsDialog::FieldOf(SmsProblem::Field field) const {
  switch (field) {
    case SmsProblem::Field::Recipient:
      return recipient_;
    case SmsProblem::Field::Kind:
      return kind_;
    case SmsProblem::Field::Network:
      return network_->FirstShort();
    case SmsProblem::Field::Port:
      return port_;
    case SmsProblem::Field::Speed:
      return speed_;
    case SmsProblem::Field::Text:
      break;
  }
  return text_;
}

}  // namespace tochkograf
