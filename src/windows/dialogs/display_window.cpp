#include "windows/dialogs/display_window.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QWindow>

#include "images/display_look.h"
#include "picture/frames.h"
#include "windows/centre_over.h"
#include "windows/dialogs/dialog_parts.h"

namespace tochkograf {

namespace {

// The enlargements offered, the first the real size.
constexpr int kZooms[] = {1, 2, 4};

// What was chosen last, for the next opening while the program runs.
struct DisplayChoice {
  int model = 0;
  int zoom = 0;
};
DisplayChoice& LastChoice() {
  static DisplayChoice choice;
  return choice;
}

// Densities outside these are a screen that reports none, or a wrong one.
constexpr double kFewestDpi = 40;
constexpr double kMostDpi = 1200;

double PlausibleDpi(double physical, double logical) {
  return physical >= kFewestDpi && physical <= kMostDpi ? physical : logical;
}

// Beside its owner where the screen has room, so that the drawing stays in
// sight; over it, as the dialogs are, elsewhere.
void PlaceBeside(QWidget* window, const QWidget* owner) {
  CentreOver(window, owner);
  const QRect free = owner->screen()->availableGeometry();
  const QRect beside = owner->frameGeometry();
  const int width = window->width() + beside.width() - owner->width();
  if (beside.right() + width <= free.right())
    window->move(beside.right() + 1, window->y());
  else if (beside.left() - width >= free.left())
    window->move(beside.left() - width, window->y());
}

QString Millimetres(double mm) { return QLocale(QLocale::Russian).toString(mm, 'f', 1); }

}  // namespace

QSizeF DisplayWindow::PixelsPerMm(const QScreen* screen) {
  constexpr double kMmPerInch = 25.4;
  if (!screen) return QSizeF(96 / kMmPerInch, 96 / kMmPerInch);
  return QSizeF(PlausibleDpi(screen->physicalDotsPerInchX(), screen->logicalDotsPerInchX()),
                PlausibleDpi(screen->physicalDotsPerInchY(), screen->logicalDotsPerInchY())) /
         kMmPerInch;
}

DisplayWindow::DisplayWindow(const DocumentState& document, QWidget* parent)
    : QWidget(parent, Qt::Window), document_(document) {
  setObjectName(QStringLiteral("DisplayWindow"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Как на дисплее"));

  model_ = Named(new QComboBox(this), "Model");
  for (const DisplayModel& model : DisplayModels()) model_->addItem(model.caption);
  zoom_ = Named(new QComboBox(this), "Zoom");
  zoom_->addItem(QStringLiteral("Настоящий размер"));
  for (int zoom : kZooms)
    if (zoom > 1) zoom_->addItem(QStringLiteral("×%1").arg(zoom));
  model_->setCurrentIndex(LastChoice().model);
  zoom_->setCurrentIndex(LastChoice().zoom);
  play_ = Named(new QPushButton(QStringLiteral("Играть"), this), "Play");
  play_->setCheckable(true);
  auto* model_label = new QLabel(QStringLiteral("&Дисплей:"), this);
  model_label->setBuddy(model_);
  auto* zoom_label = new QLabel(QStringLiteral("&Увеличение:"), this);
  zoom_label->setBuddy(zoom_);

  panel_ = Named(new QLabel, "Panel");
  room_ = new QScrollArea(this);
  room_->setWidget(panel_);
  room_->setAlignment(Qt::AlignCenter);
  // A neutral grey round the panel, so that its edges show for any paper.
  room_->setBackgroundRole(QPalette::Dark);
  about_ = Named(new QLabel(this), "About");
  about_->setWordWrap(true);

  auto* choices = choices_ = new QGridLayout;
  choices->addWidget(model_label, 0, 0);
  choices->addWidget(model_, 0, 1, 1, 2);
  choices->addWidget(zoom_label, 1, 0);
  choices->addWidget(zoom_, 1, 1);
  choices->addWidget(play_, 1, 2, Qt::AlignLeft);
  choices->setColumnStretch(2, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(choices);
  layout->addWidget(room_, 1);
  layout->addWidget(about_);

  refresh_.setSingleShot(true);
  refresh_.setInterval(0);
  connect(&refresh_, &QTimer::timeout, this, &DisplayWindow::Refresh);
  connect(model_, &QComboBox::currentIndexChanged, this, &DisplayWindow::Choose);
  connect(zoom_, &QComboBox::currentIndexChanged, this, &DisplayWindow::Choose);
  connect(play_, &QPushButton::toggled, this, &DisplayWindow::PlayOrStop);
  connect(&playback_, &Playback::FrameShown, this, &DisplayWindow::Refresh);
  Refresh();
  FitPanel();
  if (parent) PlaceBeside(this, parent->window());
}

void DisplayWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (windowHandle())
    connect(windowHandle(), &QWindow::screenChanged, this, &DisplayWindow::Choose,
            Qt::UniqueConnection);
}

void DisplayWindow::Follow() {
  if (playback_.Playing()) playback_.Follow(AnimationOf(document_));
  refresh_.start();
}

void DisplayWindow::Choose() {
  LastChoice() = {model_->currentIndex(), zoom_->currentIndex()};
  Refresh();
  FitPanel();
}

void DisplayWindow::PlayOrStop(bool play) {
  if (play)
    playback_.Start(AnimationOf(document_));
  else
    playback_.Stop();
  Refresh();
}

void DisplayWindow::Refresh() {
  const bool frames = FrameCount(document_) > 1;
  if (!frames && play_->isChecked()) play_->setChecked(false);  // stops, and comes back here
  play_->setEnabled(frames);
  const DisplayModel& model = DisplayModels()[std::max(0, model_->currentIndex())];
  const double scale = devicePixelRatioF() * kZooms[std::max(0, zoom_->currentIndex())];
  const QSize picture(document_.MX, document_.MY);
  shown_ = DisplayLook(playback_.Playing() ? playback_.Shown() : document_.Pixels, picture, model,
                       PixelsPerMm(screen()) * scale);
  shown_.setDevicePixelRatio(devicePixelRatioF());
  panel_->setPixmap(QPixmap::fromImage(shown_));
  panel_->adjustSize();

  const QSizeF mm(model.pixels.width() * model.pitch_mm.width(),
                  model.pixels.height() * model.pitch_mm.height());
  QString about = QStringLiteral("Экран %1 × %2, %3 × %4 мм")
                      .arg(model.pixels.width())
                      .arg(model.pixels.height())
                      .arg(Millimetres(mm.width()), Millimetres(mm.height()));
  if (picture.width() > model.pixels.width() || picture.height() > model.pixels.height())
    about += QStringLiteral("; рисунок больше экрана, края не видны");
  about_->setText(about);
}

void DisplayWindow::FitPanel() {
  const QScreen* screen = this->screen();
  if (!screen) return;
  const QMargins margins = layout()->contentsMargins();
  const int spacing = layout()->spacing();
  const QSize panel = panel_->size() + 2 * QSize(room_->frameWidth(), room_->frameWidth());
  const QSize wanted(
      std::max(choices_->sizeHint().width(), panel.width()) + margins.left() + margins.right(),
      choices_->sizeHint().height() + panel.height() + about_->sizeHint().height() + 2 * spacing +
          margins.top() + margins.bottom());
  const QRect free = screen->availableGeometry();
  resize(wanted.boundedTo(free.size() * 9 / 10));
  // Grown, it stays on the screen.
  if (isVisible()) {
    const QRect frame = frameGeometry();
    move(pos() + QPoint(std::min(0, free.right() - frame.right()),
                        std::min(0, free.bottom() - frame.bottom())));
  }
}

}  // namespace tochkograf
