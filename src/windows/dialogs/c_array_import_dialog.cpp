#include "windows/dialogs/c_array_import_dialog.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include "files/status_texts.h"
#include "windows/centre_over.h"
#include "windows/dialogs/dialog_parts.h"
#include "windows/dialogs/display_bytes_choice.h"
#include "windows/dialogs/layout_previews.h"
#include "windows/dialogs/picture_preview.h"
#include "windows/dialogs/preview_layout.h"
#include "windows/text_room.h"

namespace tochkograf {

CArrayImportDialog::CArrayImportDialog(const CArrayScan& scan, const CArrayReading& start,
                                       bool grid, QWidget* parent)
    : QDialog(parent, kFixedDialogFlags), scan_(scan) {
  setWindowTitle(QStringLiteral("Импорт массива C"));
  preview_ = Named(new PicturePreview(grid, this), "previewRoom");
  CreateControls(start);
  ListFittingSizes();
  RedrawPreview();  // the notes under the preview, before the layout fits them
  LayOut();
  for (QSpinBox* side : {width_, height_})
    connect(side, &QSpinBox::valueChanged, this, [this] {
      size_chosen_ = true;
      RedrawPreview();
    });
  connect(bytes_, &DisplayBytesChoice::Changed, this, &CArrayImportDialog::LayoutChanged);
  connect(layouts_, &LayoutPreviews::Picked, bytes_, &DisplayBytesChoice::SetLayout);
  connect(fitting_, &QComboBox::activated, this, &CArrayImportDialog::SizePicked);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  layout()->activate();
  if (parent) CentreOver(this, parent->window());
}

void CArrayImportDialog::CreateControls(const CArrayReading& start) {
  about_ = Named(new QLabel(BreakableText(AboutArray()), this), "about");
  fill_ = Named(new QLabel(this), "fill");
  width_ = Named(new QSpinBox(this), "width");
  width_->setRange(1, kMaxWidth);
  width_->setValue(start.size.width());
  height_ = Named(new QSpinBox(this), "height");
  height_->setRange(1, kMaxHeight);
  height_->setValue(start.size.height());
  fitting_label_ = new QLabel(QStringLiteral("Подходят:"), this);
  fitting_ = Named(new QComboBox(this), "fittingSizes");
  fitting_label_->setBuddy(fitting_);
  layouts_ = Named(new LayoutPreviews(this), "layoutPreviews");
  bytes_ = Named(new DisplayBytesChoice(start.layout, start.set_bit, this), "bytes");
  ok_ = Named(new QPushButton(QStringLiteral("OK"), this), "ok");
  ok_->setDefault(true);
  cancel_ = Named(new QPushButton(QStringLiteral("Отмена"), this), "cancel");
}

// The preview on the left, as in the conversion dialog; the choices on the
// right.
void CArrayImportDialog::LayOut() {
  auto* size_group = new QGroupBox(QStringLiteral("Размер рисунка"), this);
  auto* size_rows = new QVBoxLayout(size_group);
  auto* size_row = new QHBoxLayout;
  size_row->addWidget(width_);
  size_row->addWidget(new QLabel(QStringLiteral("x"), size_group));
  size_row->addWidget(height_);
  size_row->addStretch();
  size_rows->addLayout(size_row);
  auto* fitting_row = new QHBoxLayout;
  fitting_row->addWidget(fitting_label_);
  fitting_row->addWidget(fitting_);
  fitting_row->addStretch();
  size_rows->addLayout(fitting_row);
  // A size the source gives is taken as it is: nothing to list.
  fitting_label_->setVisible(!scan_.size);
  fitting_->setVisible(!scan_.size);
  auto* layouts_group =
      new QGroupBox(QStringLiteral("Как выглядит рисунок в каждой раскладке"), this);
  (new QVBoxLayout(layouts_group))->addWidget(layouts_);
  LayOutPreviewDialog(this, {.preview = preview_,
                             .notes = {about_, fill_},
                             .choices = {size_group, layouts_group, bytes_},
                             .buttons = {ok_, cancel_}});
  QWidget* previous = width_;
  for (QWidget* next : QList<QWidget*>{height_, fitting_} + layouts_->Buttons() +
                           bytes_->Buttons() + QList<QWidget*>{ok_, cancel_}) {
    setTabOrder(previous, next);
    previous = next;
  }
}

QString CArrayImportDialog::AboutArray() const {
  const QString name = scan_.name.isEmpty() ? QString() : QLatin1Char(' ') + Quoted(scan_.name);
  return QStringLiteral("Массив%1 в строке %2, байтов: %3")
      .arg(name)
      .arg(scan_.line)
      .arg(scan_.count);
}

CArrayReading CArrayImportDialog::Reading() const {
  return {QSize(width_->value(), height_->value()), bytes_->Layout(), bytes_->Meaning()};
}

// The byte count of an array fits a size in one layout and not another.
void CArrayImportDialog::LayoutChanged() {
  if (!size_chosen_ && !scan_.size) {
    CArrayScan scan = scan_;
    scan.layout = bytes_->Layout();
    const QSize size = GuessedReading(scan).size;
    const QSignalBlocker quiet_width(width_), quiet_height(height_);
    width_->setValue(size.width());
    height_->setValue(size.height());
  }
  ListFittingSizes();
  RedrawPreview();
}

void CArrayImportDialog::ListFittingSizes() {
  fitting_->clear();
  for (const QSize& size : FittingSizes(scan_, bytes_->Layout()))
    fitting_->addItem(SizeText(size.width(), size.height()), size);
  fitting_->setEnabled(fitting_->count() > 0);
}

void CArrayImportDialog::SizePicked(int index) {
  const QSize size = fitting_->itemData(index).toSize();
  if (size.isEmpty()) return;
  size_chosen_ = true;
  {
    const QSignalBlocker quiet_width(width_), quiet_height(height_);
    width_->setValue(size.width());
    height_->setValue(size.height());
  }
  RedrawPreview();
}

const DocumentState& CArrayImportDialog::Preview() const { return preview_->Shown(); }

void CArrayImportDialog::RedrawPreview() {
  const CArrayReading reading = Reading();
  const Picture picture = CArrayPicture(scan_, reading);
  preview_->ShowPicture(picture);
  const qint64 missing = MissingBytes(scan_, reading);
  const qint64 needed = scan_.count + missing;
  const int used = DisplayByteCount(picture.width, picture.height, reading.layout);
  if (missing > 0)
    fill_->setText(QStringLiteral("Не хватает байтов: %1 (%2).")
                       .arg(missing)
                       .arg(MissingBytesReason(scan_, reading)));
  else if (scan_.count > used)
    fill_->setText(QStringLiteral("Лишних байтов в конце: %1, в рисунок они не войдут.")
                       .arg(scan_.count - used));
  else
    fill_->setText(QStringLiteral("Байтов ровно столько, сколько нужно рисунку (%1).").arg(needed));
  ok_->setEnabled(missing == 0);
  fitting_->setCurrentIndex(fitting_->findData(reading.size));
  RedrawLayouts();
  emit PreviewRedrawn();
}

// Each layout at the size chosen, or, while the size is still guessed, at
// the size guessed for it.
void CArrayImportDialog::RedrawLayouts() {
  QList<Picture> pictures;
  for (const LayoutName& name : LayoutNames()) {
    CArrayReading reading = Reading();
    reading.layout = name.layout;
    if (!size_chosen_ && !scan_.size) {
      CArrayScan scan = scan_;
      scan.layout = name.layout;
      reading.size = GuessedReading(scan).size;
    }
    pictures << CArrayPicture(scan_, reading);
  }
  layouts_->ShowPictures(pictures, bytes_->Layout());
}

}  // namespace tochkograf
