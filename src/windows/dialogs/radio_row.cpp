#include "windows/dialogs/radio_row.h"

#include <QBoxLayout>
#include <QRadioButton>

#include "windows/dialogs/dialog_parts.h"

namespace tochkograf {

RadioRow::RadioRow(const QString& title, const QList<Answer>& answers, int chosen, QWidget* parent)
    : QGroupBox(title, parent) {
  auto* row = new QHBoxLayout(this);
  for (qsizetype i = 0; i < answers.size(); ++i) {
    auto* button = Named(new QRadioButton(answers[i].caption, this), answers[i].name);
    button->setChecked(i == chosen);
    row->addWidget(button);
    buttons_ << button;
    // A button turned off is followed by the one turned on.
    connect(button, &QRadioButton::toggled, this, [this](bool on) {
      if (on) emit Changed();
    });
  }
  row->addStretch();
}

int RadioRow::Chosen() const {
  for (qsizetype i = 0; i < buttons_.size(); ++i)
    if (buttons_[i]->isChecked()) return int(i);
  return 0;
}

void RadioRow::AddAtEnd(QWidget* widget) { layout()->addWidget(widget); }

QList<QWidget*> RadioRow::Buttons() const {
  QList<QWidget*> buttons;
  for (QRadioButton* button : buttons_) buttons << button;
  return buttons;
}

RadioRow* CompressionRow(Compression chosen, QWidget* parent) {
  return Named(new RadioRow(QStringLiteral("Сжатие"),
                            {{QStringLiteral("Нет"), "compress-none"},
                             {QStringLiteral("RLE"), "compress-rle"}},
                            chosen == Compression::Rle ? 1 : 0, parent),
               "compression");
}

Compression ChosenCompression(const RadioRow& row) {
  return row.Chosen() == 1 ? Compression::Rle : Compression::None;
}

QString SizesText(const CArraySizes& sizes) {
  const qint64 percent = sizes.raw > 0 ? (sizes.packed * 100 + sizes.raw / 2) / sizes.raw : 0;
  return QStringLiteral("Байтов в кадрах: %1, в сжатых: %2 (%3\u00a0%).")
      .arg(sizes.raw)
      .arg(sizes.packed)
      .arg(percent);
}

}  // namespace tochkograf
