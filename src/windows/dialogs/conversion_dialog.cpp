#include "windows/dialogs/conversion_dialog.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <algorithm>

#include "files/status_texts.h"
#include "windows/centre_over.h"
#include "windows/dialogs/dialog_parts.h"
#include "windows/dialogs/picture_preview.h"
#include "windows/dialogs/preview_layout.h"

namespace tochkograf {

namespace {

QString SizeText(QSize size) { return tochkograf::SizeText(size.width(), size.height()); }

}  // namespace

ConversionDialog::ConversionDialog(const ImportedImage& image, const ConversionSettings& start,
                                   bool grid, QWidget* parent)
    : QDialog(parent, kFixedDialogFlags), conversion_(image), current_(start.current) {
  setWindowTitle(QStringLiteral("Преобразование изображения"));
  preview_ = Named(new PicturePreview(grid, this), "previewRoom");
  const QList<QWidget*> choices = CreateControls();
  ShowSettings(start);
  ConnectControls();
  RedrawPreview();  // the note under the preview, before the layout fits it
  LayOut(choices);
  layout()->activate();
  if (parent) CentreOver(this, parent->window());
}

QList<QWidget*> ConversionDialog::CreateControls() {
  sizes_ = Named(new QLabel(this), "sizes");
  ok_ = Named(new QPushButton(QStringLiteral("OK"), this), "ok");
  ok_->setDefault(true);
  cancel_ = Named(new QPushButton(QStringLiteral("Отмена"), this), "cancel");
  invert_ =
      Named(new QCheckBox(QStringLiteral("Инвертировать (светлое станет чёрным)"), this), "invert");
  return {CreateSizeGroup(), CreateFramingGroup(), CreateThresholdGroup(), CreateDitheringGroup(),
          invert_};
}

QWidget* ConversionDialog::CreateSizeGroup() {
  auto* group = new QGroupBox(QStringLiteral("Размер рисунка"), this);
  fit_ = Named(
      new QRadioButton(
          QStringLiteral("Вписать в %1, сохраняя пропорции").arg(SizeText(kMaxWidth, kMaxHeight)),
          group),
      "fit");
  current_size_ = Named(
      new QRadioButton(QStringLiteral("Как у рисунка в редакторе: ") + SizeText(current_), group),
      "current");
  typed_ = Named(new QRadioButton(QStringLiteral("Другой:"), group), "typed");
  typed_width_ = Named(new QSpinBox(group), "typedWidth");
  typed_width_->setRange(1, kMaxWidth);
  typed_height_ = Named(new QSpinBox(group), "typedHeight");
  typed_height_->setRange(1, kMaxHeight);
  display_ = Named(new QRadioButton(QStringLiteral("Дисплей:"), group), "display");
  display_size_ = Named(new QComboBox(group), "displaySize");
  for (const QSize& size : ConversionDisplaySizes()) display_size_->addItem(SizeText(size), size);

  auto* typed_row = new QHBoxLayout;
  typed_row->addWidget(typed_);
  typed_row->addWidget(typed_width_);
  typed_row->addWidget(new QLabel(QStringLiteral("x"), group));
  typed_row->addWidget(typed_height_);
  typed_row->addStretch();
  auto* display_row = new QHBoxLayout;
  display_row->addWidget(display_);
  display_row->addWidget(display_size_);
  display_row->addStretch();
  auto* rows = new QVBoxLayout(group);
  rows->addWidget(fit_);
  rows->addWidget(current_size_);
  rows->addLayout(typed_row);
  rows->addLayout(display_row);
  return group;
}

QWidget* ConversionDialog::CreateFramingGroup() {
  auto* group = Named(new QGroupBox(QStringLiteral("В размер других пропорций"), this), "framing");
  contain_ = Named(new QRadioButton(QStringLiteral("Вписать (всё изображение, белые поля)"), group),
                   "contain");
  cover_ = Named(
      new QRadioButton(QStringLiteral("Заполнить (края изображения обрезаются поровну)"), group),
      "cover");
  auto* rows = new QVBoxLayout(group);
  rows->addWidget(contain_);
  rows->addWidget(cover_);
  framing_ = group;
  return group;
}

QWidget* ConversionDialog::CreateThresholdGroup() {
  auto* group = new QGroupBox(QStringLiteral("Порог: точки темнее него станут чёрными"), this);
  threshold_ = Named(new QSlider(Qt::Horizontal, group), "threshold");
  threshold_->setRange(0, 255);
  threshold_->setPageStep(16);
  threshold_->setTracking(true);
  threshold_value_ = Named(new QSpinBox(group), "thresholdValue");
  threshold_value_->setRange(0, 255);
  auto* row = new QHBoxLayout(group);
  row->addWidget(threshold_, 1);
  row->addWidget(threshold_value_);
  return group;
}

QWidget* ConversionDialog::CreateDitheringGroup() {
  auto* group = new QGroupBox(QStringLiteral("Растрирование"), this);
  no_dithering_ = Named(new QRadioButton(QStringLiteral("Нет"), group), "noDithering");
  floyd_steinberg_ =
      Named(new QRadioButton(QStringLiteral("Флойда — Стейнберга"), group), "floydSteinberg");
  bayer_ =
      Named(new QRadioButton(QStringLiteral("Упорядоченное (Байер %1)").arg(SizeText(4, 4)), group),
            "bayer");
  auto* rows = new QVBoxLayout(group);
  for (QRadioButton* choice : {no_dithering_, floyd_steinberg_, bayer_}) rows->addWidget(choice);
  return group;
}

// The preview on the left, as large at every font as the screen lets it
// be; the choices on the right take whatever room their texts need.
void ConversionDialog::LayOut(const QList<QWidget*>& choices) {
  LayOutPreviewDialog(
      this,
      {.preview = preview_, .notes = {sizes_}, .choices = choices, .buttons = {ok_, cancel_}});
  QWidget* previous = fit_;
  for (QWidget* next : std::initializer_list<QWidget*>{
           current_size_, typed_, typed_width_, typed_height_, display_, display_size_, contain_,
           cover_, threshold_, threshold_value_, no_dithering_, floyd_steinberg_, bayer_, invert_,
           ok_, cancel_}) {
    setTabOrder(previous, next);
    previous = next;
  }
}

void ConversionDialog::ShowSettings(const ConversionSettings& settings) {
  switch (settings.size) {
    case SizeChoice::Fit:
      fit_->setChecked(true);
      break;
    case SizeChoice::Current:
      current_size_->setChecked(true);
      break;
    case SizeChoice::Typed:
      typed_->setChecked(true);
      break;
    case SizeChoice::Display:
      display_->setChecked(true);
      break;
  }
  typed_width_->setValue(settings.typed.width());
  typed_height_->setValue(settings.typed.height());
  display_size_->setCurrentIndex(std::max(0, display_size_->findData(settings.display)));
  (settings.framing == Framing::Contain ? contain_ : cover_)->setChecked(true);
  framing_->setEnabled(settings.size != SizeChoice::Fit);
  threshold_->setValue(settings.threshold);
  threshold_value_->setValue(settings.threshold);
  switch (settings.dithering) {
    case Dithering::None:
      no_dithering_->setChecked(true);
      break;
    case Dithering::FloydSteinberg:
      floyd_steinberg_->setChecked(true);
      break;
    case Dithering::Bayer:
      bayer_->setChecked(true);
      break;
  }
  invert_->setChecked(settings.invert);
}

void ConversionDialog::ConnectControls() {
  // A radio button turned off is followed by the one turned on.
  for (QRadioButton* choice : {fit_, current_size_, typed_, display_, contain_, cover_})
    connect(choice, &QRadioButton::toggled, this, [this](bool on) {
      if (on) SizeChanged();
    });
  // Choosing a display's size chooses the display.
  connect(display_size_, &QComboBox::currentIndexChanged, this, [this] {
    if (display_->isChecked())
      SizeChanged();
    else
      display_->setChecked(true);
  });
  for (QRadioButton* choice : {no_dithering_, floyd_steinberg_, bayer_})
    connect(choice, &QRadioButton::toggled, this, [this](bool on) {
      if (on) RedrawPreview();
    });
  connect(invert_, &QCheckBox::toggled, this, &ConversionDialog::RedrawPreview);
  // Typing a size chooses it.
  for (QSpinBox* side : {typed_width_, typed_height_})
    connect(side, &QSpinBox::valueChanged, this, [this] {
      if (typed_->isChecked())
        SizeChanged();
      else
        typed_->setChecked(true);
    });
  // The slider reports every step while it is dragged, and every value
  // typed beside it; the dialog's own settings of it are not reported.
  connect(threshold_, &QSlider::valueChanged, this, [this](int value) {
    threshold_chosen_ = true;
    const QSignalBlocker quiet(threshold_value_);
    threshold_value_->setValue(value);
    RedrawPreview();
  });
  connect(threshold_value_, &QSpinBox::valueChanged, threshold_, &QSlider::setValue);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

// Otsu's threshold of the greys at one size may part those at another
// badly: it follows the size until the user has chosen one.
void ConversionDialog::SizeChanged() {
  framing_->setEnabled(!fit_->isChecked());
  if (!threshold_chosen_) {
    const int threshold = conversion_.OtsuThresholdFor(Settings());
    const QSignalBlocker quiet_slider(threshold_), quiet_value(threshold_value_);
    threshold_->setValue(threshold);
    threshold_value_->setValue(threshold);
  }
  RedrawPreview();
}

ConversionSettings ConversionDialog::Settings() const {
  ConversionSettings settings;
  settings.size = fit_->isChecked()            ? SizeChoice::Fit
                  : current_size_->isChecked() ? SizeChoice::Current
                  : display_->isChecked()      ? SizeChoice::Display
                                               : SizeChoice::Typed;
  settings.current = current_;
  settings.typed = QSize(typed_width_->value(), typed_height_->value());
  settings.display = display_size_->currentData().toSize();
  settings.framing = cover_->isChecked() ? Framing::Cover : Framing::Contain;
  settings.threshold = threshold_->value();
  settings.dithering = floyd_steinberg_->isChecked() ? Dithering::FloydSteinberg
                       : bayer_->isChecked()         ? Dithering::Bayer
                                                     : Dithering::None;
  settings.invert = invert_->isChecked();
  return settings;
}

const DocumentState& ConversionDialog::Preview() const { return preview_->Shown(); }

void ConversionDialog::RedrawPreview() {
  const Picture picture = conversion_.Result(Settings());
  preview_->ShowPicture(picture);
  sizes_->setText(
      QStringLiteral("Изображение: %1, рисунок: %2 точек")
          .arg(SizeText(conversion_.Image().size), SizeText(QSize(picture.width, picture.height))));
  emit PreviewRedrawn();
}

}  // namespace tochkograf
