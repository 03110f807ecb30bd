#include <QBuffer>
#include <QImageReader>
#include <QtTest>
#include <memory>

#include "commands/transfer/export_command.h"
#include "fakes/document_harness.h"
#include "fakes/file_bytes.h"
#include "fakes/scripted_file_dialogs.h"
#include "files/status_texts.h"
#include "images/file_formats.h"
#include "picture/frames.h"

using namespace tochkograf;

namespace {

// The bytes the type named by `extension` writes for the harness's picture.
QByteArray Expected(const DocumentState& state, const QString& path) {
  QByteArray bytes;
  FormatOfName(BuiltInFormats(), path)->write({state.MX, state.MY, state.Pixels}, {path}, bytes);
  return bytes;
}

// The dialog's index of the first exported type of `extension`; with
// `every_frame`, of the one that writes every frame.
int TypeIndex(const QString& extension, bool every_frame = false) {
  const FileFormatList formats = Where(BuiltInFormats(), Exported);
  for (int i = 0; i < formats.size(); ++i)
    if (formats[i]->extensions.contains(extension) && (!every_frame || formats[i]->every_frame))
      return i;
  return -1;
}

// Every image Qt's reader finds in a file.
QList<QImage> ImagesIn(const QByteArray& bytes) {
  QByteArray copy = bytes;
  QBuffer buffer(&copy);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  QList<QImage> images;
  for (QImage image = reader.read(); !image.isNull(); image = reader.read()) images << image;
  return images;
}

// The "Массив C" dialog: records what it was shown; answers from a script,
// cancelled without one.
struct ScriptedCArrayWindow : CArrayOptionsWindow {
  bool AskCArrayOptions(const Animation& frames, CArrayOptions& options) override {
    shown << options;
    shown_frames = frames.Count();
    shown_picture = frames.Frame(0);
    if (answers.isEmpty()) return false;
    options = answers.dequeue();
    return true;
  }
  bool AskSketchOptions(const Animation&, SketchOptions& options) override {
    shown_sketch << options;
    if (sketch_answers.isEmpty()) return false;
    options = sketch_answers.dequeue();
    return true;
  }
  QList<CArrayOptions> shown;
  QList<SketchOptions> shown_sketch;
  QQueue<SketchOptions> sketch_answers;
  Picture shown_picture;
  int shown_frames = 0;
  QQueue<CArrayOptions> answers;
};

}  // namespace

class ExportCommandTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void dialogStartsWithThePicturesFolderAndName();
  void typeFromExtensionOrChoice_data();
  void typeFromExtensionOrChoice();
  void refusalsWriteNothing_data();
  void refusalsWriteNothing();
  void cArrayAsksItsOptions();
  void typesOfOnePictureSayTheyWriteTheCurrentFrame();
  void animationGoesWholeOrByItsCurrentFrame_data();
  void animationGoesWholeOrByItsCurrentFrame();

 private:
  ScriptedCArrayWindow c_array_;
  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<DocumentHarness> h_;
  ScriptedFileDialogs dialogs_;
  QObject owner_;
  std::unique_ptr<DocumentCommands> commands_;
};

void ExportCommandTest::init() {
  dir_ = std::make_unique<QTemporaryDir>();
  h_ = std::make_unique<DocumentHarness>();
  h_->state.MX = 24;
  h_->state.MY = 26;
  FillRandom(h_->state.Pixels, 3);
  h_->state.IZM = kOn;
  h_->state.FileName = dir_->filePath(QStringLiteral("cat.ems"));
  dialogs_ = ScriptedFileDialogs();
  c_array_ = ScriptedCArrayWindow();
  commands_ =
      std::make_unique<DocumentCommands>(h_->context, dialogs_, QStringLiteral("/"), &owner_);
}

void ExportCommandTest::dialogStartsWithThePicturesFolderAndName() {
  dialogs_.Cancel();
  fileexport(*commands_, c_array_);
  const FileDialogRequest& shown = dialogs_.shown.value(0);
  QCOMPARE(dialogs_.saves, QList<bool>{true});
  QCOMPARE(shown.title, QStringLiteral("Экспорт"));
  QCOMPARE(shown.folder, dir_->path());
  QCOMPARE(shown.name, QStringLiteral("cat"));
  QCOMPARE(shown.owner, &owner_);
  // The export asks itself, once the name has its extension.
  QVERIFY(!shown.ask_before_replacing);
  QVERIFY(Patterns(shown).contains(QStringLiteral("*.otb")));
  QVERIFY(!Patterns(shown).contains(QStringLiteral("*.ems")));
}

// The document never changes, whatever is exported.
void ExportCommandTest::typeFromExtensionOrChoice_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("chosen");   // the extension of the type chosen in the dialog
  QTest::addColumn<QString>("written");  // the file that must hold the picture
  QTest::newRow("no extension: the chosen type") << "pic"
                                                 << "pbm"
                                                 << "pic.pbm";
  QTest::newRow("an extension chooses the type") << "pic.OTB"
                                                 << "png"
                                                 << "pic.OTB";
  QTest::newRow("other extension kept, type added") << "pic.v2"
                                                    << "xbm"
                                                    << "pic.v2.xbm";
  QTest::newRow("EMS element") << "sms"
                               << "txt"
                               << "sms.txt";
}

void ExportCommandTest::typeFromExtensionOrChoice() {
  QFETCH(QString, typed);
  QFETCH(QString, chosen);
  QFETCH(QString, written);
  const DocumentState before = h_->state;
  dialogs_.Choose(dir_->path(), {typed}, TypeIndex(chosen));
  fileexport(*commands_, c_array_);
  const QString path = dir_->filePath(written);
  QCOMPARE(Contents(path), Expected(before, path));
  QVERIFY(SameDocument(h_->state, before));
  QVERIFY(h_->caption.captions.isEmpty());
  QVERIFY(h_->messages.failures.isEmpty());
}

void ExportCommandTest::refusalsWriteNothing_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QSize>("size");
  QTest::addColumn<bool>("replace");  // the answer to the replace question
  QTest::addColumn<bool>("message");
  QTest::addColumn<FileStatus>("why");  // of a file that cannot be written
  QTest::newRow("too large for an SMS")
      << "sms.txt" << QSize(72, 28) << true << true << FileStatus::Ok;
  QTest::newRow("replace declined")
      << "old.png" << QSize(24, 26) << false << false << FileStatus::Ok;
  QTest::newRow("a folder of that name")
      << "folder.png" << QSize(24, 26) << true << true << FileStatus::NotAFile;
  QTest::newRow("no such folder") << "nowhere/pic.png" << QSize(24, 26) << true << true
                                  << FileStatus::Missing;
  QTest::newRow("name too long") << QString(300, QLatin1Char('x')) + QStringLiteral(".png")
                                 << QSize(24, 26) << true << true << FileStatus::NameTooLong;
}

void ExportCommandTest::refusalsWriteNothing() {
  QFETCH(QString, typed);
  QFETCH(QSize, size);
  QFETCH(bool, replace);
  QFETCH(bool, message);
  QFETCH(FileStatus, why);
  Store(dir_->filePath(QStringLiteral("old.png")), "old");
  Store(dir_->filePath(QStringLiteral("sms.txt")), "old");
  QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("folder.png")));
  const QStringList before = QDir(dir_->path()).entryList(QDir::AllEntries | QDir::Hidden);
  h_->state.MX = size.width();
  h_->state.MY = size.height();
  h_->messages.replace_answers.enqueue(replace);
  dialogs_.Choose(dir_->path(), {typed});
  fileexport(*commands_, c_array_);
  QCOMPARE(h_->messages.failures.size(), message ? 1 : 0);
  if (message) QVERIFY(h_->messages.failures[0].contains(QFileInfo(typed).fileName().left(20)));
  if (why != FileStatus::Ok) QVERIFY(h_->messages.failures[0].contains(WriteFailureReason(why)));
  QCOMPARE(QDir(dir_->path()).entryList(QDir::AllEntries | QDir::Hidden), before);
  QCOMPARE(Contents(dir_->filePath(QStringLiteral("old.png"))), QByteArray("old"));
  QCOMPARE(Contents(dir_->filePath(QStringLiteral("sms.txt"))), QByteArray("old"));
}

// The options chosen are written and kept for the next export, whose name
// is its own file's; the dialog's Cancel writes nothing.
void ExportCommandTest::cArrayAsksItsOptions() {
  const Picture picture{h_->state.MX, h_->state.MY, h_->state.Pixels};
  const CArrayOptions chosen{ByteLayout::PagesMsbTop, SetBit::Paper, QStringLiteral("pic"), true};
  c_array_.answers.enqueue(chosen);
  dialogs_.Choose(dir_->path(), {QStringLiteral("2 logo.h")});
  fileexport(*commands_, c_array_);
  QCOMPARE(c_array_.shown.value(0),
           (CArrayOptions{ByteLayout::RowsMsbLeft, SetBit::Ink, QStringLiteral("_2_logo"), false}));
  QVERIFY(c_array_.shown_picture == picture);
  QCOMPARE(Contents(dir_->filePath(QStringLiteral("2 logo.h"))), EncodeCArray(picture, chosen));

  Store(dir_->filePath(QStringLiteral("old.h")), "old");
  h_->messages.replace_answers.enqueue(true);
  dialogs_.Choose(dir_->path(), {QStringLiteral("old")}, TypeIndex(QStringLiteral("h")));
  fileexport(*commands_, c_array_);
  CArrayOptions kept = chosen;
  kept.name = QStringLiteral("old");
  QCOMPARE(c_array_.shown.value(1), kept);
  QCOMPARE(Contents(dir_->filePath(QStringLiteral("old.h"))), QByteArray("old"));
  QVERIFY(h_->messages.failures.isEmpty());
  QCOMPARE(c_array_.shown_frames, 1);

  // Of an animation, the dialog shows the code of every frame.
  QVERIFY(AddBlankFrame(h_->state));
  dialogs_.Choose(dir_->path(), {QStringLiteral("anim.h")});
  fileexport(*commands_, c_array_);
  QCOMPARE(c_array_.shown_frames, 2);

  // A sketch asks its own, starting from the last chosen; its name is the file's.
  const SketchOptions sketch{0x3D, 32, Compression::Rle, {}};
  c_array_.sketch_answers.enqueue(sketch);
  dialogs_.Choose(dir_->path(), {QStringLiteral("logo.ino")});
  fileexport(*commands_, c_array_);
  dialogs_.Choose(dir_->path(), {QStringLiteral("next.ino")});
  fileexport(*commands_, c_array_);
  QCOMPARE(c_array_.shown_sketch, (QList<SketchOptions>{SketchOptions{}, sketch}));
  SketchOptions named = sketch;
  named.name = QStringLiteral("logo");
  QCOMPARE(Contents(dir_->filePath(QStringLiteral("logo.ino"))),
           EncodeArduinoSketch(AnimationOf(h_->state), named));
  QVERIFY(!QFile::exists(dir_->filePath(QStringLiteral("next.ino"))));
}

void ExportCommandTest::typesOfOnePictureSayTheyWriteTheCurrentFrame() {
  const FileFormatList formats = Where(BuiltInFormats(), Exported);
  dialogs_.Cancel();
  fileexport(*commands_, c_array_);
  QVERIFY(AddBlankFrame(h_->state));
  dialogs_.Cancel();
  fileexport(*commands_, c_array_);
  const FilterTable still = dialogs_.shown.value(0).filters;
  const FilterTable animated = dialogs_.shown.value(1).filters;
  QCOMPARE(still.size(), formats.size());
  QCOMPARE(animated.size(), formats.size());
  for (int i = 0; i < formats.size(); ++i) {
    QCOMPARE(still[i].description, formats[i]->filter);
    QCOMPARE(animated[i].patterns, still[i].patterns);
    if (formats[i]->every_frame)
      QCOMPARE(animated[i].description, still[i].description);
    else
      QVERIFY2(animated[i].description.startsWith(still[i].description) &&
                   animated[i].description.contains(QStringLiteral("кадр")),
               qPrintable(animated[i].description));
  }
}

// Three frames of 24 x 26, the second one current: the types that write
// every frame get them all, the others the current one.
void ExportCommandTest::animationGoesWholeOrByItsCurrentFrame_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<int>("chosen");
  QTest::addColumn<int>("frames");  // as Qt's reader finds them
  QTest::addColumn<int>("width");
  QTest::addColumn<int>("current");  // the image with the current frame
  QTest::addColumn<int>("left");     // where it starts there
  QTest::newRow("GIF") << "anim.gif" << -1 << 3 << 24 << 1 << 0;
  QTest::newRow("strip chosen, .png typed")
      << "strip.png" << TypeIndex(QStringLiteral("png"), true) << 1 << 3 * 24 << 0 << 24;
  QTest::newRow("strip chosen, no extension")
      << "strip" << TypeIndex(QStringLiteral("png"), true) << 1 << 3 * 24 << 0 << 24;
  QTest::newRow("PNG") << "frame.png" << TypeIndex(QStringLiteral("png")) << 1 << 24 << 0 << 0;
}

void ExportCommandTest::animationGoesWholeOrByItsCurrentFrame() {
  QFETCH(QString, typed);
  QFETCH(int, chosen);
  QFETCH(int, frames);
  QFETCH(int, width);
  QFETCH(int, current);
  QFETCH(int, left);
  QVERIFY(AddFrameCopy(h_->state) && AddBlankFrame(h_->state));
  GoToFrame(h_->state, 1);
  FillRandom(h_->state.Pixels, 11);
  const DocumentState before = h_->state;
  dialogs_.Choose(dir_->path(), {typed}, chosen);
  fileexport(*commands_, c_array_);
  QVERIFY(h_->messages.failures.isEmpty());
  const QString path = dir_->filePath(QFileInfo(typed).suffix().isEmpty() ? typed + ".png" : typed);
  const QList<QImage> images = ImagesIn(Contents(path));
  QCOMPARE(images.size(), frames);
  QCOMPARE(images[current].size(), QSize(width, 26));
  for (int y = 1; y <= 26; ++y)
    for (int x = 1; x <= 24; ++x)
      QCOMPARE(images[current].pixel(left + x - 1, y - 1) == qRgb(0, 0, 0),
               before.Pixels(x, y) != kOff);
  QVERIFY(SameDocument(h_->state, before));
}

QTEST_GUILESS_MAIN(ExportCommandTest)
#include "tst_export_command.moc"
