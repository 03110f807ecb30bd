#include "cli/conversion_options.h"

#include <QRegularExpression>

#include "files/status_texts.h"

namespace tochkograf {

ConversionSettings ConversionOptions::Settings(ImageConversion& conversion) const {
  ConversionSettings settings = DefaultSettings(conversion, QSize());
  if (size) {
    settings.size = SizeChoice::Typed;
    settings.typed = *size;
  }
  // The threshold Otsu's method picks is the one for the size chosen.
  settings.framing = framing.value_or(settings.framing);
  settings.threshold = threshold ? *threshold : conversion.OtsuThresholdFor(settings);
  settings.dithering = dithering.value_or(settings.dithering);
  settings.invert = invert;
  return settings;
}

QString ReadSize(const QString& text, std::optional<QSize>& size) {
  const QRegularExpressionMatch match =
      QRegularExpression(QStringLiteral("^(\\d{1,4})[xXхХ](\\d{1,4})$")).match(text);
  const QSize read =
      match.hasMatch() ? QSize(match.captured(1).toInt(), match.captured(2).toInt()) : QSize();
  if (!FitsEditor(read.width(), read.height()))
    return QStringLiteral("--size ждёт ШxВ от 1x1 до %1x%2, а не %3")
        .arg(kMaxWidth)
        .arg(kMaxHeight)
        .arg(Quoted(text));
  size = read;
  return {};
}

QString ReadThreshold(const QString& text, std::optional<int>& threshold) {
  bool number = false;
  const int value = text.toInt(&number);
  if (!number || value < 0 || value > 255)
    return QStringLiteral("--threshold ждёт целое число от 0 до 255, а не %1").arg(Quoted(text));
  threshold = value;
  return {};
}

}  // namespace tochkograf
