#include "windows/form1.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <initializer_list>

#include "commands/bmp_import.h"
#include "commands/caption.h"
#include "commands/edit_commands.h"
#include "commands/ems_file.h"
#include "commands/export_command.h"
#include "commands/image_import.h"
#include "commands/open_named_file.h"
#include "picture/pen.h"
#include "picture/undo_clipboard.h"
#include "picture/view.h"
#include "windows/keyboard_menu_bar.h"
#include "windows/latin_shortcut.h"
#include "windows/pole.h"
#include "windows/qt_file_dialogs.h"
#include "windows/qt_side_windows.h"
#include "windows/qt_user_messages.h"
#include "windows/square_cells.h"
#include "windows/text_room.h"
#include "windows/toolbar_icons.h"

namespace tochkograf {

namespace {

constexpr QSize kInitialInnerSize(306, 362);

struct ButtonPlace {
  int left, top, size;
};
// The gaps group the buttons: new | open, save | cut, copy, paste | size.
constexpr std::array<ButtonPlace, 7> kButtonPlaces = {{
    {0, 0, 30}, {40, 0, 30}, {72, 0, 29}, {112, 0, 29},
    {144, 0, 29}, {176, 0, 29}, {216, 0, 29}}};
constexpr QRect kLabel1Place(0, 32, 121, 17);
constexpr QRect kLabel2Place(128, 32, 73, 17);

}  // namespace

Form1::Form1(Form1Seams seams, QWidget* parent) : QMainWindow(parent) {
  if (!seams.messages) own_messages_ = std::make_unique<QtUserMessages>(this);
  messages_ = seams.messages ? seams.messages : own_messages_.get();
  if (!seams.windows) own_windows_ = std::make_unique<QtSideWindows>(this);
  windows_ = seams.windows ? seams.windows : own_windows_.get();
  if (!seams.file_dialogs) own_file_dialogs_ = std::make_unique<QtFileDialogs>();
  FileDialogPlatform& dialogs = seams.file_dialogs ? *seams.file_dialogs : *own_file_dialogs_;
  const QString folder = seams.start_folder.isEmpty() ? QDir::currentPath() : seams.start_folder;
  commands_ = std::make_unique<DocumentCommands>(
      DocumentContext{state_, *this, *this, *messages_}, dialogs, folder, this);
  // The load handler, with its splash, runs before the window's own
  // controls are built: nothing of them shows until the splash has gone, and
  // the splash comes up sooner.
  Load();
  CreateControls();
  CreateMenus();
  ConnectPole();
  RedrawPole(state_, *this);
  resize(InitialInnerSize() + QSize(0, menuBar()->sizeHint().height()));
  PlaceCentred();
}

Form1::~Form1() = default;

void Form1::CreateControls() {
  area_ = new QWidget(this);
  area_->setObjectName(QStringLiteral("Form1Area"));
  setCentralWidget(area_);
  area_->installEventFilter(this);

  for (int i = 0; i < 7; ++i) {
    auto* button = new QPushButton(area_);
    button->setObjectName(QStringLiteral("Command1_%1").arg(i));
    const ButtonPlace& place = kButtonPlaces[i];
    button->setGeometry(place.left, place.top, place.size, place.size);
    button->setIcon(ToolbarIcon(i));
    button->setIconSize(QSize(24, 24));
    button->setFocusPolicy(Qt::StrongFocus);
    button->installEventFilter(this);
    connect(button, &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    Command1_[i] = button;
  }

  Label1_ = new QLabel(QStringLiteral("Размер изображения:"), area_);
  Label1_->setObjectName(QStringLiteral("Label1"));
  Label1_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  Label2_ = new QLabel(area_);
  Label2_->setObjectName(QStringLiteral("Label2"));
  Label2_->setAlignment(Qt::AlignCenter);
  Label2_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Label2_->setLineWidth(1);
  PlaceLabels();

  pole_ = new Pole(state_, area_);
  pole_->setGeometry(0, band_height_, 305, 305);

  for (int i = 0; i < 5; ++i) setTabOrder(Command1_[i], Command1_[i + 1]);
  setTabOrder(Command1_[5], pole_);
  setTabOrder(pole_, Command1_[6]);
}

// Each label keeps its place at 96 dpi unless its text needs more room at the
// desktop's font; then it grows, the size label moves right along with it,
// and the band holding them grows down.
void Form1::PlaceLabels() {
  const QSize words = RoomForLine(Label1_, Label1_->text()).expandedTo(kLabel1Place.size());
  // The widest size there is: digits are all as wide in interface faces.
  const QSize sizes =
      RoomForLine(Label2_, SizeLabelText(kMaxWidth, kMaxHeight)).expandedTo(kLabel2Place.size());
  const int height = std::max(words.height(), sizes.height());
  Label1_->setGeometry(QRect(kLabel1Place.topLeft(), QSize(words.width(), height)));
  const int gap = kLabel2Place.left() - kLabel1Place.right() - 1;
  Label2_->setGeometry(QRect(QPoint(Label1_->geometry().right() + 1 + gap, kLabel2Place.top()),
                             QSize(sizes.width(), height)));
  const int below = kBandHeight - kLabel2Place.bottom() - 1;
  band_height_ = std::max(kBandHeight, Label2_->geometry().bottom() + 1 + below);
}

// Wide enough for every menu title and the labels; the drawing area starts
// as square as it is at 96 dpi.
QSize Form1::InitialInnerSize() const {
  const int width = std::max(kInitialInnerSize.width(), NarrowestInnerWidth());
  const int pole_height =
      kInitialInnerSize.height() - kBandHeight + width - kInitialInnerSize.width();
  return QSize(width, band_height_ + pole_height);
}

int Form1::NarrowestInnerWidth() const {
  return std::max(menuBar()->sizeHint().width(), Label2_->geometry().right() + 1);
}

void Form1::CreateMenus() {
  using Handler = void (Form1::*)();
  struct Item {
    const char* name;
    QString caption;  // "-" for a separator
    QKeySequence shortcut;
    Handler run;
  };
  setMenuBar(new KeyboardMenuBar(this));
  const auto add_menu = [this](const char* name, const QString& caption,
                               std::initializer_list<Item> items) {
    QMenu* menu = menuBar()->addMenu(caption);
    menu->setObjectName(QLatin1String(name));
    for (const Item& item : items) {
      QAction* action = item.caption == QLatin1String("-")
                            ? menu->addSeparator()
                            : menu->addAction(item.caption);
      action->setObjectName(QLatin1String(item.name));
      action->setShortcut(item.shortcut);
      if (item.run) connect(action, &QAction::triggered, this, item.run);
    }
  };
  const QString separator = QStringLiteral("-");
  add_menu(
      "filemenu", QStringLiteral("Файл"),
      {
          {"filenew", QStringLiteral("Новый файл"), QKeySequence(Qt::CTRL | Qt::Key_N),
           &Form1::filenew_Click},
          {"fileopen", QStringLiteral("Открыть файл..."), QKeySequence(Qt::CTRL | Qt::Key_O),
           &Form1::fileopen_Click},
          {"t1", separator, {}, nullptr},
          {"filesave", QStringLiteral("Сохранить файл"), QKeySequence(Qt::CTRL | Qt::Key_S),
           &Form1::filesave_Click},
          {"filesaveas", QStringLiteral("Сохранить файл как..."), {}, &Form1::filesaveas_Click},
          {"t5", separator, {}, nullptr},
          {"frombmp", QStringLiteral("Импорт из BMP"), {}, &Form1::frombmp_Click},
          {"fromimage", QStringLiteral("Импорт изображения..."), {}, &Form1::fromimage_Click},
          {"fileexport", QStringLiteral("Экспорт..."), {}, &Form1::fileexport_Click},
          {"t8", separator, {}, nullptr},
          {"fileexit", QStringLiteral("Выход"), {}, &Form1::fileexit_Click},
      });
  add_menu("edit", QStringLiteral("Редактирование"), {
      {"editundo", QStringLiteral("Отмена"), QKeySequence(Qt::CTRL | Qt::Key_Z), &Form1::editundo_Click},
      {"t7", separator, {}, nullptr},
      {"editcut", QStringLiteral("Вырезать"), QKeySequence(Qt::CTRL | Qt::Key_X), &Form1::editcut_Click},
      {"editcopy", QStringLiteral("Копировать"), QKeySequence(Qt::CTRL | Qt::Key_C), &Form1::editcopy_Click},
      {"editpaste", QStringLiteral("Вставить"), QKeySequence(Qt::CTRL | Qt::Key_V), &Form1::editpaste_Click},
      {"t4", separator, {}, nullptr},
      {"sup", QStringLiteral("Скролл вверх (8)"), {}, &Form1::sup_Click},
      {"sdown", QStringLiteral("Скролл вниз (2)"), {}, &Form1::sdown_Click},
      {"sleft", QStringLiteral("Скролл влево (4)"), {}, &Form1::sleft_Click},
      {"sright", QStringLiteral("Скролл вправо (6)"), {}, &Form1::sright_Click},
  });
  add_menu("options", QStringLiteral("Опции"), {
      {"setka", QStringLiteral("Сетка"), QKeySequence(Qt::CTRL | Qt::Key_G), &Form1::setka_Click},
      {"t3", separator, {}, nullptr},
      {"size", QStringLiteral("Размер изображения..."), {}, &Form1::size_Click},
  });
  add_menu("help", QStringLiteral("Справка"), {
      {"helpme", QStringLiteral("Помощь"), QKeySequence(Qt::Key_F1), &Form1::helpme_Click},
      {"t6", separator, {}, nullptr},
      {"about", QStringLiteral("О программе..."), {}, &Form1::about_Click},
  });
  // The grid item carries its check mark from the start; Qt turns the mark
  // over on every trigger, while setka_Click turns GridOn over.
  auto* setka = findChild<QAction*>(QStringLiteral("setka"));
  setka->setCheckable(true);
  setka->setChecked(true);
}

void Form1::ConnectPole() {
  connect(pole_, &Pole::MouseDown, this, [this](std::uint8_t button, double X, double Y) {
    PoleMouseDown(state_, *this, button, X, Y);
  });
  connect(pole_, &Pole::MouseMove, this,
          [this](double X, double Y) { PoleMouseMove(state_, *this, X, Y); });
  connect(pole_, &Pole::MouseUp, this, [this] { PoleMouseUp(state_); });
  connect(pole_, &Pole::Resized, this, [this] { PoleResized(state_, *this); });
  connect(pole_, &Pole::KeyPress, this, &Form1::DigitKeyPress);
}

void Form1::PlaceCentred() {
  if (QScreen* screen = this->screen())
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                    screen->availableGeometry()));
}

void Form1::Load() {
  windows_->ShowSplash();
  state_.IZM = kOff;
  state_.FileName = kUntitled;
  state_.MX = 32;
  state_.MY = 32;
  SaveUndo(state_);
  fitted_size_ = QSize(state_.MX, state_.MY);
  state_.GridOn = kOn;
  UpdateCaption(commands_->Document());
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == area_ && event->type() == QEvent::Resize) {
    Form_Resize();
  } else if (event->type() == QEvent::KeyPress &&
             std::find(Command1_.begin(), Command1_.end(), watched) != Command1_.end()) {
    DigitKeyPress(static_cast<QKeyEvent*>(event)->text());
  }
  return QMainWindow::eventFilter(watched, event);
}

void Form1::filenew_Click() { commands_->filenew(); }
void Form1::fileopen_Click() { commands_->fileopen(); }
void Form1::filesave_Click() { commands_->filesave(); }
void Form1::filesaveas_Click() { commands_->filesaveas(); }
void Form1::frombmp_Click() { frombmp(*commands_); }
void Form1::fromimage_Click() { ImportImage(*commands_, *windows_); }

void Form1::OpenFile(const QString& path) { OpenNamedFile(*commands_, *windows_, path); }
void Form1::fileexport_Click() { fileexport(*commands_); }

void Form1::closeEvent(QCloseEvent* event) {
  if (!commands_->MayClose()) {
    event->ignore();
    return;
  }
  event->accept();
  emit Unloaded();
}

void Form1::focusInEvent(QFocusEvent* event) {
  QMainWindow::focusInEvent(event);
  setWindowTitle(FocusCaptionFor(state_.FileName));
}

// Only presses no shortcut has taken come here, so a command never runs twice
// where a Latin layout is there as well.
void Form1::keyPressEvent(QKeyEvent* event) {
  const QKeySequence latin = LatinShortcutFor(*event);
  if (!latin.isEmpty()) {
    for (QAction* action : findChildren<QAction*>()) {
      if (action->shortcut() == latin) {
        action->trigger();
        return;
      }
    }
  }
  QMainWindow::keyPressEvent(event);
}

// The dialog closes before the new size is drawn, so redraw here rather than
// rely on the uncovered part being repainted.
void Form1::size_Click() {
  if (windows_->ShowSizeDialog(state_)) RedrawPole(state_, *this);
}

void Form1::helpme_Click() { windows_->ShowHelp(); }
void Form1::about_Click() { windows_->ShowAbout(); }

void Form1::fileexit_Click() { close(); }

void Form1::editundo_Click() { editundo(state_, *this); }
void Form1::editcut_Click() { editcut(state_, *this); }
void Form1::editcopy_Click() { editcopy(state_); }
void Form1::editpaste_Click() { editpaste(state_, *this); }

void Form1::sup_Click() { sup(state_, *this); }
void Form1::sdown_Click() { sdown(state_, *this); }
void Form1::sleft_Click() { sleft(state_, *this); }
void Form1::sright_Click() { sright(state_, *this); }

void Form1::setka_Click() {
  state_.GridOn = static_cast<Flag>(~state_.GridOn);
  RedrawPole(state_, *this);
}

void Form1::Command1_Click(int index) {
  static constexpr std::array<void (Form1::*)(), 7> kRuns = {
      &Form1::filenew_Click, &Form1::fileopen_Click, &Form1::filesave_Click,
      &Form1::editcut_Click, &Form1::editcopy_Click, &Form1::editpaste_Click,
      &Form1::size_Click};
  if (index >= 0 && index < static_cast<int>(kRuns.size())) (this->*kRuns[index])();
}

void Form1::DigitKeyPress(const QString& text) {
  if (text == QLatin1String("4")) sleft_Click();
  else if (text == QLatin1String("6")) sright_Click();
  else if (text == QLatin1String("8")) sup_Click();
  else if (text == QLatin1String("2")) sdown_Click();
}

void Form1::Form_Resize() {
  const QSize inner = area_->size();
  const int height =
      inner.height() > band_height_ ? inner.height() - band_height_ : pole_->height();
  pole_->setGeometry(0, band_height_, inner.width(), height);
}

void Form1::SetCaption(const QString& caption) { setWindowTitle(caption); }

double Form1::InnerWidth() const { return pole_->InnerWidth(); }
double Form1::InnerHeight() const { return pole_->InnerHeight(); }
void Form1::RepaintCell(int x, int y) { pole_->RepaintCell(x, y); }
void Form1::RepaintAll() {
  pole_->update();
  FollowPictureSize();
}

// The drawing area keeps about the room it had; the window grows or shrinks
// round its own centre and stays on the screen. A maximised window keeps its
// size, as the user's own resizing always stretches the picture.
void Form1::FollowPictureSize() {
  const QSize picture(state_.MX, state_.MY);
  if (picture == fitted_size_) return;
  fitted_size_ = picture;
  QScreen* screen = this->screen();
  if (!screen || isMaximized() || isFullScreen()) return;
  const QSize frame = pole_->size() - pole_->contentsRect().size();
  const QSize decoration = frameGeometry().size() - size();
  const QSize around = decoration + QSize(0, menuBar()->sizeHint().height() + band_height_) + frame;
  const QRect available = screen->availableGeometry();
  const QSize inner =
      SquareCellArea(picture, pole_->contentsRect().size(), NarrowestInnerWidth() - frame.width(),
                     available.size() - around);
  QRect outer(QPoint(), inner + around);
  outer.moveCenter(frameGeometry().center());
  outer.moveRight(std::min(outer.right(), available.right()));
  outer.moveBottom(std::min(outer.bottom(), available.bottom()));
  outer.moveLeft(std::max(outer.left(), available.left()));
  outer.moveTop(std::max(outer.top(), available.top()));
  resize(outer.size() - decoration);
  move(outer.topLeft());
}

void Form1::SetSizeLabel(const QString& caption) { Label2_->setText(caption); }

}  // namespace tochkograf
