#include "cli/conversion_options.h"

#include <QCommandLineParser>
#include <QRegularExpression>

#include "files/status_texts.h"

namespace tochkograf {

namespace {

const QString kSize = QStringLiteral("size");
const QString kThreshold = QStringLiteral("threshold");
const QString kDither = QStringLiteral("dither");
const QString kInvert = QStringLiteral("invert");

struct DitheringName {
  const char* name;
  Dithering dithering;
};
constexpr DitheringName kDitheringNames[] = {
    {"none", Dithering::None}, {"floyd", Dithering::FloydSteinberg}, {"bayer", Dithering::Bayer}};

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

QString ReadDithering(const QString& text, std::optional<Dithering>& dithering) {
  QStringList names;
  for (const DitheringName& known : kDitheringNames) {
    if (text == QLatin1String(known.name)) {
      dithering = known.dithering;
      return {};
    }
    names << QLatin1String(known.name);
  }
  return QStringLiteral("--dither ждёт одно из: %1, а не %2")
      .arg(names.join(QStringLiteral(", ")), Quoted(text));
}

}  // namespace

ConversionSettings ConversionOptions::Settings(ImageConversion& conversion) const {
  ConversionSettings settings = DefaultSettings(conversion, QSize());
  if (size) {
    settings.size = SizeChoice::Typed;
    settings.typed = *size;
  }
  // The threshold Otsu's method picks is the one for the size chosen.
  settings.threshold =
      threshold
          ? *threshold
          : OtsuThreshold(conversion.ScaledGreys(TargetSize(settings, conversion.Image().size)));
  settings.dithering = dithering.value_or(settings.dithering);
  settings.invert = invert;
  return settings;
}

QList<QCommandLineOption> ConversionOptionList() {
  return {QCommandLineOption(kSize, {}, QStringLiteral("WxH")),
          QCommandLineOption(kThreshold, {}, QStringLiteral("N")),
          QCommandLineOption(kDither, {}, QStringLiteral("METHOD")), QCommandLineOption(kInvert)};
}

bool AnyConversionOption(const QCommandLineParser& parser) {
  for (const QString& name : {kSize, kThreshold, kDither, kInvert})
    if (parser.isSet(name)) return true;
  return false;
}

QString ReadConversionOptions(const QCommandLineParser& parser, ConversionOptions& options) {
  QString problem;
  if (problem.isEmpty() && parser.isSet(kSize))
    problem = ReadSize(parser.value(kSize), options.size);
  if (problem.isEmpty() && parser.isSet(kThreshold))
    problem = ReadThreshold(parser.value(kThreshold), options.threshold);
  if (problem.isEmpty() && parser.isSet(kDither))
    problem = ReadDithering(parser.value(kDither), options.dithering);
  options.invert = parser.isSet(kInvert);
  return problem;
}

QString MissingConversionValue(const QStringList& arguments) {
  if (arguments.isEmpty()) return {};
  for (const QString& name : {kSize, kThreshold, kDither})
    if (arguments.last() == QStringLiteral("--") + name)
      return QStringLiteral("после --%1 нужно значение").arg(name);
  return {};
}

QList<HelpItem> ConversionOptionsHelp() {
  const QString most = QStringLiteral("%1\u00a0x\u00a0%2").arg(kMaxWidth).arg(kMaxHeight);
  return {{QStringLiteral("--size ШxВ"),
           QStringLiteral("размер рисунка (по умолчанию наибольший, что вписывается в %1 с "
                          "сохранением пропорций)")
               .arg(most)},
          {QStringLiteral("--threshold N"),
           QStringLiteral("порог 0..255: точки темнее него чёрные (по умолчанию его выбирает метод "
                          "Оцу)")},
          {QStringLiteral("--dither none|floyd|bayer"),
           QStringLiteral("растрирование: нет, Флойда — Стейнберга, упорядоченное "
                          "(Байер 4\u00a0x\u00a04); по умолчанию нет")},
          {QStringLiteral("--invert"), QStringLiteral("поменять чёрное и белое местами")},
          {{},
           QStringLiteral("С любым из них преобразуется всякий ВХОД, даже рисунок .ems или "
                          "двухцветное изображение: из тех оттенков серого, что в нём есть.")}};
}

}  // namespace tochkograf
