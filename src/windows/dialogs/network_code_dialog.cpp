#include "windows/dialogs/network_code_dialog.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "commands/transfer/phone_export.h"
#include "windows/centre_over.h"
#include "windows/dialogs/dialog_parts.h"
#include "windows/dialogs/network_code_fields.h"

namespace tochkograf {

NetworkCodeDialog::NetworkCodeDialog(const NetworkCode& start, QWidget* parent)
    : QDialog(parent, kFixedDialogFlags) {
  setWindowTitle(QStringLiteral("Логотип оператора Nokia"));
  auto* intro = new QLabel(QStringLiteral("Код сети, в которой телефон покажет логотип:"), this);
  fields_ = new NetworkCodeFields(this);
  fields_->setObjectName(QStringLiteral("network"));
  fields_->SetCode(start);
  problem_ = new QLabel(this);
  problem_->setObjectName(QStringLiteral("problem"));
  problem_->setWordWrap(true);
  problem_->setMinimumHeight(2 * problem_->fontMetrics().lineSpacing());
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)
      ->setObjectName(QStringLiteral("ok"));
  buttons->addButton(QStringLiteral("Отмена"), QDialogButtonBox::RejectRole)
      ->setObjectName(QStringLiteral("cancel"));
  connect(buttons, &QDialogButtonBox::accepted, this, &NetworkCodeDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &NetworkCodeDialog::reject);
  connect(fields_, &NetworkCodeFields::Changed, this, &NetworkCodeDialog::Check);
  auto* column = new QVBoxLayout(this);
  column->addWidget(intro);
  column->addWidget(fields_);
  column->addWidget(problem_);
  column->addWidget(buttons);
  column->setSizeConstraint(QLayout::SetFixedSize);
  layout()->activate();
  if (parent) CentreOver(this, parent->window());
}

NetworkCode NetworkCodeDialog::Code() const { return fields_->Code().value_or(NetworkCode{}); }

void NetworkCodeDialog::accept() {
  tried_ = true;
  Check();
  if (fields_->Code()) {
    QDialog::accept();
    return;
  }
  fields_->FirstShort()->setFocus();
}

void NetworkCodeDialog::Check() {
  if (tried_) problem_->setText(fields_->Code() ? QString() : ShortNetworkCodeProblem());
}

}  // namespace tochkograf
