#include "files/status_texts.h"

#include "files/ems_element.h"
#include "picture/pixel_grid.h"

namespace tochkograf {

namespace {

QString CommonReason(FileStatus status) {
  switch (status) {
    case FileStatus::NotAFile:
      return QStringLiteral("это папка или не обычный файл");
    case FileStatus::NoPermission:
      return QStringLiteral("нет прав доступа");
    default:
      return {};
  }
}

}  // namespace

QString ReadFailureReason(FileStatus status) {
  switch (status) {
    case FileStatus::Missing:
      return QStringLiteral("файл не найден");
    case FileStatus::Failed:
      return QStringLiteral("ошибка чтения");
    default:
      return CommonReason(status);
  }
}

QString WriteFailureReason(FileStatus status) {
  switch (status) {
    case FileStatus::Missing:
      return QStringLiteral("нет такой папки");
    case FileStatus::Failed:
      return QStringLiteral("ошибка записи (нет места на диске?)");
    default:
      return CommonReason(status);
  }
}

QString FormatFailureReason(FormatStatus status) {
  switch (status) {
    case FormatStatus::Ok:
      return {};
    case FormatStatus::NotThisFormat:
      return QStringLiteral("содержимое не того типа, что указан расширением имени");
    case FormatStatus::Unsupported:
      return QStringLiteral("такой вид файла не поддерживается (нужен двухцветный, без сжатия)");
    case FormatStatus::BadSize:
      return QStringLiteral("размер рисунка вне пределов от 1 x 1 до %1 x %2 точек")
          .arg(kMaxWidth)
          .arg(kMaxHeight);
    case FormatStatus::Truncated:
      return QStringLiteral("файл обрывается раньше конца рисунка");
    case FormatStatus::Damaged:
      return QStringLiteral("файл повреждён");
    case FormatStatus::NotTwoColours:
      return QStringLiteral("в изображении больше двух цветов");
    case FormatStatus::TooLargeForMessage:
      return QStringLiteral(
                 "рисунок не поместится в одно SMS: в элемент EMS входит не больше %1 байт точек "
                 "(строка занимает целые байты), например 32 x 32, 64 x 16 или 128 x 8")
          .arg(kMaxElementData);
    case FormatStatus::NotAnImage:
      return QStringLiteral("это не изображение известного программе типа");
    case FormatStatus::TooLarge:
      return QStringLiteral(
                 "изображение слишком велико: в распакованном виде оно заняло бы больше %1 МБ")
          .arg(kImageMemoryLimitMb);
  }
  return {};
}

}  // namespace tochkograf
