#include "windows/dialogs/history_dialog.h"

#include <QBoxLayout>
#include <QListWidget>
#include <QPushButton>

#include "picture/picture.h"
#include "windows/centre_over.h"
#include "windows/dialogs/dialog_parts.h"
#include "windows/dialogs/picture_preview.h"

namespace tochkograf {

HistoryDialog::HistoryDialog(const EditHistory& history, QWidget* parent)
    : QDialog(parent, kFixedDialogFlags), history_(history) {
  setObjectName(QStringLiteral("HistoryDialog"));
  setWindowTitle(QStringLiteral("История правок"));
  list_ = Named(new QListWidget(this), "Steps");
  for (int i = 0; i < history.Count(); ++i) list_->addItem(history.Name(i));
  // Room for some twenty names of a text step without a scroll bar across.
  list_->setMinimumWidth(list_->fontMetrics().averageCharWidth() * 30);
  preview_ = new PicturePreview(false, this);
  preview_->SetScale(2);

  auto* back = Named(new QPushButton(QStringLiteral("Вернуть"), this), "OK");
  back->setDefault(true);
  auto* cancel = Named(new QPushButton(QStringLiteral("Отмена"), this), "Cancel");
  connect(back, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(list_, &QListWidget::itemActivated, this, &QDialog::accept);
  connect(list_, &QListWidget::currentRowChanged, this, &HistoryDialog::ShowStep);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(back);
  buttons->addWidget(cancel);
  auto* row = new QHBoxLayout;
  row->addWidget(list_);
  row->addWidget(preview_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  list_->setCurrentRow(history.Count() - 1);
  list_->setFocus();
  adjustSize();
  if (parent) CentreOver(this, parent->window());
}

int HistoryDialog::ChosenStep() const { return list_->currentRow(); }

void HistoryDialog::ShowStep(int index) {
  if (index < 0) return;
  Picture picture{history_.Width(index), history_.Height(index), {}};
  history_.Cells(index, history_.ShownFrame(index)).CopyTo(picture.cells);
  preview_->ShowPicture(picture);
}

}  // namespace tochkograf
