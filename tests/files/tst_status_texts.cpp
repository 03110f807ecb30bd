#include <QRegularExpression>
#include <QtTest>
#include <cerrno>

#include "files/disk/file_access.h"
#include "files/status_texts.h"

using namespace tochkograf;

namespace {

// A size written with a space a line may break at, "64 x 16".
const QRegularExpression kBreakableSize(QStringLiteral("\\d x|x \\d"));

const FileStatus kFileStatuses[] = {FileStatus::Missing,      FileStatus::NotAFile,
                                    FileStatus::NoPermission, FileStatus::ReadOnlyDisk,
                                    FileStatus::NameTooLong,  FileStatus::NoSpace,
                                    FileStatus::TooLarge,     FileStatus::Failed};

}  // namespace

class StatusTextsTest : public QObject {
  Q_OBJECT

 private slots:
  void systemErrorsHaveTheirReasons_data();
  void systemErrorsHaveTheirReasons();
  void everyReasonIsItsOwn();
  void sizesNeverBreak();
};

void StatusTextsTest::systemErrorsHaveTheirReasons_data() {
  QTest::addColumn<int>("error");
  QTest::addColumn<FileStatus>("status");
  QTest::newRow("ENOENT") << ENOENT << FileStatus::Missing;
  QTest::newRow("ENOTDIR") << ENOTDIR << FileStatus::Missing;
  QTest::newRow("EISDIR") << EISDIR << FileStatus::NotAFile;
  QTest::newRow("EACCES") << EACCES << FileStatus::NoPermission;
  QTest::newRow("EPERM") << EPERM << FileStatus::NoPermission;
  QTest::newRow("EROFS") << EROFS << FileStatus::ReadOnlyDisk;
  QTest::newRow("ENAMETOOLONG") << ENAMETOOLONG << FileStatus::NameTooLong;
  QTest::newRow("ENOSPC") << ENOSPC << FileStatus::NoSpace;
  QTest::newRow("EDQUOT") << EDQUOT << FileStatus::NoSpace;
  QTest::newRow("EFBIG") << EFBIG << FileStatus::TooLarge;
  QTest::newRow("EIO") << EIO << FileStatus::Failed;
}

void StatusTextsTest::systemErrorsHaveTheirReasons() {
  QFETCH(int, error);
  QFETCH(FileStatus, status);
  QCOMPARE(StatusOfError(error), status);
}

// The user can tell every reason from every other, reading or writing.
void StatusTextsTest::everyReasonIsItsOwn() {
  QSet<QString> read, written;
  for (const FileStatus status : kFileStatuses) {
    read << ReadFailureReason(status);
    written << WriteFailureReason(status);
    QVERIFY(!WriteFailureReason(status).isEmpty());
  }
  const qsizetype statuses = std::size(kFileStatuses);
  QCOMPARE(written.size(), statuses);
  // Reading meets no full disk and no limit of a file's size.
  QCOMPARE(read.size(), statuses - 2);
  QVERIFY(!read.contains(QString()));
}

void StatusTextsTest::sizesNeverBreak() {
  QStringList texts;
  for (int status = int(FormatStatus::Ok); status <= int(FormatStatus::NotBytes); ++status)
    texts << FormatFailureReason(FormatStatus(status));
  QVERIFY(texts.join(QString()).contains(QStringLiteral("128\u00A0x\u00A096")));
  QVERIFY(texts.join(QString()).contains(QStringLiteral("64\u00A0x\u00A016")));
  for (const QString& text : texts)
    QVERIFY2(!kBreakableSize.match(text).hasMatch(), qPrintable(text));
  QCOMPARE(SizeText(72, 14), QStringLiteral("72\u00A0x\u00A014"));
}

QTEST_GUILESS_MAIN(StatusTextsTest)
#include "tst_status_texts.moc"
