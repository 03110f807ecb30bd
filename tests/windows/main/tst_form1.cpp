#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "fakes/animations.h"
#include "fakes/pictures.h"
#include "fakes/side_windows.h"
#include "files/formats/ems_animation.h"
#include "picture/frames.h"
#include "picture/pen.h"
#include "windows/main/form1.h"
#include "windows/main/playback.h"
#include "windows/main/pole.h"
#include "windows/main/pole_painter.h"

using namespace tochkograf;

namespace {

Pole* PoleOf(Form1& form) { return form.findChild<Pole*>(QStringLiteral("Pole")); }

// The colour the drawing area shows at widget position `at`, on any screen.
QColor ShownAt(Pole* pole, const QPoint& at) {
  const QImage image = pole->grab().toImage();
  return image.pixelColor(at * image.devicePixelRatio());
}

QPushButton* Button(Form1& form, int index) {
  return form.findChild<QPushButton*>(QStringLiteral("Command1_%1").arg(index));
}

QAction* Item(Form1& form, const char* name) {
  return form.findChild<QAction*>(QLatin1String(name));
}

// The widget position over the centre of cell (x, y).
QPoint CellCentre(Pole* pole, const DocumentState& s, int x, int y) {
  const QRect inner = pole->contentsRect();
  return inner.topLeft() + QPoint(static_cast<int>((x - 0.5) * inner.width() / s.MX),
                                  static_cast<int>((y - 0.5) * inner.height() / s.MY));
}

}  // namespace

class Form1Test : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void startsWithEmptyPictureAndGrid();
  void laysOutControls();
  void menusHoldEveryItem_data();
  void menusHoldEveryItem();
  void mouseDrawsAndErasesCells();
  void rendersCellsWithGrid();
  void gridToggleFollowsCtrlG();
  void digitKeysShiftFromPoleAndButtons();
  void editCommandsFromShortcutsAndToolbar();
  void drawingAreaKeepsSquareCellsAndEveryButtonShows_data();
  void drawingAreaKeepsSquareCellsAndEveryButtonShows();
  void resizeDuringStrokeEndsIt();
  void exitClosesWindow();
  void strokeRepaintsOnlyItsCells();
  void toolsFromKeysAndButtonsDragShapes();
  void framesFromMenuAndPageKeys();
  void onionSkinFromItsItem();
  void playsUntilStoppedAndChangesNothing_data();
  void playsUntilStoppedAndChangesNothing();
  void frameItemsAvailableWhereTheyDoSomething_data();
  void frameItemsAvailableWhereTheyDoSomething();

 private:
  FakeSideWindows windows_;  // keeps the splash from holding up every case
  Form1* form_ = nullptr;
};

void Form1Test::init() {
  form_ = new Form1(Form1Seams{.windows = &windows_});
  form_->show();
  QVERIFY(QTest::qWaitForWindowActive(form_));
}

void Form1Test::cleanup() {
  delete form_;
  form_ = nullptr;
}

void Form1Test::startsWithEmptyPictureAndGrid() {
  const DocumentState& s = form_->State();
  QCOMPARE(form_->windowTitle(), QStringLiteral("Tochkograf"));
  QCOMPARE(s.MX, 32);
  QCOMPARE(s.MY, 32);
  QCOMPARE(s.IZM, kOff);
  QCOMPARE(s.FileName, QStringLiteral("*"));
  QCOMPARE(s.GridOn, kOn);
  QCOMPARE(CountOn(s.Pixels), 0);
  QVERIFY(Item(*form_, "setka")->isChecked());
  QCOMPARE(form_->findChild<QLabel*>(QStringLiteral("Label2"))->text(), QStringLiteral(" 32 x 32"));
}

void Form1Test::laysOutControls() {
  // Room for every button, and the picture in square cells of whole pixels.
  const QSize area = form_->centralWidget()->size();
  const auto* room = form_->findChild<QWidget*>(QStringLiteral("PoleRoom"));
  QVERIFY(room);
  QCOMPARE(room->geometry(), QRect(0, 56, area.width(), area.height() - 56));
  const QSize inner = PoleOf(*form_)->contentsRect().size();
  QVERIFY(area.width() >= Button(*form_, 14)->geometry().right() + 1 ||
          form_->screen()->availableGeometry().width() < 600);  // a screen too small
  if (form_->screen()->availableGeometry().height() >= 700)
    QVERIFY(inner.width() == inner.height() && inner.width() % 32 == 0 && inner.width() >= 300);
  // A face wider than the one the band was drawn for widens the first label
  // as its text needs, and the size label moves right by as much.
  auto* label1 = form_->findChild<QLabel*>(QStringLiteral("Label1"));
  const int wider = label1->width() - 121;
  QVERIFY(wider >= 0);
  QCOMPARE(label1->text(), QStringLiteral("Размер изображения:"));
  QCOMPARE(label1->geometry(), QRect(0, 32, 121 + wider, 17));
  QVERIFY(label1->alignment() & Qt::AlignRight);
  auto* label2 = form_->findChild<QLabel*>(QStringLiteral("Label2"));
  QCOMPARE(label2->geometry(), QRect(128 + wider, 32, 73, 17));
  QVERIFY(label2->alignment() & Qt::AlignHCenter);
  QVERIFY(label2->frameShape() != QFrame::NoFrame);
  const QRect places[] = {{0, 0, 30, 30},   {40, 0, 30, 30},  {72, 0, 29, 29}, {112, 0, 29, 29},
                          {144, 0, 29, 29}, {176, 0, 29, 29}, {216, 0, 29, 29}};
  for (int i = 0; i < 7; ++i) {
    QCOMPARE(Button(*form_, i)->geometry(), places[i]);
    QVERIFY(Button(*form_, i)->text().isEmpty());
    QVERIFY(Button(*form_, i)->toolTip().isEmpty());
    QVERIFY(!Button(*form_, i)->icon().isNull());
  }
  // The tools after a gap, named in their tooltips, the pen pressed.
  int left = 245 + 2;
  for (int i = 7; i < 15; ++i) {
    const QRect place = Button(*form_, i)->geometry();
    QVERIFY(place.left() > left && place.right() < area.width() && place.size() == QSize(29, 29));
    QVERIFY(!Button(*form_, i)->toolTip().isEmpty() && !Button(*form_, i)->icon().isNull());
    QCOMPARE(Button(*form_, i)->isChecked(), i == 7);
    left = place.right() + 1;
  }
  // Tab order: buttons 0..5, the drawing area, button 6.
  QWidget* expected[] = {Button(*form_, 1), Button(*form_, 2), Button(*form_, 3), Button(*form_, 4),
                         Button(*form_, 5), PoleOf(*form_),    Button(*form_, 6)};
  QWidget* w = Button(*form_, 0);
  for (QWidget* next : expected) {
    w = w->nextInFocusChain();
    QCOMPARE(w, next);
  }
}

void Form1Test::menusHoldEveryItem_data() {
  QTest::addColumn<QString>("menu");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QStringList>("items");  // name=caption=shortcut
  QTest::newRow("file") << "filemenu"
                        << "Файл"
                        << QStringList{"filenew=Новый файл=Ctrl+N",
                                       "fileopen=Открыть файл...=Ctrl+O",
                                       "t1=-=",
                                       "filesave=Сохранить файл=Ctrl+S",
                                       "filesaveas=Сохранить файл как...=",
                                       "t5=-=",
                                       "frombmp=Импорт из BMP=",
                                       "fromimage=Импорт изображения...=",
                                       "fromcarray=Импорт массива C...=",
                                       "fileexport=Экспорт...=",
                                       "fontexport=Экспорт шрифта...=",
                                       "filesend=Отправить на телефон...=",
                                       "filereceive=Принять с телефона...=",
                                       "t8=-=",
                                       "fileexit=Выход="};
  QTest::newRow("edit") << "edit"
                        << "Редактирование"
                        << QStringList{"editundo=Отмена=Ctrl+Z",
                                       "edithistory=История правок...=Ctrl+H",
                                       "t7=-=",
                                       "editcut=Вырезать=Ctrl+X",
                                       "editcopy=Копировать=Ctrl+C",
                                       "editpaste=Вставить=Ctrl+V",
                                       "tdesktop=-=",
                                       "editcopyimage=Копировать как изображение=Ctrl+Shift+C",
                                       "editpasteimage=Вставить изображение=Ctrl+Shift+V",
                                       "editcopyc=Копировать как код C=",
                                       "t4=-=",
                                       "sup=Скролл вверх (8)=",
                                       "sdown=Скролл вниз (2)=",
                                       "sleft=Скролл влево (4)=",
                                       "sright=Скролл вправо (6)=",
                                       "tflips=-=",
                                       "editfliph=Отразить слева направо=",
                                       "editflipv=Отразить сверху вниз=",
                                       "editrotate=Повернуть на 180°=",
                                       "editinvert=Инвертировать=",
                                       "tselection=-=",
                                       "editselectall=Выделить всё=Ctrl+A",
                                       "editdelete=Очистить выделенное=Del"};
  QTest::newRow("draw")
      << "draw"
      << "Рисование"
      << QStringList{"drawpen=Карандаш=P",       "drawline=Линия=L",
                     "drawrect=Прямоугольник=R", "drawbox=Закрашенный прямоугольник=Shift+R",
                     "drawellipse=Эллипс=E",     "drawdisc=Закрашенный эллипс=Shift+E",
                     "drawfill=Заливка=F",       "drawtext=Текст...=T",
                     "drawselect=Выделение=S"};
  QTest::newRow("frames") << "frames"
                          << "Кадры"
                          << QStringList{"framenew=Новый кадр=",
                                         "frameblank=Пустой кадр=",
                                         "framedelete=Удалить кадр=",
                                         "framepaste=Вставить как новый кадр=",
                                         "tframemove=-=",
                                         "frameleft=Кадр влево=",
                                         "frameright=Кадр вправо=",
                                         "tframego=-=",
                                         "frameprevious=Предыдущий кадр=PgUp",
                                         "framenext=Следующий кадр=PgDown",
                                         "tframeshow=-=",
                                         "frameduration=Длительность кадра...=",
                                         "frameonion=Калька=",
                                         "frameplay=Воспроизвести=F5"};
  QTest::newRow("view") << "view"
                        << "Вид" << QStringList{"viewdisplay=Как на дисплее...="};
  QTest::newRow("options") << "options"
                           << "Опции"
                           << QStringList{"setka=Сетка=Ctrl+G",
                                          "t3=-=", "size=Размер изображения...="};
  QTest::newRow("help") << "help"
                        << "Справка"
                        << QStringList{"helpme=Помощь=F1", "t6=-=", "about=О программе...="};
}

void Form1Test::menusHoldEveryItem() {
  QFETCH(QString, menu);
  QFETCH(QString, caption);
  QFETCH(QStringList, items);
  auto* m = form_->findChild<QMenu*>(menu);
  QVERIFY(m);
  QCOMPARE(m->title(), caption);
  const QList<QAction*> actions = m->actions();
  QCOMPARE(actions.size(), items.size());
  for (int i = 0; i < items.size(); ++i) {
    const QStringList parts = items[i].split(QLatin1Char('='));
    QAction* a = actions[i];
    QCOMPARE(a->objectName(), parts[0]);
    if (parts[1] == QLatin1String("-")) {
      QVERIFY(a->isSeparator());
    } else {
      QCOMPARE(a->text(), parts[1]);
      QCOMPARE(a->shortcut().toString(), parts[2]);
      // The frame items' availability has a test of its own.
      QVERIFY(a->isVisible() && (a->isEnabled() || menu == QLatin1String("frames")));
    }
  }
  QCOMPARE(form_->menuBar()->actions().size(), 7);
  QCOMPARE(form_->menuBar()->actions()[2]->text(), QStringLiteral("Рисование"));
  QCOMPARE(form_->menuBar()->actions()[3]->text(), QStringLiteral("Кадры"));
  QCOMPARE(form_->menuBar()->actions()[4]->text(), QStringLiteral("Вид"));
}

void Form1Test::mouseDrawsAndErasesCells() {
  Pole* pole = PoleOf(*form_);
  DocumentState& s = form_->State();
  QTest::mousePress(pole, Qt::LeftButton, {}, CellCentre(pole, s, 3, 4));
  QTest::mouseRelease(pole, Qt::LeftButton, {}, CellCentre(pole, s, 3, 4));
  QCOMPARE(s.Pixels(3, 4), kOn);
  QCOMPARE(s.IZM, kOn);
  QCOMPARE(CountOn(s.Pixels), 1);

  QTest::mousePress(pole, Qt::LeftButton, {}, CellCentre(pole, s, 1, 1));
  QTest::mouseMove(pole, CellCentre(pole, s, 2, 1));
  QMouseEvent drag(QEvent::MouseMove, CellCentre(pole, s, 5, 1),
                   pole->mapToGlobal(CellCentre(pole, s, 5, 1)), Qt::NoButton, Qt::LeftButton,
                   Qt::NoModifier);
  QApplication::sendEvent(pole, &drag);
  QTest::mouseRelease(pole, Qt::LeftButton, {}, CellCentre(pole, s, 5, 1));
  QCOMPARE(s.Pixels(1, 1), kOn);
  QCOMPARE(s.Pixels(5, 1), kOn);

  QTest::mousePress(pole, Qt::RightButton, {}, CellCentre(pole, s, 3, 4));
  QTest::mouseRelease(pole, Qt::RightButton, {}, CellCentre(pole, s, 3, 4));
  QCOMPARE(s.Pixels(3, 4), kOff);

  // The frame is outside the picture: pressing on it draws nothing.
  s.IZM = kOff;
  const int before = CountOn(s.Pixels);
  QTest::mousePress(pole, Qt::LeftButton, {}, QPoint(1, 1));
  QTest::mouseRelease(pole, Qt::LeftButton, {}, QPoint(1, 1));
  QCOMPARE(CountOn(s.Pixels), before);
  QCOMPARE(s.IZM, kOff);
}

void Form1Test::rendersCellsWithGrid() {
  Pole* pole = PoleOf(*form_);
  DocumentState& s = form_->State();
  QTest::mousePress(pole, Qt::LeftButton, {}, CellCentre(pole, s, 2, 2));
  QTest::mouseRelease(pole, Qt::LeftButton, {}, CellCentre(pole, s, 2, 2));

  // Cells lie on device pixels, so look in those.
  QImage image = pole->grab().toImage();
  const qreal ratio = image.devicePixelRatio();
  const auto device = [ratio](const QPoint& at) { return (QPointF(at) * ratio).toPoint(); };
  QCOMPARE(image.pixelColor(device(CellCentre(pole, s, 2, 2))), kInkColour);
  QCOMPARE(image.pixelColor(device(CellCentre(pole, s, 3, 2))), kPaperColour);
  const QRect inner(device(pole->contentsRect().topLeft()),
                    (QSizeF(pole->contentsRect().size()) * ratio).toSize());
  QCOMPARE(image.pixelColor(inner.topLeft()), kGridColour);  // the first boundary
  const CellGeometry g(inner.width(), inner.height(), 32, 32);
  const QPoint on_line = inner.topLeft() + QPoint(g.EdgeX(1), g.EdgeY(1) + 3);
  QCOMPARE(image.pixelColor(on_line), kGridColour);

  form_->findChild<QAction*>(QStringLiteral("setka"))->trigger();
  image = pole->grab().toImage();
  QCOMPARE(image.pixelColor(on_line), kInkColour);
  QCOMPARE(image.pixelColor(inner.topLeft()), kPaperColour);
}

void Form1Test::gridToggleFollowsCtrlG() {
  QAction* setka = Item(*form_, "setka");
  QTest::keyClick(form_, Qt::Key_G, Qt::ControlModifier);
  QCOMPARE(form_->State().GridOn, kOff);
  QVERIFY(!setka->isChecked());
  QTest::keyClick(form_, Qt::Key_G, Qt::ControlModifier);
  QCOMPARE(form_->State().GridOn, kOn);
  QVERIFY(setka->isChecked());
  // The mark is set from the grid's state, not turned over beside it, so the
  // two agree whatever the state was.
  form_->State().GridOn = kOff;
  setka->trigger();
  QCOMPARE(form_->State().GridOn, kOn);
  QVERIFY(setka->isChecked());
}

void Form1Test::digitKeysShiftFromPoleAndButtons() {
  DocumentState& s = form_->State();
  s.Pixels(1, 1) = kOn;
  Pole* pole = PoleOf(*form_);
  pole->setFocus();
  QTest::keyClick(pole, Qt::Key_8);
  QCOMPARE(s.Pixels(1, 32), kOn);
  QTest::keyClick(pole, Qt::Key_2);
  QCOMPARE(s.Pixels(1, 1), kOn);
  QTest::keyClick(pole, Qt::Key_4);
  QCOMPARE(s.Pixels(32, 1), kOn);
  QTest::keyClick(Button(*form_, 3), Qt::Key_6);
  QCOMPARE(s.Pixels(1, 1), kOn);
  QTest::keyClick(Button(*form_, 6), Qt::Key_6, Qt::KeypadModifier);
  QCOMPARE(s.Pixels(2, 1), kOn);
  // Other characters, and the keypad's arrows without digits, do nothing.
  QTest::keyClick(pole, Qt::Key_5);
  QTest::keyClick(pole, Qt::Key_0);
  QTest::keyClick(pole, Qt::Key_A);
  QTest::keyClick(pole, Qt::Key_Up, Qt::KeypadModifier);
  QCOMPARE(CountOn(s.Pixels), 1);
  QCOMPARE(s.Pixels(2, 1), kOn);
  QCOMPARE(s.IZM, kOn);  // the shifts changed the picture
}

void Form1Test::editCommandsFromShortcutsAndToolbar() {
  DocumentState& s = form_->State();
  s.Pixels(4, 4) = kOn;
  QTest::mouseClick(Button(*form_, 4), Qt::LeftButton);  // copy
  QCOMPARE(s.ClipPixels(4, 4), kOn);
  QCOMPARE(s.IZM, kOff);                                 // copying changes no picture
  QTest::mouseClick(Button(*form_, 3), Qt::LeftButton);  // cut
  QCOMPARE(s.Pixels(4, 4), kOff);
  QCOMPARE(s.IZM, kOn);
  QTest::mouseClick(Button(*form_, 5), Qt::LeftButton);  // paste
  QCOMPARE(s.Pixels(4, 4), kOn);
  QTest::keyClick(form_, Qt::Key_Z, Qt::ControlModifier);  // back to the cut picture
  QCOMPARE(s.Pixels(4, 4), kOff);
  QTest::keyClick(form_, Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(s.Pixels(4, 4), kOn);
  QTest::keyClick(form_, Qt::Key_X, Qt::ControlModifier);
  QCOMPARE(s.Pixels(4, 4), kOff);
  s.Pixels(9, 9) = kOn;
  QTest::keyClick(form_, Qt::Key_C, Qt::ControlModifier);
  QCOMPARE(s.ClipPixels(9, 9), kOn);
  QCOMPARE(s.ClipPixels(4, 4), kOff);
  s.Pixels(9, 9) = kOff;
  QTest::keyClick(form_, Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(s.Pixels(9, 9), kOn);
}

void Form1Test::drawingAreaKeepsSquareCellsAndEveryButtonShows_data() {
  QTest::addColumn<QSize>("picture");
  QTest::addColumn<QSize>("area");  // asked of the window's inner area; none: as it fits itself
  QTest::newRow("tall picture, as fitted") << QSize(16, 96) << QSize();
  QTest::newRow("square picture, wide window") << QSize(32, 32) << QSize(900, 400);
  QTest::newRow("wide picture, tall window") << QSize(72, 14) << QSize(520, 700);
  QTest::newRow("largest picture, tiny window") << QSize(128, 96) << QSize(1, 1);
}

// Whatever the window's shape, the picture shows in square cells of whole
// pixels in the middle of the room below the band, on paper, and the
// window keeps room for every button and label.
void Form1Test::drawingAreaKeepsSquareCellsAndEveryButtonShows() {
  QFETCH(QSize, picture);
  QFETCH(QSize, area);
  windows_.size_chosen = picture;
  Item(*form_, "size")->trigger();
  QWidget* central = form_->centralWidget();
  if (area.isValid()) form_->resize(area + form_->size() - central->size());
  QTRY_VERIFY(!area.isValid() || central->size() == area.expandedTo(central->minimumSize()));
  for (const QWidget* w : central->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    QVERIFY2(central->rect().contains(w->geometry()), qPrintable(w->objectName()));
  const QRect room(0, 56, central->width(), central->height() - 56);
  const QRect place = PoleOf(*form_)->geometry();
  const QSize cells = PoleOf(*form_)->contentsRect().size();
  QCOMPARE(cells, picture * (cells.height() / picture.height()));
  const QPoint before = place.topLeft() - room.topLeft();
  const QPoint after = room.bottomRight() - place.bottomRight();
  QVERIFY(std::abs(before.x() - after.x()) <= 1 && std::abs(before.y() - after.y()) <= 1);
  const QImage shown = central->grab().toImage();  // paper half-way into the margin
  if (place != room)
    QCOMPARE(shown.pixelColor((room.topLeft() + before / 2) * shown.devicePixelRatio()),
             kPaperColour);
}

void Form1Test::resizeDuringStrokeEndsIt() {
  Pole* pole = PoleOf(*form_);
  DocumentState& s = form_->State();
  QTest::mousePress(pole, Qt::LeftButton, {}, CellCentre(pole, s, 1, 1));
  QCOMPARE(s.DrawButton, kLeftButton);
  form_->resize(form_->width() + 40, form_->height() + 40);
  QTRY_COMPARE(s.DrawButton, kNoButton);
  QMouseEvent drag(QEvent::MouseMove, CellCentre(pole, s, 6, 6),
                   pole->mapToGlobal(CellCentre(pole, s, 6, 6)), Qt::NoButton, Qt::LeftButton,
                   Qt::NoModifier);
  QApplication::sendEvent(pole, &drag);
  QCOMPARE(CountOn(s.Pixels), 1);
}

void Form1Test::exitClosesWindow() {
  Item(*form_, "fileexit")->trigger();
  QVERIFY(!form_->isVisible());
}

namespace {

// Records the area of every paint event of a widget.
class PaintRecorder : public QObject {
 public:
  explicit PaintRecorder(QWidget* widget) { widget->installEventFilter(this); }
  QList<QRect> painted;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted.append(static_cast<QPaintEvent*>(event)->rect());
    return false;
  }
};

}  // namespace

// Each move paints its own cell before it returns, and nothing more.
void Form1Test::strokeRepaintsOnlyItsCells() {
  Pole* pole = PoleOf(*form_);
  DocumentState& s = form_->State();
  s.MX = 128;
  s.MY = 96;
  Button(*form_, 0)->setFocus();  // the first press moves the focus to Pole
  pole->repaint();
  PaintRecorder recorder(pole);
  QTest::mousePress(pole, Qt::LeftButton, {}, CellCentre(pole, s, 1, 1));
  for (int x = 2; x <= 128; ++x) {
    const QPoint at = CellCentre(pole, s, x, 1 + (x - 1) * 95 / 127);
    QMouseEvent move(QEvent::MouseMove, at, pole->mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    const qsizetype before = recorder.painted.size();
    QApplication::sendEvent(pole, &move);
    QVERIFY2(recorder.painted.size() > before, qPrintable(QStringLiteral("move %1").arg(x)));
  }
  QTest::mouseRelease(pole, Qt::LeftButton);
  QApplication::processEvents();
  // A cell's pixels, rounded out on both sides.
  const QSize cell(pole->contentsRect().width() / 128 + 2, pole->contentsRect().height() / 96 + 2);
  for (const QRect& rect : recorder.painted)
    QVERIFY2(rect.width() <= cell.width() && rect.height() <= cell.height(),
             qPrintable(QStringLiteral("%1 x %2").arg(rect.width()).arg(rect.height())));
  QCOMPARE(CountOn(s.Pixels), 128);
}

// One tool at a time, pressed and checked; a shape cancelled with Esc
// leaves the picture as it was, and one released is drawn.
void Form1Test::toolsFromKeysAndButtonsDragShapes() {
  DocumentState& s = form_->State();
  Pole* pole = PoleOf(*form_);
  QTest::keyClick(form_, Qt::Key_L);
  QCOMPARE(s.Tool, DrawingTool::kLine);
  QVERIFY(Item(*form_, "drawline")->isChecked() && !Item(*form_, "drawpen")->isChecked());
  QVERIFY(Button(*form_, 8)->isChecked() && !Button(*form_, 7)->isChecked());
  QTest::keyClick(form_, Qt::Key_E, Qt::ShiftModifier);
  QCOMPARE(s.Tool, DrawingTool::kFilledEllipse);
  QTest::mouseClick(Button(*form_, 11), Qt::LeftButton);
  QCOMPARE(s.Tool, DrawingTool::kEllipse);
  QVERIFY(Button(*form_, 11)->isChecked() && Item(*form_, "drawellipse")->isChecked());

  QTest::mousePress(pole, Qt::LeftButton, {}, CellCentre(pole, s, 2, 2));
  QTest::mouseMove(pole, CellCentre(pole, s, 8, 6));
  QTest::keyClick(form_, Qt::Key_Escape);
  QTest::mouseRelease(pole, Qt::LeftButton, {}, CellCentre(pole, s, 8, 6));
  QCOMPARE(CountOn(s.Pixels), 0);
  QCOMPARE(s.IZM, kOff);
  QTest::mousePress(pole, Qt::LeftButton, {}, CellCentre(pole, s, 2, 2));
  QTest::mouseMove(pole, CellCentre(pole, s, 6, 6));
  QTest::mouseRelease(pole, Qt::LeftButton, {}, CellCentre(pole, s, 6, 6));
  QCOMPARE(CountOn(s.Pixels), 12);  // the 5 x 5 circle
  QCOMPARE(s.IZM, kOn);
}

void Form1Test::framesFromMenuAndPageKeys() {
  DocumentState& s = form_->State();
  auto* label = form_->findChild<QLabel*>(QStringLiteral("Label3"));
  QVERIFY(label->isHidden());
  Item(*form_, "frameblank")->trigger();
  QVERIFY(label->isVisible());
  QCOMPARE(label->text(), QStringLiteral("Кадр 2 из 2"));
  QVERIFY(label->geometry().left() >
          form_->findChild<QLabel*>(QStringLiteral("Label2"))->geometry().right());
  Pole* pole = PoleOf(*form_);
  QTest::mouseClick(pole, Qt::LeftButton, {}, CellCentre(pole, s, 3, 4));
  QTest::keyClick(pole, Qt::Key_PageUp);
  QCOMPARE(label->text(), QStringLiteral("Кадр 1 из 2"));
  QCOMPARE(CountOn(s.Pixels), 0);
  QTest::keyClick(pole, Qt::Key_PageDown);
  QCOMPARE(s.Pixels(3, 4), kOn);
  Item(*form_, "framedelete")->trigger();
  QVERIFY(label->isHidden());
  QCOMPARE(FrameCount(s), 1);
}

// The item turns the previous frame's ink on under the current frame's
// paper, and off again.
void Form1Test::onionSkinFromItsItem() {
  DocumentState& s = form_->State();
  Pole* pole = PoleOf(*form_);
  QTest::mouseClick(pole, Qt::LeftButton, {}, CellCentre(pole, s, 3, 4));
  Item(*form_, "frameblank")->trigger();
  QAction* onion = Item(*form_, "frameonion");
  QVERIFY(!onion->isChecked());
  for (bool on : {true, false}) {
    onion->trigger();
    QCOMPARE(onion->isChecked(), on);
    QCOMPARE(ShownAt(pole, CellCentre(pole, s, 3, 4)), on ? kOnionColour : kPaperColour);
  }
  QCOMPARE(CountOn(s.Pixels), 0);
}

void Form1Test::playsUntilStoppedAndChangesNothing_data() {
  QTest::addColumn<QString>("stop");
  QTest::newRow("Esc") << "esc";
  QTest::newRow("a click") << "click";
  QTest::newRow("the item again") << "item";
}

// Two frames of 100 ms, ink at (2, 2) on the first and at (5, 5) on the
// second, play from the first and round again; meanwhile keys, commands and
// the mouse change nothing, and stopping shows the current frame as it was.
void Form1Test::playsUntilStoppedAndChangesNothing() {
  QFETCH(QString, stop);
  DocumentState& s = form_->State();
  Pole* pole = PoleOf(*form_);
  QTest::mouseClick(pole, Qt::LeftButton, {}, CellCentre(pole, s, 2, 2));
  Item(*form_, "frameblank")->trigger();
  QTest::mouseClick(pole, Qt::LeftButton, {}, CellCentre(pole, s, 5, 5));
  s.Frames[0].duration = s.Frames[1].duration = 100;
  const UndoSnapshot undo = s.Undo;
  const std::vector<AnimationFrame> frames = s.Frames;
  const PixelGrid pixels = s.Pixels;

  auto* playback = form_->findChild<Playback*>();
  QStringList shown;  // each frame as the drawing area painted it: which cells were ink
  connect(playback, &Playback::FrameShown, pole, [&](int index) {
    shown << QStringLiteral("%1:%2%3")
                 .arg(index)
                 .arg(ShownAt(pole, CellCentre(pole, s, 2, 2)) == kInkColour)
                 .arg(ShownAt(pole, CellCentre(pole, s, 5, 5)) == kInkColour);
  });
  auto* label = form_->findChild<QLabel*>(QStringLiteral("Label3"));
  QStringList labels;  // the frame label as each frame is shown
  connect(playback, &Playback::FrameShown, label, [&] { labels << label->text(); });
  QTest::keyClick(pole, Qt::Key_F5);
  QVERIFY(Item(*form_, "frameplay")->isEnabled() && Item(*form_, "frameplay")->isChecked());
  for (const char* name : {"editundo", "framenew", "frameprevious", "fileopen", "editinvert"})
    QVERIFY2(!Item(*form_, name)->isEnabled(), name);
  QVERIFY(!Button(*form_, 0)->isEnabled());
  QVERIFY(form_->findChild<QMenu*>(QStringLiteral("frames"))->menuAction()->isEnabled());
  QTest::keyClick(pole, Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(pole, Qt::Key_PageUp);
  QTest::keyClick(pole, Qt::Key_4);
  QTRY_VERIFY(shown.size() >= 3);
  QCOMPARE(shown.mid(0, 3), (QStringList{"0:10", "1:01", "0:10"}));
  QCOMPARE(labels.mid(0, 3), (QStringList{"Кадр 1 из 2", "Кадр 2 из 2", "Кадр 1 из 2"}));

  if (stop == QLatin1String("esc")) {
    QTest::keyClick(pole, Qt::Key_Escape);
  } else if (stop == QLatin1String("click")) {
    QTest::mousePress(pole, Qt::LeftButton, {}, CellCentre(pole, s, 7, 7));
    QTest::mouseMove(pole, CellCentre(pole, s, 8, 7));
    QTest::mouseRelease(pole, Qt::LeftButton, {}, CellCentre(pole, s, 8, 7));
  } else {
    Item(*form_, "frameplay")->trigger();
  }
  QVERIFY(Item(*form_, "editundo")->isEnabled() && Button(*form_, 0)->isEnabled());
  QVERIFY(!Item(*form_, "frameplay")->isChecked());
  QCOMPARE(label->text(), QStringLiteral("Кадр 2 из 2"));
  const int played = shown.size();
  QTest::qWait(250);
  QCOMPARE(shown.size(), played);
  QVERIFY(s.Pixels == pixels);
  QVERIFY(s.Frames == frames);
  QVERIFY(s.Undo == undo);
  QCOMPARE(s.CurrentFrame, 1);
  QCOMPARE(s.IZM, kOn);
  QCOMPARE(ShownAt(pole, CellCentre(pole, s, 2, 2)), kPaperColour);
  QCOMPARE(ShownAt(pole, CellCentre(pole, s, 5, 5)), kInkColour);
  // The mouse draws again.
  QTest::mouseClick(pole, Qt::LeftButton, {}, CellCentre(pole, s, 7, 7));
  QCOMPARE(s.Pixels(7, 7), kOn);
}

void Form1Test::frameItemsAvailableWhereTheyDoSomething_data() {
  QTest::addColumn<int>("frames");
  QTest::addColumn<int>("current");  // 1-based
  // "+" where the item is available, in the order of kFrameItems
  QTest::addColumn<QString>("available");
  QTest::newRow("one frame") << 1 << 1 << "++------";
  QTest::newRow("first of two") << 2 << 1 << "+++--+++";
  QTest::newRow("last of three") << 3 << 3 << "+++++--+";
  QTest::newRow("middle of three") << 3 << 2 << "++++++++";
  QTest::newRow("the most there may be") << kMaxFrames << 2 << "--++++++";
}

// Each frame item is disabled where it could do nothing, whether the
// frames came from a file or from the items; F5 plays nothing with one
// frame.
void Form1Test::frameItemsAvailableWhereTheyDoSomething() {
  QFETCH(int, frames);
  QFETCH(int, current);
  QFETCH(QString, available);
  QTemporaryDir dir;
  QFile file(dir.filePath(QStringLiteral("frames.ems")));
  QVERIFY(file.open(QIODevice::WriteOnly) &&
          file.write(EncodeEmsAnimation(EmsAnimationOf(RandomAnimation(8, 8, frames)))) > 0);
  file.close();
  form_->OpenFile(file.fileName());
  for (int i = 1; i < current; ++i) QTest::keyClick(form_, Qt::Key_PageDown);
  QCOMPARE(form_->State().CurrentFrame, current - 1);
  const char* const kFrameItems[] = {"framenew",      "frameblank", "framedelete", "frameleft",
                                     "frameprevious", "frameright", "framenext",   "frameplay"};
  for (int i = 0; i < 8; ++i)
    QVERIFY2(Item(*form_, kFrameItems[i])->isEnabled() == (available[i] == '+'), kFrameItems[i]);
  QTest::keyClick(form_, Qt::Key_F5);
  QCOMPARE(form_->findChild<Playback*>()->Playing(), frames > 1);
}

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
