#include "windows/dialogs/sketch_export_dialog.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "windows/centre_over.h"
#include "windows/dialogs/dialog_parts.h"
#include "windows/dialogs/radio_row.h"

namespace tochkograf {

SketchExportDialog::SketchExportDialog(const Animation& frames, const SketchOptions& start,
                                       QWidget* parent)
    : QDialog(parent, kFixedDialogFlags) {
  setWindowTitle(QStringLiteral("Скетч Arduino"));
  auto* about = new QLabel(
      QStringLiteral("Скетч для OLED-дисплея SSD1306 на шине I2C: нужна только библиотека Wire. "
                     "Рисунок встанет посередине экрана, анимация пойдёт по кругу."),
      this);
  about->setWordWrap(true);
  address_ =
      Named(new RadioRow(QStringLiteral("Адрес дисплея"),
                         {{AddressText(0x3C), "address-3c"}, {AddressText(0x3D), "address-3d"}},
                         int(SketchAddresses().indexOf(start.address)), this),
            "address");
  height_ = Named(new RadioRow(QStringLiteral("Экран"),
                               {{QStringLiteral("128 x 64"), "height-64"},
                                {QStringLiteral("128 x 32"), "height-32"}},
                               int(PanelHeights().indexOf(start.panel_height)), this),
                  "height");
  compression_ = CompressionRow(start.compression, this);
  sizes_ = Named(new QLabel(SizesText(SizesOf(frames, ByteLayout::PagesLsbTop, SetBit::Ink)), this),
                 "sizes");
  ok_ = Named(new QPushButton(QStringLiteral("OK"), this), "ok");
  ok_->setDefault(true);
  cancel_ = Named(new QPushButton(QStringLiteral("Отмена"), this), "cancel");
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  auto* rows = new QVBoxLayout(this);
  for (QWidget* row : QList<QWidget*>{about, address_, height_, compression_, sizes_})
    rows->addWidget(row);
  rows->addLayout(buttons);
  rows->setSizeConstraint(QLayout::SetFixedSize);
  // The text wraps at the width the choices take, not at a line of its own.
  about->setFixedWidth(std::max(address_->sizeHint().width(), compression_->sizeHint().width()));
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  layout()->activate();
  if (parent) CentreOver(this, parent->window());
}

SketchOptions SketchExportDialog::Options() const {
  return {SketchAddresses().value(address_->Chosen()),
          PanelHeights().value(height_->Chosen()),
          ChosenCompression(*compression_),
          {}};
}

}  // namespace tochkograf
