#include "windows/main/form1.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDir>
#include <QDropEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <map>
#include <string>
#include <utility>

#include "commands/caption.h"
#include "commands/ems_file.h"
#include "commands/open_named_file.h"
#include "commands/transfer/image_import.h"
#include "files/fonts/font_loading.h"
#include "picture/frames.h"
#include "picture/undo_clipboard.h"
#include "picture/view.h"
#include "windows/adapters/qt_desktop_clipboard.h"
#include "windows/adapters/qt_file_dialogs.h"
#include "windows/adapters/qt_phone_export_dialogs.h"
#include "windows/adapters/qt_side_windows.h"
#include "windows/adapters/qt_user_messages.h"
#include "windows/dialogs/font_picker.h"
#include "windows/main/action_button.h"
#include "windows/main/caption_menu.h"
#include "windows/main/keyboard_menu_bar.h"
#include "windows/main/latin_shortcut.h"
#include "windows/main/paper_room.h"
#include "windows/main/playback.h"
#include "windows/main/pole.h"
#include "windows/main/square_cells.h"
#include "windows/main/toolbar_icons.h"
#include "windows/text_room.h"

namespace tochkograf {

namespace {

const QString kImportStep = QStringLiteral("Импорт");
// Floating cells put down, moved or pasted.
const QString kMoveStep = QStringLiteral("Перемещение");

// The step a stroke or shape of `tool` makes, as the history names it.
QString ToolStepName(DrawingTool tool) {
  switch (tool) {
    case DrawingTool::kPen:
      return QStringLiteral("Карандаш");
    case DrawingTool::kLine:
      return QStringLiteral("Линия");
    case DrawingTool::kRectangle:
      return QStringLiteral("Прямоугольник");
    case DrawingTool::kFilledRectangle:
      return QStringLiteral("Закрашенный прямоугольник");
    case DrawingTool::kEllipse:
      return QStringLiteral("Эллипс");
    case DrawingTool::kFilledEllipse:
      return QStringLiteral("Закрашенный эллипс");
    case DrawingTool::kFill:
      return QStringLiteral("Заливка");
    case DrawingTool::kSelect:
      return kMoveStep;
    case DrawingTool::kText:
      break;
  }
  return QStringLiteral("Текст");
}

constexpr QSize kInitialInnerSize(306, 362);
constexpr QRect kLabel1Place(0, 32, 121, 17);
constexpr QRect kLabel2Place(128, 32, 73, 17);
// The smallest cell, in pixels, whose colour shows between the grid's lines.
constexpr int kSmallestCell = 3;

}  // namespace

Form1::Form1(Form1Seams seams, QWidget* parent) : QMainWindow(parent) {
  if (!seams.messages) own_messages_ = std::make_unique<QtUserMessages>(this);
  messages_ = seams.messages ? seams.messages : own_messages_.get();
  if (!seams.file_dialogs) own_file_dialogs_ = std::make_unique<QtFileDialogs>();
  FileDialogPlatform& dialogs = seams.file_dialogs ? *seams.file_dialogs : *own_file_dialogs_;
  if (!seams.windows) own_windows_ = std::make_unique<QtSideWindows>(this, seams.splash, &dialogs);
  windows_ = seams.windows ? seams.windows : own_windows_.get();
  if (!seams.phone_dialogs || !seams.phone_sending || !seams.phone_reception)
    own_phone_dialogs_ = std::make_unique<QtPhoneExportDialogs>(this, dialogs);
  phone_dialogs_ = seams.phone_dialogs ? seams.phone_dialogs : own_phone_dialogs_.get();
  phone_sending_ = seams.phone_sending ? seams.phone_sending : own_phone_dialogs_.get();
  phone_reception_ = seams.phone_reception ? seams.phone_reception : own_phone_dialogs_.get();
  if (!seams.clipboard) own_clipboard_ = std::make_unique<QtDesktopClipboard>();
  clipboard_ = seams.clipboard ? seams.clipboard : own_clipboard_.get();
  const QString folder = seams.start_folder.isEmpty() ? QDir::currentPath() : seams.start_folder;
  commands_ = std::make_unique<DocumentCommands>(DocumentContext{state_, *this, *this, *messages_},
                                                 dialogs, folder, this);
  Load();
  CreateActions();
  CreateControls();
  ConnectPole();
  playback_ = new Playback(this);
  // Painted at once, not at the next turn of the event loop: a frame
  // reaches the screen when its time comes, not some events later.
  connect(playback_, &Playback::FrameShown, pole_, qOverload<>(&QWidget::repaint));
  connect(playback_, &Playback::FrameShown, Label3_,
          [this](int index) { Label3_->setText(FrameLabelText(index + 1, FrameCount(state_))); });
  RedrawPole(state_, *this);
  resize(InitialInnerSize() + QSize(0, menuBar()->sizeHint().height()));
  PlaceCentred();
  setAcceptDrops(true);
}

Form1::~Form1() = default;

void Form1::CreateControls() {
  area_ = new QWidget(this);
  area_->setObjectName(QStringLiteral("Form1Area"));
  setCentralWidget(area_);
  area_->installEventFilter(this);

  // The buttons are numbered from the left, whichever menu holds them.
  std::stable_sort(
      toolbar_actions_.begin(), toolbar_actions_.end(),
      [](const PlacedAction& a, const PlacedAction& b) { return a.place.left < b.place.left; });
  for (const PlacedAction& placed : toolbar_actions_) {
    auto* button = new ActionButton(placed.action, area_);
    button->setObjectName(QStringLiteral("Command1_%1").arg(Command1_.size()));
    button->setGeometry(placed.place.left, placed.place.top, placed.place.size, placed.place.size);
    button->setToolTip(placed.tooltip);
    button->installEventFilter(this);
    Command1_.push_back(button);
  }

  Label1_ = new QLabel(QStringLiteral("Размер изображения:"), area_);
  Label1_->setObjectName(QStringLiteral("Label1"));
  Label1_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  Label2_ = new QLabel(area_);
  Label2_->setObjectName(QStringLiteral("Label2"));
  Label2_->setAlignment(Qt::AlignCenter);
  Label2_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Label2_->setLineWidth(1);

  Label3_ = new QLabel(area_);
  Label3_->setObjectName(QStringLiteral("Label3"));
  Label3_->setAlignment(Qt::AlignCenter);
  Label3_->hide();
  PlaceLabels();

  room_ = new PaperRoom(area_);
  room_->setGeometry(0, band_height_, 305, 305);
  pole_ = new Pole(state_, area_);
  pole_->SetPreview(&tools_.Preview());
  pole_->SetSelection(&tools_.Marked());
  pole_->setGeometry(room_->geometry());
  // Never smaller than the buttons, the labels and the smallest drawing area.
  area_->setMinimumSize(SmallestInnerSize() + (pole_->size() - pole_->contentsRect().size()) +
                        QSize(0, band_height_));

  // The buttons in their order, with the drawing area just before the
  // picture size button.
  QWidget* previous = nullptr;
  for (ActionButton* button : Command1_) {
    if (button->Action()->objectName() == QLatin1String("size")) {
      if (previous) setTabOrder(previous, pole_);
      previous = pole_;
    }
    if (previous) setTabOrder(previous, button);
    previous = button;
  }
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
  // The frame label after the size label, as far from it, room for the
  // longest count there is.
  const QSize frames = RoomForLine(Label3_, FrameLabelText(kMaxFrames, kMaxFrames));
  Label3_->setGeometry(QRect(QPoint(Label2_->geometry().right() + 1 + gap, kLabel2Place.top()),
                             QSize(frames.width(), height)));
  const int below = kBandHeight - kLabel2Place.bottom() - 1;
  band_height_ = std::max(kBandHeight, Label2_->geometry().bottom() + 1 + below);
}

// Wide enough for every menu title, the labels and the buttons; the
// drawing area starts with the picture in square cells of whole pixels, at
// least as large as it was drawn at 96 dpi.
QSize Form1::InitialInnerSize() const {
  const QSize frame = pole_->size() - pole_->contentsRect().size();
  const QSize drawn =
      QSize(kInitialInnerSize.width(), kInitialInnerSize.height() - kBandHeight) - frame;
  // The screen's room, less the band, the menu bar and a title bar.
  const QSize around(0, band_height_ + menuBar()->sizeHint().height() + 2 * kBandHeight);
  const QSize largest =
      (screen() ? screen()->availableGeometry().size() : QSize(4096, 4096)) - around - frame;
  const QSize inner =
      SquareCellArea(QSize(state_.MX, state_.MY), drawn, SmallestInnerSize(), largest);
  return QSize(inner.width() + frame.width(), band_height_ + inner.height() + frame.height());
}

QSize Form1::SmallestInnerSize() const {
  const QSize frame = pole_->size() - pole_->contentsRect().size();
  return QSize(NarrowestInnerWidth() - frame.width(), kSmallestCell * kMaxHeight);
}

int Form1::NarrowestInnerWidth() const {
  int width = std::max({menuBar()->sizeHint().width(), Label2_->geometry().right() + 1,
                        Label3_->geometry().right() + 1});
  for (const ActionButton* button : Command1_)
    width = std::max(width, button->geometry().right() + 1);
  return width;
}

// Each command becomes one action, which its menu item and its toolbar
// button both run.
void Form1::CreateActions() {
  setMenuBar(new KeyboardMenuBar(this));
  std::map<std::string, QActionGroup*> groups;
  for (const Menu& table_menu : CommandTable()) {
    auto* menu = new CaptionMenu(table_menu.caption, menuBar());
    menuBar()->addMenu(menu);
    menu->setObjectName(QLatin1String(table_menu.name));
    for (const Command& command : table_menu.commands) {
      if (command.caption.isEmpty()) {
        menu->addSeparator()->setObjectName(QLatin1String(command.name));
        continue;
      }
      auto* action = new QAction(command.caption, this);
      action->setObjectName(QLatin1String(command.name));
      action->setShortcut(command.shortcut);
      menu->addAction(action);
      // The step a command makes is named by its item, without the dots
      // of one that opens a window first.
      QString step = command.step.isEmpty() ? command.caption : command.step;
      if (step.endsWith(QLatin1String("..."))) step.chop(3);
      connect(action, &QAction::triggered, this,
              [this, run = command.run, step, floats = command.floats] {
                BeforeCommand();
                if (!floats) PutDownFloating();
                CommandContext context{.commands = *commands_,
                                       .state = state_,
                                       .view = *this,
                                       .windows = *windows_,
                                       .clipboard = *clipboard_,
                                       .phone_dialogs = *phone_dialogs_,
                                       .phone_sending = *phone_sending_,
                                       .phone_reception = *phone_reception_,
                                       .window = *this,
                                       .selection = tools_.Marked()};
                run(context);
                tools_.Marked().Clip(state_);
                state_.History.Record(state_, step);
                ShowStates();
              });
      if (command.checked) action->setCheckable(true);
      ruled_actions_.push_back({action, command.checked, command.enabled});
      if (command.group) {
        QActionGroup*& group = groups[command.group];
        if (!group) group = new QActionGroup(this);
        group->addAction(action);
      }
      if (command.picture) action->setIcon(ToolbarIcon(command.picture));
      if (command.button) toolbar_actions_.push_back({action, *command.button, command.tooltip});
    }
  }
  ShowStates();
}

void Form1::ShowStates() {
  const CommandState now{state_, Playing()};
  for (const RuledAction& ruled : ruled_actions_) {
    if (ruled.checked) ruled.action->setChecked(ruled.checked(now));
    ruled.action->setEnabled(ruled.enabled ? ruled.enabled(now) : !now.playing);
  }
}

void Form1::BeforeCommand() { tools_.Cancel(state_, *this); }

void Form1::PutDownFloating() {
  if (!tools_.Marked().Floating()) return;
  tools_.Marked().PutDown(state_);
  state_.History.Record(state_, kMoveStep);
  RedrawPole(state_, *this);
}

bool Form1::SelectionKey(int key) {
  Selection& marked = tools_.Marked();
  if (tools_.Selecting() || !marked.Active()) return false;
  if (key == Qt::Key_Escape) {
    if (marked.Floating())
      marked.PutBack();
    else
      marked.Clear();
  } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    if (!marked.Floating()) return false;
    PutDownFloating();
  } else if (marked.Floating()) {
    const std::map<int, QPoint> steps = {{Qt::Key_Left, QPoint(-1, 0)},
                                         {Qt::Key_Right, QPoint(1, 0)},
                                         {Qt::Key_Up, QPoint(0, -1)},
                                         {Qt::Key_Down, QPoint(0, 1)}};
    const auto step = steps.find(key);
    if (step == steps.end()) return false;
    marked.MoveBy(state_, step->second);
  } else {
    return false;
  }
  pole_->update();
  return true;
}

void Form1::ConnectPole() {
  connect(pole_, &Pole::MouseDown, this, &Form1::Pole_MouseDown);
  connect(pole_, &Pole::MouseMove, this, [this](double X, double Y, bool shift) {
    if (!mouse_stopped_play_ && !Playing()) tools_.MouseMove(state_, *this, X, Y, shift);
  });
  connect(pole_, &Pole::MouseUp, this, &Form1::Pole_MouseUp);
  // A resize ends a stroke as its button's release would: a step of its own.
  connect(pole_, &Pole::Resized, this, [this] {
    const bool stroking = Stroking();
    tools_.Resized(state_, *this);
    if (stroking) state_.History.Record(state_, ToolStepName(state_.Tool));
  });
  connect(pole_, &Pole::KeyPress, this, &Form1::DigitKeyPress);
}

void Form1::Pole_MouseDown(std::uint8_t button, double X, double Y, bool shift) {
  if (Playing()) {
    StopPlaying();
    mouse_stopped_play_ = true;
    return;
  }
  if (!mouse_stopped_play_) tools_.MouseDown(state_, *this, button, X, Y, shift);
}

// The commands' own actions alone are disabled, by their rules: the menus'
// titles stay, so that the menu that stops the frames still opens.
void Form1::StartPlaying() {
  pole_->ShowPlayed(&playback_->Shown());
  playback_->Start(AnimationOf(state_));
  ShowStates();
}

void Form1::StopPlaying() {
  playback_->Stop();
  pole_->ShowPlayed(nullptr);
  Label3_->setText(FrameLabelText(state_.CurrentFrame + 1, FrameCount(state_)));
  ShowStates();
}

bool Form1::Playing() const { return playback_ && playback_->Playing(); }

void Form1::PlayOrStop() {
  if (Playing())
    StopPlaying();
  else
    StartPlaying();
}

void Form1::Close() { close(); }

// The text's dialog opens once the click is over, from the event loop, so
// that the drawing area is done with the mouse.
void Form1::Pole_MouseUp(std::uint8_t button) {
  if (mouse_stopped_play_ || Playing()) {
    mouse_stopped_play_ = false;
    return;
  }
  tools_.MouseUp(state_, *this, button);
  state_.History.Record(state_, ToolStepName(state_.Tool));
  if (const std::optional<TextClick> click = tools_.TakeTextClick())
    QMetaObject::invokeMethod(
        this, [this, click = *click] { AskText(click); }, Qt::QueuedConnection);
}

void Form1::AskText(const TextClick& click) {
  const std::optional<TextChoice> choice = windows_->AskText(last_text_);
  if (!choice) return;
  last_text_ = *choice;
  const FontLoading font = LoadFont(choice->font, CodesOf(choice->text));
  if (!font.font) {
    messages_->ShowFailure(font.error);
    return;
  }
  PlaceText(state_, *this, click, choice->text, *font.font);
  state_.History.Record(state_, QStringLiteral("Текст «%1»").arg(choice->text));
}

void Form1::PlaceCentred() {
  if (QScreen* screen = this->screen())
    setGeometry(
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));
}

void Form1::Load() {
  state_.IZM = kOff;
  state_.FileName = kUntitled;
  state_.MX = 32;
  state_.MY = 32;
  SaveUndo(state_);
  state_.History.Start(state_);
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

// A file opened starts a new history; an image imported is a step of it.
void Form1::OpenFile(const QString& path) {
  PutDownFloating();
  OpenNamedFile(*commands_, *windows_, *windows_, path);
  state_.History.Record(state_, kImportStep);
}

namespace {

// The first of the files dragged; empty where they are not files here.
QString DroppedFile(const QMimeData* data) {
  if (!data || !data->hasUrls() || data->urls().isEmpty()) return {};
  const QUrl url = data->urls().first();
  return url.isLocalFile() ? url.toLocalFile() : QString();
}

}  // namespace

void Form1::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

// The drop is over before the file is opened: the program that dragged it
// would otherwise wait through the questions and dialogs it may bring.
void Form1::dropEvent(QDropEvent* event) {
  const QString path = DroppedFile(event->mimeData());
  if (path.isEmpty() || Playing()) return;
  event->acceptProposedAction();
  QMetaObject::invokeMethod(
      this,
      [this, path] {
        activateWindow();
        PutDownFloating();
        DropFile(*commands_, *windows_, *windows_, path);
        state_.History.Record(state_, kImportStep);
      },
      Qt::QueuedConnection);
}

void Form1::closeEvent(QCloseEvent* event) {
  if (Playing()) StopPlaying();
  // Floating cells are part of the picture the question is about.
  PutDownFloating();
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
  if (Playing()) {
    if (event->key() == Qt::Key_Escape) StopPlaying();
    return;
  }
  if (event->key() == Qt::Key_Escape && tools_.Dragging()) {
    tools_.Cancel(state_, *this);
    return;
  }
  if (SelectionKey(event->key())) return;
  if (event->key() == Qt::Key_Shift) tools_.ShiftChanged(state_, *this, true);
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

void Form1::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Shift) tools_.ShiftChanged(state_, *this, false);
  QMainWindow::keyReleaseEvent(event);
}

// The shift digits run the scrolls' items, which are disabled while the
// frames play.
void Form1::DigitKeyPress(const QString& text) {
  constexpr std::pair<const char*, const char*> kScrolls[] = {
      {"4", "sleft"}, {"6", "sright"}, {"8", "sup"}, {"2", "sdown"}};
  for (const auto& [digit, name] : kScrolls)
    if (text == QLatin1String(digit)) findChild<QAction*>(QLatin1String(name))->trigger();
}

void Form1::Form_Resize() {
  const QSize inner = area_->size();
  room_->setGeometry(0, band_height_, inner.width(), std::max(0, inner.height() - band_height_));
  PlacePole();
}

void Form1::PlacePole() {
  const QSize frame = pole_->size() - pole_->contentsRect().size();
  pole_->setGeometry(SquareCellPlace(QSize(state_.MX, state_.MY), room_->geometry(), frame));
  room_->Surround(pole_->geometry());
}

void Form1::SetCaption(const QString& caption) { setWindowTitle(caption); }

double Form1::InnerWidth() const { return pole_->InnerWidth(); }
double Form1::InnerHeight() const { return pole_->InnerHeight(); }
void Form1::RepaintCell(int x, int y) {
  pole_->RepaintCell(x, y);
  windows_->DocumentChanged();
}
void Form1::RepaintCells(const CellRuns& runs) {
  pole_->RepaintCells(runs);
  windows_->DocumentChanged();
}
void Form1::RepaintAll() {
  windows_->DocumentChanged();
  pole_->update();
  FollowPictureSize();
  PlacePole();
  ShowStates();
}

// The drawing area keeps about the room it had; the window grows or shrinks
// round its own centre and stays on the screen. A maximised window keeps its
// size, the picture in the middle of it.
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
  const QSize inner = SquareCellArea(picture, pole_->contentsRect().size(), SmallestInnerSize(),
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

// While the frames play, the label names the frame played.
void Form1::SetFrameLabel(const QString& text) {
  if (!Playing()) Label3_->setText(text);
  Label3_->setVisible(!text.isEmpty());
}

}  // namespace tochkograf
