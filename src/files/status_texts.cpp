#include "files/status_texts.h"

#include <QFileInfo>

#include "files/disk/system_name.h"
#include "files/formats/phone_sizes.h"
#include "files/sms/ems_element.h"
#include "files/sms/phone_number.h"
#include "files/sms/sms_user_data.h"
#include "picture/frame.h"
#include "picture/pixel_grid.h"

namespace tochkograf {

namespace {

QString SizeOf(QSize size) { return SizeText(size.width(), size.height()); }

QString CommonReason(FileStatus status) {
  switch (status) {
    case FileStatus::NotAFile:
      return QStringLiteral("это папка или не обычный файл");
    case FileStatus::NoPermission:
      return QStringLiteral("нет прав доступа");
    case FileStatus::ReadOnlyDisk:
      return QStringLiteral("диск доступен только для чтения");
    case FileStatus::NameTooLong:
      return QStringLiteral("слишком длинное имя файла");
    default:
      return {};
  }
}

}  // namespace

QString ReadFailureReason(FileStatus status) {
  if (status == FileStatus::Missing) return QStringLiteral("файл не найден");
  const QString common = CommonReason(status);
  return common.isEmpty() ? QStringLiteral("ошибка чтения") : common;
}

QString WriteFailureReason(FileStatus status) {
  switch (status) {
    case FileStatus::Missing:
      return QStringLiteral("нет такой папки");
    case FileStatus::NoSpace:
      return QStringLiteral("нет места на диске");
    case FileStatus::TooLarge:
      return QStringLiteral("файл превысил наибольший размер, который система разрешает записать");
    case FileStatus::Failed:
      return QStringLiteral("ошибка записи");
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
      return QStringLiteral("размер рисунка вне пределов от %1 до %2 точек")
          .arg(SizeText(1, 1), SizeText(kMaxWidth, kMaxHeight));
    case FormatStatus::Truncated:
      return QStringLiteral("файл обрывается раньше конца рисунка");
    case FormatStatus::Damaged:
      return QStringLiteral("файл повреждён");
    case FormatStatus::NotTwoColours:
      return QStringLiteral("в изображении больше двух цветов");
    case FormatStatus::TooLargeForMessage:
      return QStringLiteral(
                 "рисунок не поместится в одно SMS: в элемент EMS входит не больше %1 байт точек "
                 "(строка занимает целые байты), например %2, %3 или %4")
          .arg(QString::number(kMaxElementData), SizeText(32, 32), SizeText(64, 16),
               SizeText(128, 8));
    case FormatStatus::NotAnImage:
      return QStringLiteral("это не изображение известного программе типа");
    case FormatStatus::TooLarge:
      return QStringLiteral(
                 "изображение слишком велико: в распакованном виде оно заняло бы больше %1 МБ")
          .arg(kImageMemoryLimitMb);
    case FormatStatus::NotEncoded:
      return QStringLiteral("ошибка при кодировании изображения");
    case FormatStatus::NotSmsOperatorLogoSize:
      return QStringLiteral("логотип оператора Nokia должен быть %1 точек").arg(SizeOf(kNokiaLogo));
    case FormatStatus::NotOperatorLogoSize:
      return QStringLiteral("логотип оператора Nokia должен быть %1 или %2 точек")
          .arg(SizeOf(kNokiaLogo), SizeOf(kNokiaLargeLogo));
    case FormatStatus::NotCallerGroupSize:
      return QStringLiteral("картинка группы Nokia должна быть %1 точек").arg(SizeOf(kNokiaLogo));
    case FormatStatus::NotPictureMessageSize:
      return QStringLiteral("картинка-сообщение Nokia должна быть %1 точек")
          .arg(SizeOf(kNokiaPicture));
    case FormatStatus::NotStartupLogoSize:
      return QStringLiteral("заставка Nokia должна быть %1 точек").arg(SizeOf(kNokiaStartupLogo));
    case FormatStatus::NotLogoManagerSize:
      return QStringLiteral(
                 "в файл Nokia Logo Manager входят рисунки %1 и %2 (логотип оператора), %3 "
                 "(заставка) и %4 (картинка-сообщение)")
          .arg(SizeOf(kNokiaLogo), SizeOf(kNokiaLargeLogo), SizeOf(kNokiaStartupLogo),
               SizeOf(kNokiaPicture));
    case FormatStatus::BadRecipient:
      return QStringLiteral(
                 "номер получателя должен быть из цифр (не больше %1), международный — с «+» "
                 "впереди")
          .arg(kMostNumberDigits);
    case FormatStatus::TooManyMessages:
      return QStringLiteral(
                 "сообщение слишком длинное: рисунок и текст не поместятся и в %1 связанных SMS")
          .arg(kMostConcatenatedMessages);
    case FormatStatus::AnimationTooLargeForElement:
      return QStringLiteral(
                 "анимация не поместится в один элемент EMS: в него входят четыре кадра %1 или "
                 "%2, а другие кадры — только если все вместе уместятся в одно SMS; такую "
                 "анимацию экспортируйте как «SMS для модема, AT-команды» (.at)")
          .arg(SizeText(16, 16), SizeText(8, 8));
    case FormatStatus::NoArray:
      return QStringLiteral(
          "в тексте нет массива байтов (чисел от 0 до 255 через запятую в фигурных скобках)");
    case FormatStatus::NotBytes:
      return QStringLiteral("в массиве есть число больше 255, а байт не бывает больше 255");
    case FormatStatus::NotEmsElement:
      return QStringLiteral(
          "в строке не элемент EMS с рисунком или анимацией (их идентификаторы 0E, 0F, 10, 11, "
          "12 и 14)");
    case FormatStatus::TooManyFrames:
      return QStringLiteral("в анимации больше %1 кадров, а в рисунке их может быть не больше %1")
          .arg(kMaxFrames);
  }
  return {};
}

QString ReadStatus::Reason() const {
  return file != FileStatus::Ok ? ReadFailureReason(file) : FormatFailureReason(format);
}

QString ShownName(const QString& path) {
  // A name as long as the system allows would not fit a message box: its
  // middle gives way, so that its start, its end and the reason show.
  constexpr int kLongest = 64, kKept = 30;
  const QString name = ReadableName(QFileInfo(path).fileName());
  return name.size() > kLongest ? name.left(kKept) + QChar(0x2026) + name.right(kKept) : name;
}

QString FileReasonLine(const QString& path, const QString& reason) {
  return QStringLiteral("%1: %2.").arg(Quoted(ShownName(path)), reason);
}

QString Quoted(const QString& text) { return QStringLiteral("«%1»").arg(text); }

QString SizeText(int width, int height) {
  return QStringLiteral("%1\u00A0x\u00A0%2").arg(width).arg(height);
}

}  // namespace tochkograf
