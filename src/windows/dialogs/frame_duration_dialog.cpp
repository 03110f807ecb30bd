#include "windows/dialogs/frame_duration_dialog.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "picture/frame.h"
#include "windows/centre_over.h"
#include "windows/dialogs/dialog_parts.h"

namespace tochkograf {

FrameDurationDialog::FrameDurationDialog(int duration, QWidget* parent)
    : QDialog(parent, kFixedDialogFlags) {
  setObjectName(QStringLiteral("FrameDurationDialog"));
  setWindowTitle(QStringLiteral("Длительность кадра"));
  duration_ = Named(new QSpinBox(this), "Duration");
  duration_->setRange(kShortestFrame, kLongestFrame);
  duration_->setSingleStep(100);
  duration_->setSuffix(QStringLiteral(" мс"));
  duration_->setGroupSeparatorShown(false);
  // A number typed past either end becomes that end, not the old value.
  duration_->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
  duration_->setValue(duration);
  duration_->selectAll();
  auto* label = new QLabel(QStringLiteral("Сколько показывать этот кадр:"), this);
  label->setBuddy(duration_);
  auto* range = new QLabel(QStringLiteral("от %1 мс до %2 мс (%3 с)")
                               .arg(kShortestFrame)
                               .arg(kLongestFrame)
                               .arg(kLongestFrame / 1000),
                           this);

  auto* ok = Named(new QPushButton(QStringLiteral("OK"), this), "OK");
  ok->setDefault(true);
  auto* cancel = Named(new QPushButton(QStringLiteral("Отмена"), this), "Cancel");
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);

  auto* row = new QHBoxLayout;
  row->addWidget(label);
  row->addWidget(duration_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(range);
  layout->addSpacing(8);
  layout->addLayout(buttons);
  // Laid out once at the desktop's font and kept so.
  layout->setSizeConstraint(QLayout::SetFixedSize);
  duration_->setFocus();
  adjustSize();
  if (parent) CentreOver(this, parent->window());
}

// A value still being typed counts as it stands, as Enter would take it.
int FrameDurationDialog::Duration() const {
  duration_->interpretText();
  return duration_->value();
}

}  // namespace tochkograf
