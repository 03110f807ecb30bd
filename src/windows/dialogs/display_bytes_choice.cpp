#include "windows/dialogs/display_bytes_choice.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QRadioButton>

namespace tochkograf {

namespace {

QString Capitalised(QString text) {
  if (!text.isEmpty()) text[0] = text[0].toUpper();
  return text;
}

}  // namespace

DisplayBytesChoice::DisplayBytesChoice(ByteLayout layout, SetBit meaning, QWidget* parent)
    : QWidget(parent) {
  auto* layout_group = new QGroupBox(QStringLiteral("Раскладка байтов"), this);
  layout_group->setObjectName(QStringLiteral("layouts"));
  auto* layout_rows = new QVBoxLayout(layout_group);
  for (const LayoutName& name : LayoutNames()) {
    const QString text = name.users.isEmpty()
                             ? name.caption
                             : QStringLiteral("%1 (%2)").arg(name.caption, name.users);
    auto* button = new QRadioButton(text, layout_group);
    button->setObjectName(name.option);
    button->setChecked(name.layout == layout);
    layout_rows->addWidget(button);
    layouts_ << button;
  }
  auto* meaning_group = new QGroupBox(QStringLiteral("Установленный бит — это"), this);
  meaning_group->setObjectName(QStringLiteral("meanings"));
  auto* meaning_row = new QHBoxLayout(meaning_group);
  for (const SetBitName& name : SetBitNames()) {
    auto* button = new QRadioButton(Capitalised(name.caption), meaning_group);
    button->setObjectName(name.option);
    button->setChecked(name.meaning == meaning);
    meaning_row->addWidget(button);
    meanings_ << button;
  }
  meaning_row->addStretch();
  auto* rows = new QVBoxLayout(this);
  rows->setContentsMargins(0, 0, 0, 0);
  rows->addWidget(layout_group);
  rows->addWidget(meaning_group);
  // A button turned off is followed by the one turned on.
  for (QRadioButton* button : layouts_ + meanings_)
    connect(button, &QRadioButton::toggled, this, [this](bool on) {
      if (on) emit Changed();
    });
}

ByteLayout DisplayBytesChoice::Layout() const {
  for (qsizetype i = 0; i < layouts_.size(); ++i)
    if (layouts_[i]->isChecked()) return LayoutNames()[i].layout;
  return LayoutNames().first().layout;
}

void DisplayBytesChoice::SetLayout(ByteLayout layout) {
  for (qsizetype i = 0; i < layouts_.size(); ++i)
    if (LayoutNames()[i].layout == layout) layouts_[i]->setChecked(true);
}

SetBit DisplayBytesChoice::Meaning() const {
  for (qsizetype i = 0; i < meanings_.size(); ++i)
    if (meanings_[i]->isChecked()) return SetBitNames()[i].meaning;
  return SetBitNames().first().meaning;
}

QList<QWidget*> DisplayBytesChoice::Buttons() const {
  QList<QWidget*> buttons;
  for (QRadioButton* button : layouts_ + meanings_) buttons << button;
  return buttons;
}

}  // namespace tochkograf
