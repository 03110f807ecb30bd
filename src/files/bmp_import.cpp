#include "files/bmp_import.h"

#include "files/bmp_format.h"
#include "files/imported_picture.h"
#include "files/read_head.h"

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
  BmpPicture picture;
  if (!ReadHead(name, kReadLimit, bytes) || DecodeBmp(bytes, picture) != BmpStatus::Ok) {
    document.messages.ShowFailure(kImportFailure);
    return false;
  }
  TakeImportedPicture(document, picture, kOff);
  return true;
}

}  // namespace tochkograf
