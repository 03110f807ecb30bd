#include "files/c_array/c_array_format.h"

#include "files/c_array/c_identifier.h"
#include "files/c_array/run_length.h"

namespace tochkograf {

namespace {

// The comment's lines after the first: the compression and the layout, in
// the words of the command line, which the C-array import reads back.
QString OptionLines(const CArrayOptions& options, qint64 packed) {
  const LayoutName& layout = NameOf(options.layout);
  const SetBitName& meaning = NameOf(options.set_bit);
  QString lines;
  if (options.compression == Compression::Rle)
    lines = QStringLiteral(" * Сжатие: RLE (--compress rle), байтов в массиве: %1.\n").arg(packed);
  return lines + QStringLiteral(
                     " * Раскладка: %1 (--layout %2);\n"
                     " * установленный бит — %3 (--set-bit %4). */\n")
                     .arg(layout.caption.toLower(), layout.option, meaning.caption, meaning.option);
}

QString FirstLine(const Animation& animation, int bytes) {
  if (animation.Count() == 1)
    return QStringLiteral("/* Tochkograf: рисунок %1 x %2 точек для дисплея, байтов: %3.\n")
        .arg(animation.width)
        .arg(animation.height)
        .arg(bytes);
  return QStringLiteral(
             "/* Tochkograf: анимация для дисплея, кадров: %1, каждый %2 x %3 точек,\n"
             " * байтов в кадре: %4, всего: %5.\n")
      .arg(animation.Count())
      .arg(animation.width)
      .arg(animation.height)
      .arg(bytes)
      .arg(qint64(bytes) * animation.Count());
}

// And the unpacking reads through these.
constexpr char kProgmemReading[] =
    "#ifndef pgm_read_byte\n"
    "#define pgm_read_byte(p) (*(const uint8_t *)(p))\n"
    "#endif\n"
    "#ifndef pgm_read_dword\n"
    "#define pgm_read_dword(p) (*(const uint32_t *)(p))\n"
    "#endif\n";

QByteArray Define(const QByteArray& macro, const char* what, qint64 value) {
  return "#define " + macro + what + ' ' + QByteArray::number(value) + '\n';
}

QByteArray Declaration(const char* type, const QByteArray& name, const CArrayOptions& options) {
  return QByteArray("static const ") + type + ' ' + name + "[]" +
         (options.progmem ? " PROGMEM" : "") + " = {\n";
}

QByteArray Durations(const Animation& animation, const CArrayOptions& options) {
  QList<qint64> durations;
  for (const AnimationFrame& frame : animation.frames) durations << frame.duration;
  return "\n/* Сколько миллисекунд показывать каждый кадр. */\n" +
         Declaration("uint16_t", options.name.toLatin1() + "_durations", options) +
         NumberLines(durations) + "};\n";
}

}  // namespace

QString ArrayNameFromFileName(const QString& path) {
  const QString name = CIdentifierFromFileName(path);
  return TakenCName(name) ? name + QLatin1Char('_') : name;
}

QByteArray EncodeCArray(const Picture& picture, const CArrayOptions& options, CArrayUse use) {
  return EncodeCArrayAnimation(Animation::Of(picture), options, use);
}

QByteArray EncodeCArrayAnimation(const Animation& animation, const CArrayOptions& options,
                                 CArrayUse use) {
  const QByteArray name = options.name.toLatin1();
  const QByteArray macro = name.toUpper();
  const bool packed = options.compression == Compression::Rle;
  const int bytes = DisplayByteCount(animation.width, animation.height, options.layout);
  const QList<QByteArray> frames =
      FrameBytes(animation, options.layout, options.set_bit, options.compression);
  const QList<qint64> starts = FrameStarts(frames);
  const qint64 total = starts.last() + frames.last().size();
  QByteArray text = (FirstLine(animation, bytes) + OptionLines(options, total)).toUtf8();
  if (use == CArrayUse::File) text += "#pragma once\n\n";
  text += "#include <stdint.h>\n";
  if (options.progmem) text += kProgmemLines;
  if (options.progmem && packed) text += kProgmemReading;
  text +=
      '\n' + Define(macro, "_WIDTH", animation.width) + Define(macro, "_HEIGHT", animation.height);
  if (animation.Count() > 1) text += Define(macro, "_FRAMES", animation.Count());
  text += Define(macro, "_BYTES", bytes) + '\n' + Declaration("uint8_t", name, options) +
          FrameLines(frames) + "};\n";
  if (packed)
    text += "\n/* Где в " + name + " начинается код каждого кадра. */\n" +
            Declaration("uint32_t", name + "_starts", options) + NumberLines(starts) + "};\n";
  if (animation.Count() > 1) text += Durations(animation, options);
  if (packed)
    text += UnpackFunction(
        name, options.progmem ? DataReading{"pgm_read_byte", "pgm_read_dword"} : DataReading{},
        PackingStep(animation.width, options.layout));
  return text;
}

CArraySizes SizesOf(const Animation& animation, ByteLayout layout, SetBit meaning) {
  CArraySizes sizes;
  for (const QByteArray& frame : FrameBytes(animation, layout, meaning, Compression::Rle))
    sizes.packed += frame.size();
  sizes.raw =
      qint64(DisplayByteCount(animation.width, animation.height, layout)) * animation.Count();
  return sizes;
}

}  // namespace tochkograf
