#include <QtTest>
#include <algorithm>

#include "fakes/pictures.h"
#include "fakes/recording_view.h"
#include "picture/drawing_tools.h"
#include "picture/pen.h"
#include "picture/undo_clipboard.h"

using namespace tochkograf;

namespace {

const char* const kNames[] = {"small", "normal", "large"};

QRect Bounds(const CellRuns& runs) {
  QRect bounds;
  for (const CellRun& run : runs) bounds |= QRect(run.first, run.y, run.last - run.first + 1, 1);
  return bounds;
}

QRect PaperBounds(const PixelGrid& grid) {
  QRect bounds;
  for (int y = 1; y <= kMaxHeight; ++y)
    for (int x = 1; x <= kMaxWidth; ++x)
      if (!grid(x, y)) bounds |= QRect(x, y, 1, 1);
  return bounds;
}

}  // namespace

class PixelFontTest : public QObject {
  Q_OBJECT

 private slots:
  void everyCharacterInEveryFont();
  void capitalsAreAsHighAsNamed_data();
  void capitalsAreAsHighAsNamed();
  void wordIsPlacedWhereClicked();
  void missingCharacterIsABoxAndNamed();
};

void PixelFontTest::everyCharacterInEveryFont() {
  const QString named = QStringLiteral(
      "АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯабвгдеёжзийклмнопрстуфхцчшщъыьэюя"
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"
      ".,;:!?-–—()[]\"'«»/%+=*&@#№₽€°");
  for (const FontSize size : kFontSizes) {
    const PixelFont& font = BuiltInFont(size);
    for (const uint code : named.toUcs4()) {
      const QString what = QStringLiteral("%1 in %2")
                               .arg(QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1),
                                    QLatin1String(kNames[int(size)]));
      const PixelText text = TextRuns(
          QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1), font, QPoint(0, 0));
      QVERIFY2(text.missing.isEmpty() && !text.runs.empty(), qPrintable(what));
    }
    QVERIFY(TextRuns(QStringLiteral(" "), font, QPoint(0, 0)).runs.empty());
  }
}

void PixelFontTest::capitalsAreAsHighAsNamed_data() {
  QTest::addColumn<int>("font");
  QTest::addColumn<int>("lowest");
  QTest::addColumn<int>("highest");
  QTest::newRow("small") << 0 << 5 << 5;
  QTest::newRow("normal") << 1 << 7 << 7;
  QTest::newRow("large") << 2 << 11 << 13;
}

// Capitals and digits stand on one line from the cell given, and a
// descender goes below it.
void PixelFontTest::capitalsAreAsHighAsNamed() {
  QFETCH(int, font);
  QFETCH(int, lowest);
  QFETCH(int, highest);
  const PixelFont& f = BuiltInFont(FontSize(font));
  for (const QString& text : {QStringLiteral("H"), QStringLiteral("ЖШ"), QStringLiteral("1570")}) {
    const QRect bounds = Bounds(TextRuns(text, f, QPoint(7, 3)).runs);
    QCOMPARE(bounds.topLeft(), QPoint(7, 3));
    QVERIFY2(bounds.height() >= lowest && bounds.height() <= highest, qPrintable(text));
  }
  const QRect word = Bounds(TextRuns(QStringLiteral("Ну"), f, QPoint(7, 3)).runs);
  QVERIFY(word.top() == 3 && word.height() > lowest);
}

// Clicked with the right button at (10, 20) of a 32 x 26 picture: the word
// starts there in paper, its end clipped at the picture's right edge, the
// hidden cells beyond untouched; one step of undo.
void PixelFontTest::wordIsPlacedWhereClicked() {
  DocumentState state = StartedDocument(32, 26);
  RecordingView view(320, 260);
  DrawingTools tools;
  state.Tool = DrawingTool::kText;
  for (int y = 1; y <= kMaxHeight; ++y)
    for (int x = 1; x <= kMaxWidth; ++x) state.Pixels(x, y) = kOn;
  const PixelGrid before = state.Pixels;
  tools.MouseDown(state, view, kRightButton, 95, 195, false);
  QVERIFY(!tools.TakeTextClick());  // not before the button is up
  tools.MouseUp(state, view, kRightButton);
  const std::optional<TextClick> click = tools.TakeTextClick();
  QVERIFY(click && click->cell == QPoint(10, 20) && click->value == kOff);
  const QStringList missing = PlaceText(state, view, *click, QStringLiteral("ТОЧКОГРАФ"),
                                        AsBitmapFont(BuiltInFont(FontSize::kNormal)));
  QVERIFY(missing.isEmpty());
  QCOMPARE(PaperBounds(state.Pixels), QRect(QPoint(10, 20), QPoint(32, 26)));  // 7 high
  QCOMPARE(state.IZM, kOn);
  ExchangeWithUndo(state);
  QVERIFY(state.Pixels == before);
}

void PixelFontTest::missingCharacterIsABoxAndNamed() {
  const PixelFont& font = BuiltInFont(FontSize::kNormal);
  const PixelText text = TextRuns(QStringLiteral("中A中ℵ"), font, QPoint(1, 1));
  QCOMPARE(text.missing, (QStringList{QStringLiteral("中"), QStringLiteral("ℵ")}));
  const QRect box = Bounds(TextRuns(QStringLiteral("中"), font, QPoint(1, 1)).runs);
  QCOMPARE(box.height(), 7);
  QVERIFY(box.width() >= 3);
}

QTEST_APPLESS_MAIN(PixelFontTest)
#include "tst_pixel_font.moc"
