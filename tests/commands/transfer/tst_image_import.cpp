#include <QImageReader>
#include <QtTest>

#include "commands/transfer/image_import.h"
#include "fakes/document_harness.h"
#include "fakes/file_bytes.h"
#include "fakes/image_bytes.h"
#include "fakes/scripted_file_dialogs.h"
#include "fakes/side_windows.h"
#include "files/formats/otb_format.h"
#include "files/sms/ems_element.h"
#include "picture/frames.h"
#include "picture/undo_clipboard.h"

using namespace tochkograf;

namespace {

const QString kTitle = QStringLiteral("Импорт изображения");

// Ink where (x + y) is a multiple of 3.
bool Ink(int x, int y) { return (x + y) % 3 == 0; }

QImage TwoColours(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      image.setPixel(x, y, Ink(x + 1, y + 1) ? qRgb(90, 0, 0) : qRgb(250, 250, 200));
  return image;
}

QByteArray TestFile(const QString& name) {
  QFile file(QStringLiteral(TOCHKOGRAF_TEST_DATA "/images/") + name);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Undo brings back every frame as it was before the import.
bool UndoBringsBack(DocumentState& state, const DocumentState& before) {
  const Animation was = AnimationOf(before);
  return ExchangeWithUndo(state) && state.CurrentFrame == before.CurrentFrame &&
         AnimationOf(state).frames == was.frames && state.MX == was.width && state.MY == was.height;
}

QByteArray Otb(int width, int height) {
  PixelGrid cells;
  for (int y = 1; y <= height; ++y)
    for (int x = 1; x <= width; ++x) cells(x, y) = Ink(x, y) ? kOn : kOff;
  return EncodeOtb({width, height, cells});
}

// The line of hex the export writes for the picture of Ink().
QByteArray EmsElement(int width, int height) {
  PixelGrid cells;
  for (int y = 1; y <= height; ++y)
    for (int x = 1; x <= width; ++x) cells(x, y) = Ink(x, y) ? kOn : kOff;
  QByteArray line;
  EncodeEmsElement({width, height, cells}, line);
  return line;
}

// Greys across, with a dark disc: many levels.
QByteArray Photo() {
  QImage image(300, 200, QImage::Format_RGB32);
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 300; ++x) {
      const int level = (x - 150) * (x - 150) + (y - 100) * (y - 100) < 3600 ? 30 : 80 + x / 2;
      image.setPixel(x, y, qRgb(level, level, level));
    }
  return ImageBytes(image, "png");
}

struct Import {
  Import() : commands(h.context, dialogs, folder.path(), &owner) {
    h.state.FileName = QStringLiteral("/pics/cat.ems");
    FillRandom(h.state.Pixels, 1);
    FillRandom(h.state.Undo.Pixels, 2);
    // Three frames, the middle one current.
    AddBlankFrame(h.state);
    FillRandom(h.state.Pixels, 3);
    AddFrameCopy(h.state);
    GoToFrame(h.state, 1);
  }
  void Choose(const QString& name, const QByteArray& bytes) {
    if (!bytes.isNull()) Store(folder.filePath(name), bytes);
    dialogs.Choose(folder.path(), {name});
  }

  QTemporaryDir folder;
  DocumentHarness h;
  ScriptedFileDialogs dialogs;
  FakeSideWindows windows;
  QObject owner;
  DocumentCommands commands;
};

}  // namespace

class ImageImportTest : public QObject {
  Q_OBJECT

 private slots:
  void comesInAsItIs_data();
  void comesInAsItIs();
  void dialogOffersEveryImageType();
  void otherImagesGoThroughTheConversion_data();
  void otherImagesGoThroughTheConversion();
  void animationsComeInWithEveryFrame_data();
  void animationsComeInWithEveryFrame();
  void failureChangesNothing_data();
  void failureChangesNothing();
};

void ImageImportTest::comesInAsItIs_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QByteArray>("bytes");
  QTest::addColumn<QSize>("size");
  QTest::newRow("two-colour PNG") << "logo.png" << ImageBytes(TwoColours(40, 30), "png")
                                  << QSize(40, 30);
  QTest::newRow("two-colour BMP, misnamed")
      << "logo.jpg" << ImageBytes(TwoColours(72, 14), "bmp") << QSize(72, 14);
  QTest::newRow("OTB") << "logo.otb" << Otb(72, 28) << QSize(72, 28);
  QTest::newRow("OTB, capitals") << "LOGO.OTB" << Otb(16, 16) << QSize(16, 16);
  QTest::newRow("EMS element") << "logo.txt" << EmsElement(72, 14) << QSize(72, 14);
}

void ImageImportTest::comesInAsItIs() {
  QFETCH(QString, name);
  QFETCH(QByteArray, bytes);
  QFETCH(QSize, size);
  Import i;
  i.h.state.IZM = kOn;
  i.h.messages.answers.enqueue(SaveAnswer::No);
  i.Choose(name, bytes);
  const DocumentState before = i.h.state;

  ImportImage(i.commands, i.windows);

  const DocumentState& s = i.h.state;
  QCOMPARE(i.h.messages.questions, QStringList{kTitle});
  QCOMPARE(QSize(s.MX, s.MY), size);
  for (int y = 1; y <= kMaxHeight; ++y)
    for (int x = 1; x <= kMaxWidth; ++x) {
      const Flag expected = x > s.MX || y > s.MY ? before.Pixels(x, y) : Ink(x, y) ? kOn : kOff;
      QCOMPARE(s.Pixels(x, y), expected);
    }
  QCOMPARE(s.IZM, kOn);
  QCOMPARE(s.FileName, kUntitled);
  QCOMPARE(FrameCount(s), 1);
  QVERIFY(i.h.caption.captions.isEmpty());
  QCOMPARE(i.h.view.whole_repaints, 1);
  QVERIFY(i.windows.calls.isEmpty());
  QVERIFY(i.h.messages.failures.isEmpty());
  QVERIFY(UndoBringsBack(i.h.state, before));
  // The next dialog starts where this file was, after the question again.
  i.h.messages.answers.enqueue(SaveAnswer::No);
  i.dialogs.Cancel();
  ImportImage(i.commands, i.windows);
  QCOMPARE(i.dialogs.shown.last().folder, i.folder.path());
}

void ImageImportTest::dialogOffersEveryImageType() {
  Import i;
  i.dialogs.Cancel();
  ImportImage(i.commands, i.windows);
  QCOMPARE(i.dialogs.saves, QList<bool>{false});
  const FileDialogRequest& shown = i.dialogs.shown.first();
  QCOMPARE(shown.title, kTitle);
  const QStringList patterns = Patterns(shown);
  QCOMPARE(shown.filters.last().patterns, QStringList{QStringLiteral("*")});
  QVERIFY(shown.filters.first().description.contains(QStringLiteral("изображения")));
  QCOMPARE(shown.filter, 0);
  QStringList wanted{QStringLiteral("*.otb")};
  for (const QByteArray& format : QImageReader::supportedImageFormats())
    wanted << QStringLiteral("*.") + QString::fromLatin1(format);
  for (const QString& pattern : wanted) {
    // Once on its own line and once among all images.
    QVERIFY2(patterns.count(pattern) == 2, qPrintable(pattern));
    QVERIFY(shown.filters.first().patterns.contains(pattern));
  }
}

void ImageImportTest::otherImagesGoThroughTheConversion_data() {
  QTest::addColumn<bool>("ok");
  QTest::addColumn<bool>("grid");
  QTest::newRow("OK") << true << true;
  QTest::newRow("OK, no grid") << true << false;
  QTest::newRow("Cancel") << false << true;
}

void ImageImportTest::otherImagesGoThroughTheConversion() {
  QFETCH(bool, ok);
  QFETCH(bool, grid);
  Import i;
  i.h.state.GridOn = grid ? kOn : kOff;
  i.h.state.MX = 24, i.h.state.MY = 26;
  i.Choose(QStringLiteral("photo.png"), Photo());
  ConversionSettings chosen;
  i.windows.on_conversion = [&](ConversionSettings& settings) {
    settings.size = SizeChoice::Typed;
    settings.typed = QSize(50, 20);
    settings.dithering = Dithering::FloydSteinberg;
    settings.invert = true;
    chosen = settings;
    return ok;
  };
  const DocumentState before = i.h.state;

  ImportImage(i.commands, i.windows);

  QCOMPARE(i.windows.calls, QStringList{QStringLiteral("conversion")});
  QCOMPARE(i.windows.shown_grid, grid);
  const ImportedImage& image = i.windows.shown_image;
  QCOMPARE(image.size, QSize(300, 200));
  // It starts at the defaults for this image and picture.
  ImageConversion conversion(image);
  QCOMPARE(i.windows.shown_settings, DefaultSettings(conversion, QSize(24, 26)));
  QCOMPARE(i.windows.shown_settings.size, SizeChoice::Fit);
  QVERIFY(i.h.messages.failures.isEmpty());
  if (!ok) {
    QVERIFY(SameDocument(i.h.state, before));
    QCOMPARE(i.h.view.whole_repaints, 0);
    return;
  }
  const Picture picture = conversion.Result(chosen);
  QCOMPARE(QSize(i.h.state.MX, i.h.state.MY), QSize(50, 20));
  QVERIFY((Picture{i.h.state.MX, i.h.state.MY, i.h.state.Pixels}) == picture);
  QCOMPARE(i.h.state.IZM, kOn);
  QCOMPARE(i.h.state.FileName, kUntitled);
  QVERIFY(i.h.caption.captions.isEmpty());
}

// Made by ImageMagick (see tst_image_frames): frames.gif, four frames of
// two colours; grey_frames.gif, two frames of 40 x 30 whose greys run from
// black at the top to white, then the other way:
// convert -delay 20 -size 40x30 gradient:black-white gradient:white-black
//   -colors 16 -loop 0 grey_frames.gif
void ImageImportTest::animationsComeInWithEveryFrame_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<bool>("converted");
  QTest::addColumn<QList<std::int32_t>>("durations");
  QTest::newRow("as it is") << "frames.gif" << false << QList<std::int32_t>{100, 100, 500, 10000};
  QTest::newRow("converted") << "grey_frames.gif" << true << QList<std::int32_t>{200, 200};
}

void ImageImportTest::animationsComeInWithEveryFrame() {
  QFETCH(QString, name);
  QFETCH(bool, converted);
  QFETCH(QList<std::int32_t>, durations);
  Import i;
  i.Choose(QStringLiteral("in.gif"), TestFile(name));
  i.windows.on_conversion = [&](ConversionSettings& settings) {
    settings.invert = true;
    return true;
  };
  const DocumentState before = i.h.state;

  ImportImage(i.commands, i.windows);

  QVERIFY(i.h.messages.failures.isEmpty());
  QCOMPARE(i.windows.calls.size(), converted ? 1 : 0);
  const Animation animation = AnimationOf(i.h.state);
  QCOMPARE(animation.Count(), durations.size());
  QCOMPARE(i.h.state.CurrentFrame, 0);
  for (int k = 0; k < animation.Count(); ++k) QCOMPARE(animation.frames[k].duration, durations[k]);
  if (converted) {
    // The dialog showed the first frame, dark at the top; inverted, each
    // frame's dark end is paper.
    QCOMPARE(i.windows.shown_image.size, QSize(40, 30));
    QVERIFY(i.windows.shown_image.greys.pixelColor(20, 0).value() < 64);
    QCOMPARE(QSize(animation.width, animation.height), QSize(40, 30));
    for (int k = 0; k < 2; ++k) {
      const Picture frame = animation.Frame(k);
      QCOMPARE(frame.cells(20, 1) != kOff, k == 1);
      QCOMPARE(frame.cells(20, 30) != kOff, k == 0);
    }
  }
  QVERIFY(UndoBringsBack(i.h.state, before));
}

void ImageImportTest::failureChangesNothing_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QByteArray>("bytes");  // null: no such file
  QTest::newRow("missing") << "gone.png" << QByteArray();
  QTest::newRow("not an image") << "notes.png" << QByteArray("plain words");
  QTest::newRow("vast") << "vast.ppm" << QByteArray("P6\n20000 20000\n255\n");
  QTest::newRow("OTB cut short") << "short.otb" << Otb(72, 14).left(40);
  QTest::newRow("EMS element cut short") << "short.txt" << EmsElement(72, 14).left(40);
  QTest::newRow("folder") << "." << QByteArray();
  QTest::newRow("65 frames") << "many.gif" << TestFile("frames_65.gif");
  QTest::newRow("animation cut short") << "cut.gif" << TestFile("frames.gif").chopped(4);
}

void ImageImportTest::failureChangesNothing() {
  QFETCH(QString, name);
  QFETCH(QByteArray, bytes);
  Import i;
  i.Choose(name, bytes);
  const DocumentState before = i.h.state;
  ImportImage(i.commands, i.windows);
  QVERIFY(SameDocument(i.h.state, before));
  QCOMPARE(i.h.messages.failures.size(), 1);
  const QString message = i.h.messages.failures.first();
  QVERIFY2(message.contains(QFileInfo(i.folder.filePath(name)).fileName()), qPrintable(message));
  QVERIFY(i.windows.calls.isEmpty());
  QCOMPARE(i.h.view.whole_repaints, 0);
}

QTEST_MAIN(ImageImportTest)
#include "tst_image_import.moc"
