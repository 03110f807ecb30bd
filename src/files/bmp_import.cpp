#include "files/bmp_import.h"

#include "files/file_access.h"
#include "files/picture_codecs.h"
#include "files/status_texts.h"
#include "files/imported_picture.h"

namespace tochkograf {

namespace {

// Far more than any importable file needs; pixel rows said to lie beyond it
// are refused like rows beyond the end of the file.
constexpr qint64 kReadLimit = 1 << 20;

}  // namespace

FilterTable BmpFilters() {
  return {{QStringLiteral("Однобитный точечный рисунок (два цвета) (BMP)"), QStringLiteral("*.bmp")},
          {QStringLiteral("Все файлы"), QStringLiteral("*.*")}};
}

void frombmp(DocumentCommands& commands) {
  if (!commands.MayDropChanges(kImportTitle)) return;
  const QString name = commands.ChooseFileToOpen(BmpFilters());
  if (!name.isEmpty() && ImportBmpFile(commands.Document(), name)) commands.Used(name);
}

bool ImportBmpFile(DocumentContext& document, const QString& name) {
  QByteArray bytes;
  Picture picture;
  const FileStatus file = ReadFileHead(name, kReadLimit, bytes);
  const FormatStatus format = file == FileStatus::Ok ? ReadBmpPicture(bytes, picture)
                                                     : FormatStatus::Ok;
  if (file != FileStatus::Ok || format != FormatStatus::Ok) {
    const QString reason =
        file != FileStatus::Ok ? ReadFailureReason(file) : FormatFailureReason(format);
    document.messages.ShowFailure(kImportFailure + QLatin1Char('\n') +
                                  FileReasonLine(name, reason));
    return false;
  }
  TakeImportedPicture(document, picture, kOff);
  return true;
}

}  // namespace tochkograf
