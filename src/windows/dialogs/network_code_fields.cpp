#include "windows/dialogs/network_code_fields.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace tochkograf {

namespace {

QLineEdit* DigitsField(int digits, const QString& example, const char* name, QWidget* parent) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QLatin1String(name));
  field->setValidator(new QRegularExpressionValidator(
      QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(digits)), field));
  field->setMaxLength(digits);
  field->setPlaceholderText(example);
  // Room for the digits and a little more, whatever the font.
  field->setFixedWidth(field->fontMetrics().horizontalAdvance(QString(digits + 2, u'0')) + 12);
  return field;
}

}  // namespace

NetworkCodeFields::NetworkCodeFields(QWidget* parent) : QWidget(parent) {
  mcc_ = DigitsField(3, QStringLiteral("250"), "mcc", this);
  mnc_ = DigitsField(3, QStringLiteral("01"), "mnc", this);
  auto* mcc_label = new QLabel(QStringLiteral("MCC:"), this);
  mcc_label->setBuddy(mcc_);
  auto* mnc_label = new QLabel(QStringLiteral("MNC:"), this);
  mnc_label->setBuddy(mnc_);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(mcc_label);
  row->addWidget(mcc_);
  row->addSpacing(8);
  row->addWidget(mnc_label);
  row->addWidget(mnc_);
  row->addStretch();
  for (QLineEdit* field : {mcc_, mnc_})
    connect(field, &QLineEdit::textChanged, this, &NetworkCodeFields::Changed);
}

void NetworkCodeFields::SetCode(const NetworkCode& code) {
  if (code == NetworkCode{}) return;
  const QStringList parts = NetworkCodeText(code).split(u' ');
  mcc_->setText(parts.value(0));
  mnc_->setText(parts.value(1));
}

std::optional<NetworkCode> NetworkCodeFields::Code() const {
  const qsizetype mnc_digits = mnc_->text().size();
  if (mcc_->text().size() != 3 || mnc_digits < 2) return std::nullopt;
  return NetworkCode{mcc_->text().toInt(), mnc_->text().toInt(), int(mnc_digits)};
}

QLineEdit* NetworkCodeFields::FirstShort() const { return mcc_->text().size() != 3 ? mcc_ : mnc_; }

}  // namespace tochkograf
