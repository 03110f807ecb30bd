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
const QString kFit = QStringLiteral("fit");

struct DitheringName {
  const char* name;
  Dithering dithering;
};
constexpr DitheringName kDitheringNames[] = {
    {"none", Dithering::None}, {"floyd", Dithering::FloydSteinberg}, {"bayer", Dithering::Bayer}};

struct FramingName {
  const char* name;
  Framing framing;
};
constexpr FramingName kFramingNames[] = {{"contain", Framing::Contain}, {"cover", Framing::Cover}};

// One of `names`' words, as `option` takes it; what is wrong, or nothing.
template <typename Value, typename Name, size_t count>
QString ReadWord(const QString& option, const Name (&names)[count], Value Name::*value,
                 const QString& text, std::optional<Value>& chosen) {
  QStringList words;
  for (const Name& known : names) {
    if (text == QLatin1String(known.name)) {
      chosen = known.*value;
      return {};
    }
    words << QLatin1String(known.name);
  }
  return QStringLiteral("--%1 ждёт одно из: %2, а не %3")
      .arg(option, words.join(QStringLiteral(", ")), Quoted(text));
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

QString DisplaySizesText() {
  QStringList sizes;
  for (const QSize& size : ConversionDisplaySizes())
    sizes << QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
  return sizes.join(QStringLiteral(", "));
}

}  // namespace

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

QList<QCommandLineOption> ConversionOptionList() {
  return {QCommandLineOption(kSize, {}, QStringLiteral("WxH")),
          QCommandLineOption(kThreshold, {}, QStringLiteral("N")),
          QCommandLineOption(kDither, {}, QStringLiteral("METHOD")), QCommandLineOption(kInvert),
          QCommandLineOption(kFit, {}, QStringLiteral("HOW"))};
}

bool AnyConversionOption(const QCommandLineParser& parser) {
  for (const QString& name : {kSize, kThreshold, kDither, kInvert, kFit})
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
    problem = ReadWord(kDither, kDitheringNames, &DitheringName::dithering, parser.value(kDither),
                       options.dithering);
  if (problem.isEmpty() && parser.isSet(kFit))
    problem =
        ReadWord(kFit, kFramingNames, &FramingName::framing, parser.value(kFit), options.framing);
  options.invert = parser.isSet(kInvert);
  return problem;
}

QString MissingConversionValue(const QStringList& arguments) {
  if (arguments.isEmpty()) return {};
  for (const QString& name : {kSize, kThreshold, kDither, kFit})
    if (arguments.last() == QStringLiteral("--") + name)
      return QStringLiteral("после --%1 нужно значение").arg(name);
  return {};
}

QList<HelpItem> ConversionOptionsHelp() {
  const QString most = QStringLiteral("%1\u00a0x\u00a0%2").arg(kMaxWidth).arg(kMaxHeight);
  return {{QStringLiteral("--size ШxВ"),
           QStringLiteral("размер рисунка (по умолчанию наибольший, что вписывается в %1 с "
                          "сохранением пропорций), например размер дисплея: %2; для массива C "
                          "на входе — размер рисунка в массиве")
               .arg(most, DisplaySizesText())},
          {QStringLiteral("--threshold N"),
           QStringLiteral("порог 0..255: точки темнее него чёрные (по умолчанию его выбирает метод "
                          "Оцу)")},
          {QStringLiteral("--dither none|floyd|bayer"),
           QStringLiteral("растрирование: нет, Флойда — Стейнберга, упорядоченное "
                          "(Байер 4\u00a0x\u00a04); по умолчанию нет")},
          {QStringLiteral("--invert"), QStringLiteral("поменять чёрное и белое местами")},
          {QStringLiteral("--fit contain|cover"),
           QStringLiteral("как изображение ляжет в размер других пропорций: целиком, с белыми "
                          "полями (contain, по умолчанию), или заполнив его и обрезав края поровну "
                          "(cover)")},
          {{},
           QStringLiteral("С любым из них преобразуется всякий ВХОД, даже рисунок .ems или "
                          "двухцветное изображение: из тех оттенков серого, что в нём есть.")}};
}

}  // namespace tochkograf
