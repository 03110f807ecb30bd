#include "windows/dialogs/form2.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

#include "picture/view.h"
#include "windows/centre_over.h"
#include "windows/dialogs/dialog_parts.h"
#include "windows/text_room.h"

namespace tochkograf {

namespace {

constexpr QSize kClientSize(543, 264);

struct Preset {
  const char* caption;
  QRect place;
  int width, height;
};
// In the order of the button array, which is not the tab order.
constexpr std::array<Preset, 4> kPresets = {{
    {"16 x 16", {328, 104, 97, 25}, 16, 16},
    {"32 x 32", {328, 136, 97, 25}, 32, 32},
    {"24 x 26", {432, 104, 97, 25}, 24, 26},
    {"72 x 14", {432, 136, 97, 25}, 72, 14},
}};

// The lattice of a W x H picture at twice its size, centred on (151, 121):
// dots at columns 150 - W + 2i and rows 120 - H + 2j, i = 1..W, j = 1..H.
QRect PreviewLattice(int width, int height) {
  return QRect(152 - width, 122 - height, 2 * width - 1, 2 * height - 1);
}

// The size text's face is the classic 24-point dialog face where it is
// installed; elsewhere the system puts its own sans serif in its place, the
// face the rest of the program's texts already use, so no other font has to
// be loaded for it.
QFont SizeTextFont() {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(24);
  font.setWeight(QFont::Normal);
  return font;
}

QPushButton* MakeButton(const QString& caption, const QRect& place, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setGeometry(place);
  // A button of a dialog would otherwise take Enter for itself.
  button->setAutoDefault(false);
  return button;
}

QScrollBar* MakeBar(Qt::Orientation orientation, int lowest, int highest, const QRect& place,
                    QWidget* parent) {
  auto* bar = new QScrollBar(orientation, parent);
  bar->setGeometry(place);
  bar->setRange(lowest, highest);
  bar->setValue(Form2::kOpeningSize);
  bar->setSingleStep(1);
  bar->setPageStep(8);
  bar->setFocusPolicy(Qt::StrongFocus);
  return bar;
}

}  // namespace

Form2::Form2(QWidget* parent) : QDialog(parent, kFixedDialogFlags) {
  setWindowTitle(QStringLiteral("Выберите размер изображения"));
  CreateControls();
  PlaceControls();
  ConnectControls();
  if (parent) CentreOver(this, parent->window());
}

void Form2::CreateControls() {
  Command1_ = MakeButton(QStringLiteral("OK"), {328, 232, 97, 25}, this);
  Command1_->setObjectName(QStringLiteral("Command1"));
  Command2_ = MakeButton(QStringLiteral("Отмена"), {440, 232, 97, 25}, this);
  Command2_->setObjectName(QStringLiteral("Command2"));

  Label1_ = new QLabel(QStringLiteral("000"), this);
  Label1_->setObjectName(QStringLiteral("Label1"));
  Label1_->setGeometry(328, 176, 209, 41);
  Label1_->setAlignment(Qt::AlignCenter);
  Label1_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Label1_->setLineWidth(1);
  Label1_->setFont(SizeTextFont());

  Label2_ = new QLabel(
      QStringLiteral("Внимание! В этой программе можно выбрать любой, не стандартный размер "
                     "изображения. Но не все телефоны могут их отображать и посылать в "
                     "сообщениях. Вы можете использовать кнопки для выбора наиболее часто "
                     "встречаемых размеров:"),
      this);
  Label2_->setObjectName(QStringLiteral("Label2"));
  Label2_->setGeometry(328, 8, 201, 89);
  Label2_->setWordWrap(true);
  Label2_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  for (int i = 0; i < static_cast<int>(kPresets.size()); ++i) {
    Command3_[i] = MakeButton(QLatin1String(kPresets[i].caption), kPresets[i].place, this);
    Command3_[i]->setObjectName(QStringLiteral("Command3_%1").arg(i));
  }

  HScroll1_ = MakeBar(Qt::Horizontal, kLowestWidth, kMaxWidth, {8, 240, 281, 17}, this);
  HScroll1_->setObjectName(QStringLiteral("HScroll1"));
  HScroll1_->installEventFilter(this);
  VScroll1_ = MakeBar(Qt::Vertical, kLowestHeight, kMaxHeight, {296, 8, 17, 225}, this);
  VScroll1_->setObjectName(QStringLiteral("VScroll1"));

  QWidget* const order[] = {Command1_, Command2_,    Command3_[0], HScroll1_,
                            VScroll1_, Command3_[1], Command3_[2], Command3_[3]};
  for (int i = 0; i + 1 < static_cast<int>(std::size(order)); ++i)
    setTabOrder(order[i], order[i + 1]);
  Command1_->setFocus();
}

// The controls right of the preview keep their 96-dpi places where the
// desktop's font is the usual one. A larger font widens that column with it
// (more where a text needs more), each row there is as tall as its text
// needs, and the rows below move down; the bars follow the dialog's bottom
// edge, and the preview stays where it is.
// ASSUMPTION: every control is still at its 96-dpi place.
void Form2::PlaceControls() {
  const qreal growth = FontGrowth(this);
  const QSize size_text = RoomForLine(Label1_, SizeLabelText(kMaxWidth, kMaxHeight));
  const QPushButton* const buttons[] = {Command1_,    Command2_,    Command3_[0],
                                        Command3_[1], Command3_[2], Command3_[3]};
  qreal across = std::max(growth, size_text.width() / qreal(Label1_->width()));
  int button_height = 0;
  for (const QPushButton* button : buttons) {
    across = std::max(across, button->sizeHint().width() / qreal(button->width()));
    button_height = std::max(button_height, button->sizeHint().height());
  }
  const int column = Label2_->x();
  struct Row {
    QList<QWidget*> controls;
    int needed;  // the height its text needs
  };
  const Row rows[] = {{{Label2_}, Label2_->heightForWidth(Grown(Label2_->width(), across))},
                      {{Command3_[0], Command3_[2]}, button_height},
                      {{Command3_[1], Command3_[3]}, button_height},
                      {{Label1_}, size_text.height()},
                      {{Command1_, Command2_}, button_height}};
  int shift = 0;  // how far the rows met so far have pushed the next down
  for (const Row& row : rows) {
    const int design_height = row.controls.first()->height();
    const int height = std::max(Grown(design_height, growth), row.needed);
    for (QWidget* control : row.controls)
      control->setGeometry(column + Grown(control->x() - column, across), control->y() + shift,
                           Grown(control->width(), across), height);
    shift += height - design_height;
  }
  HScroll1_->move(HScroll1_->x(), HScroll1_->y() + shift);
  VScroll1_->resize(VScroll1_->width(), VScroll1_->height() + shift);
  setFixedSize(column + Grown(kClientSize.width() - column, across), kClientSize.height() + shift);
}

void Form2::ConnectControls() {
  connect(Command1_, &QPushButton::clicked, this, &QDialog::accept);
  connect(Command2_, &QPushButton::clicked, this, &QDialog::reject);
  for (int i = 0; i < static_cast<int>(Command3_.size()); ++i)
    connect(Command3_[i], &QPushButton::clicked, this, [this, i] { Command3_Click(i); });
  // Change and thumb drag of each bar. While a thumb is dragged Qt reports
  // both, so a drag step may redraw twice; the repaints merge into one.
  for (QScrollBar* bar : {HScroll1_, VScroll1_}) {
    connect(bar, &QScrollBar::valueChanged, this, &Form2::RedrawPreview);
    connect(bar, &QScrollBar::sliderMoved, this, &Form2::RedrawPreview);
  }
}

void Form2::RedrawPreview() {
  const int width = HScroll1_->value(), height = VScroll1_->value();
  Label1_->setText(QStringLiteral(" %1 x %2").arg(width).arg(height));
  update();
  emit PreviewRedrawn(width, height);
}

// Replaces the "000" the label was laid out with before the first repaint.
void Form2::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  RedrawPreview();
}

// The lattice is not kept anywhere: every repaint lays its rows of dots
// over the background Qt has just painted, a row to a painter call. (A
// pattern brush over the whole lattice is one call, but Qt hands a fill of
// that many rows to its worker threads, and waking them costs four times
// the preview.)
void Form2::paintEvent(QPaintEvent*) {
  const QRect lattice = PreviewLattice(HScroll1_->value(), VScroll1_->value());
  if (lattice.isEmpty()) return;
  const QImage dots = DotRow(lattice.width());
  QPainter painter(this);
  for (int y = lattice.top(); y <= lattice.bottom(); y += 2)
    painter.drawImage(QPoint(lattice.left(), y), dots);
}

// Dots in every other pixel, the background's colour between them.
QImage Form2::DotRow(int width) const {
  QImage row(width, 1, QImage::Format_RGB32);
  row.fill(palette().color(QPalette::Window));
  const QRgb ink = palette().color(QPalette::WindowText).rgb();
  auto* pixels = reinterpret_cast<QRgb*>(row.scanLine(0));
  for (int x = 0; x < width; x += 2) pixels[x] = ink;
  return row;
}

// Enter and Escape must neither confirm nor cancel, so QDialog's own key
// handling is skipped.
void Form2::keyPressEvent(QKeyEvent* event) { QWidget::keyPressEvent(event); }

// Qt's scroll bars take their controls inverted, which turns Left and Right
// around on a horizontal one; here they go the way the bar's end arrows point.
bool Form2::eventFilter(QObject* watched, QEvent* event) {
  if (watched == HScroll1_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Left || key == Qt::Key_Right) {
      const bool lower = (key == Qt::Key_Left) != HScroll1_->isRightToLeft();
      HScroll1_->triggerAction(lower ? QAbstractSlider::SliderSingleStepSub
                                     : QAbstractSlider::SliderSingleStepAdd);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

QSize Form2::ChosenSize() const { return QSize(HScroll1_->value(), VScroll1_->value()); }

// Width first, then height; a bar already at its preset raises nothing.
void Form2::Command3_Click(int index) {
  HScroll1_->setValue(kPresets[index].width);
  VScroll1_->setValue(kPresets[index].height);
}

}  // namespace tochkograf
