#include "windows/dialogs/c_array_import_dialog.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include "files/status_texts.h"
#include "windows/centre_over.h"
#include "windows/dialogs/dialog_parts.h"
#include "windows/dialogs/display_bytes_choice.h"
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
  RedrawPreview();  // the notes under the preview, before the layout fits them
  LayOut();
  for (QSpinBox* side : {width_, height_})
    connect(side, &QSpinBox::valueChanged, this, [this] {
      size_chosen_ = true;
      RedrawPreview();
    });
  connect(bytes_, &DisplayBytesChoice::Changed, this, &CArrayImportDialog::LayoutChanged);
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
  bytes_ = Named(new DisplayBytesChoice(start.layout, start.set_bit, this), "bytes");
  ok_ = Named(new QPushButton(QStringLiteral("OK"), this), "ok");
  ok_->setDefault(true);
  cancel_ = Named(new QPushButton(QStringLiteral("Отмена"), this), "cancel");
}

// The preview on the left, as in the conversion dialog; the choices on the
// right.
void CArrayImportDialog::LayOut() {
  auto* size_group = new QGroupBox(QStringLiteral("Размер рисунка"), this);
  auto* size_row = new QHBoxLayout(size_group);
  size_row->addWidget(width_);
  size_row->addWidget(new QLabel(QStringLiteral("x"), size_group));
  size_row->addWidget(height_);
  size_row->addStretch();
  LayOutPreviewDialog(this, {.preview = preview_,
                             .notes = {about_, fill_},
                             .choices = {size_group, bytes_},
                             .buttons = {ok_, cancel_}});
  QWidget* previous = width_;
  for (QWidget* next :
       QList<QWidget*>{height_} + bytes_->Buttons() + QList<QWidget*>{ok_, cancel_}) {
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
  emit PreviewRedrawn();
}

}  // namespace tochkograf
