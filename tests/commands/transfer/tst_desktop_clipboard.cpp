#include <QtTest>

#include "commands/selection_commands.h"
#include "commands/transfer/desktop_clipboard_commands.h"
#include "fakes/document_harness.h"
#include "fakes/scripted_file_dialogs.h"
#include "files/c_array/c_array_format.h"

using namespace tochkograf;

namespace {

struct FakeClipboard : DesktopClipboard {
  void PutText(const QString& put) override { text = put; }
  void PutImage(const QImage& put) override { image = put; }
  QImage Image() override { return image; }
  QString text;
  QImage image;
};

// The conversion dialog, cancelled; only counted.
struct CountingConversion : ConversionWindow {
  bool ShowConversionDialog(const ImportedImage& image, bool, ConversionSettings&) override {
    shown << image.size;
    return false;
  }
  QList<QSize> shown;
};

struct Clipboard {
  Clipboard() : commands(h.context, dialogs, QStringLiteral("/"), &owner) {
    h.state.MX = 21, h.state.MY = 9;
    FillRandom(h.state.Pixels, 4);
  }
  DocumentHarness h;
  ScriptedFileDialogs dialogs;
  QObject owner;
  DocumentCommands commands;
  FakeClipboard clipboard;
  CountingConversion conversion;
};

}  // namespace

class DesktopClipboardTest : public QObject {
  Q_OBJECT

 private slots:
  void copiesBlackInkOnWhite();
  void copiesCodeWithTheLastOptions();
  void pastesThroughTheImageImport_data();
  void pastesThroughTheImageImport();
  void copiesTheMarkedCells();
  void floatsThePastedImage_data();
  void floatsThePastedImage();
};

void DesktopClipboardTest::copiesBlackInkOnWhite() {
  Clipboard c;
  CopyAsImage(c.h.state, c.clipboard);
  const QImage& image = c.clipboard.image;
  QCOMPARE(image.size(), QSize(21, 9));
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 21; ++x)
      QCOMPARE(image.pixel(x, y),
               c.h.state.Pixels(x + 1, y + 1) != kOff ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
}

void DesktopClipboardTest::copiesCodeWithTheLastOptions() {
  Clipboard c;
  const Picture picture{21, 9, c.h.state.Pixels};
  c.h.state.FileName = kUntitled;
  CopyAsCCode(c.commands, c.clipboard);
  // Pasted into a source file, `#pragma once` would warn "in main file".
  QVERIFY(!c.clipboard.text.contains(QStringLiteral("#pragma")));
  QCOMPARE(c.clipboard.text.toUtf8(),
           EncodeCArray(picture,
                        {ByteLayout::RowsMsbLeft, SetBit::Ink, QStringLiteral("picture"), false},
                        CArrayUse::Pasted));
  c.h.state.FileName = QStringLiteral("/pics/Кот.ems");
  c.commands.LastCArrayOptions() = {ByteLayout::PagesLsbTop, SetBit::Paper, {}, true};
  CopyAsCCode(c.commands, c.clipboard);
  QCOMPARE(
      c.clipboard.text.toUtf8(),
      EncodeCArray(picture, {ByteLayout::PagesLsbTop, SetBit::Paper, QStringLiteral("Kot"), true},
                   CArrayUse::Pasted));
}

void DesktopClipboardTest::pastesThroughTheImageImport_data() {
  QTest::addColumn<QImage>("image");
  QTest::addColumn<bool>("taken");      // as it is
  QTest::addColumn<bool>("converted");  // through the dialog
  QImage two(30, 12, QImage::Format_RGB32);
  two.fill(Qt::white);
  two.setPixel(0, 0, qRgb(0, 0, 0));
  two.setPixel(29, 11, qRgb(0, 0, 0));
  QImage grey = two;
  grey.setPixel(3, 3, qRgb(128, 128, 128));
  QTest::newRow("two colours that fit") << two << true << false;
  QTest::newRow("greys") << grey << false << true;
  QTest::newRow("too large") << two.scaled(300, 120) << false << true;
  QTest::newRow("no image") << QImage() << false << false;
}

void DesktopClipboardTest::pastesThroughTheImageImport() {
  QFETCH(QImage, image);
  QFETCH(bool, taken);
  QFETCH(bool, converted);
  Clipboard c;
  c.h.state.IZM = kOn;
  c.h.messages.answers.enqueue(SaveAnswer::No);
  c.clipboard.image = image;
  const DocumentState before = c.h.state;
  PasteImage(c.commands, c.conversion, c.clipboard);
  QCOMPARE(c.h.messages.questions.size(), image.isNull() ? 0 : 1);
  QCOMPARE(c.h.messages.failures.size(), image.isNull() ? 1 : 0);
  QCOMPARE(c.conversion.shown, converted ? QList<QSize>{image.size()} : QList<QSize>{});
  if (!taken) {
    QVERIFY(SameDocument(c.h.state, before));
    return;
  }
  QCOMPARE(QSize(c.h.state.MX, c.h.state.MY), image.size());
  for (int y = 1; y <= 12; ++y)
    for (int x = 1; x <= 30; ++x)
      QCOMPARE(c.h.state.Pixels(x, y) != kOff, image.pixel(x - 1, y - 1) == qRgb(0, 0, 0));
}

void DesktopClipboardTest::copiesTheMarkedCells() {
  Clipboard c;
  Selection marked;
  marked.Mark(c.h.state, QPoint(6, 4), QPoint(2, 3));
  selectioncopyimage(c.h.state, marked, c.clipboard);
  QCOMPARE(c.clipboard.image.size(), QSize(5, 2));
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 5; ++x)
      QCOMPARE(c.clipboard.image.pixel(x, y) == qRgb(0, 0, 0),
               c.h.state.Pixels(x + 2, y + 3) != kOff);
}

void DesktopClipboardTest::floatsThePastedImage_data() {
  QTest::addColumn<QImage>("image");
  QTest::addColumn<bool>("floats");     // as it is
  QTest::addColumn<bool>("converted");  // through the dialog
  QImage two(8, 5, QImage::Format_RGB32);
  two.fill(Qt::white);
  two.setPixel(0, 0, qRgb(0, 0, 0));
  two.setPixel(7, 2, qRgb(0, 0, 0));
  QImage grey = two;
  grey.setPixel(3, 3, qRgb(128, 128, 128));
  QTest::newRow("two colours that fit") << two << true << false;
  QTest::newRow("greys") << grey << false << true;
  QTest::newRow("wider than the picture") << two.scaled(22, 5) << false << true;
  QTest::newRow("no image") << QImage() << false << false;
}

// Nothing is lost, so nothing is asked; the picture's cells stay as they
// were until the piece is put down.
void DesktopClipboardTest::floatsThePastedImage() {
  QFETCH(QImage, image);
  QFETCH(bool, floats);
  QFETCH(bool, converted);
  Clipboard c;
  c.clipboard.image = image;
  const DocumentState before = c.h.state;
  Selection marked;
  selectionpasteimage(c.h.context, c.conversion, marked, c.clipboard);
  QVERIFY(c.h.messages.questions.isEmpty());
  QCOMPARE(c.h.messages.failures.size(), image.isNull() ? 1 : 0);
  QCOMPARE(c.conversion.shown, converted ? QList<QSize>{image.size()} : QList<QSize>{});
  QVERIFY(SameDocument(c.h.state, before));
  QCOMPARE(marked.Floating(), floats);
  if (!floats) return;
  QCOMPARE(marked.Rect(), QRect(QPoint(1, 1), image.size()));
  for (int y = 1; y <= 5; ++y)
    for (int x = 1; x <= 8; ++x)
      QCOMPARE(*marked.FloatingAt(x, y), image.pixel(x - 1, y - 1) == qRgb(0, 0, 0));
}

QTEST_GUILESS_MAIN(DesktopClipboardTest)
#include "tst_desktop_clipboard.moc"
