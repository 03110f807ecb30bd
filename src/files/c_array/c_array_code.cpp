#include "files/c_array/c_array_code.h"

#include "files/c_array/run_length.h"

namespace tochkograf {

namespace {

constexpr int kBytesPerLine = 16;
constexpr int kNumbersPerLine = 8;

template <typename Write>
QByteArray Lines(qsizetype count, int per_line, Write write) {
  QByteArray text;
  for (qsizetype i = 0; i < count; ++i) {
    text += i % per_line == 0 ? "    " : " ";
    write(text, i);
    if (i + 1 < count) text += ',';
    if (i % per_line == per_line - 1 || i + 1 == count) text += '\n';
  }
  return text;
}

QByteArray ByteLines(const QByteArray& bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  return Lines(bytes.size(), kBytesPerLine, [&bytes](QByteArray& text, qsizetype i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    text += "0x";
    text += kDigits[byte >> 4];
    text += kDigits[byte & 15];
  });
}

}  // namespace

// Arduino's cores for other chips give PROGMEM themselves; a compiler for
// anything else has never heard of it.
const char kProgmemLines[] =
    "#if defined(__AVR__)\n"
    "#include <avr/pgmspace.h>\n"
    "#endif\n"
    "#ifndef PROGMEM\n"
    "#define PROGMEM\n"
    "#endif\n";

QList<QByteArray> FrameBytes(const Animation& animation, ByteLayout layout, SetBit meaning,
                             Compression compression) {
  QList<QByteArray> frames;
  for (int i = 0; i < animation.Count(); ++i) {
    const QByteArray bytes = PackDisplayBytes(animation.Frame(i), layout, meaning);
    frames << (compression == Compression::Rle
                   ? PackRuns(bytes, PackingStep(animation.width, layout))
                   : bytes);
  }
  return frames;
}

QByteArray FrameLines(const QList<QByteArray>& frames) {
  if (frames.size() == 1) return ByteLines(frames.first());
  QByteArray text;
  for (qsizetype i = 0; i < frames.size(); ++i) {
    QByteArray lines = ByteLines(frames[i]);
    if (i + 1 < frames.size()) lines.insert(lines.size() - 1, ',');
    text += "    /* кадр " + QByteArray::number(i + 1) + " */\n" + lines;
  }
  return text;
}

QByteArray NumberLines(const QList<qint64>& numbers) {
  return Lines(numbers.size(), kNumbersPerLine, [&numbers](QByteArray& text, qsizetype i) {
    text += QByteArray::number(numbers[i]);
  });
}

QList<qint64> FrameStarts(const QList<QByteArray>& frames) {
  QList<qint64> starts;
  qint64 start = 0;
  for (const QByteArray& frame : frames) {
    starts << start;
    start += frame.size();
  }
  return starts;
}

QByteArray UnpackFunction(const QByteArray& name, const DataReading& reading, int step) {
  const QByteArray next = reading.byte.isEmpty() ? "*in++" : reading.byte + "(in++)";
  const QByteArray start_read = reading.dword.isEmpty()
                                    ? name + "_starts[frame]"
                                    : reading.dword + "(&" + name + "_starts[frame])";
  const QByteArray bytes = name.toUpper() + "_BYTES";
  const QByteArray order =
      step == 1 ? QByteArray(" * Байты идут подряд.")
                : " * Байты идут по столбцам байтов сверху вниз, столбцы слева направо:\n"
                  " * каждый следующий на " +
                      QByteArray::number(step) +
                      " дальше, а за концом кадра — со следующего байта\n"
                      " * первой строки.";
  return "\n/* Распаковывает кадр frame (от 0) в out: " + bytes +
         " байтов, ровно как их хранил\n"
         " * бы несжатый массив. Код кадра — куски: байт n от 0 до 127, за ним\n"
         " * n + 1 байтов как есть; байт n от 128 до 255, за ним один байт,\n"
         " * повторённый n - 126 раз.\n" +
         order +
         " */\n"
         "#if defined(__GNUC__)\n__attribute__((unused))\n#endif\n"
         "static void " +
         name + "_unpack(uint8_t frame, uint8_t *out)\n{\n    const uint8_t *in = " + name + " + " +
         start_read + ";\n    unsigned at = 0, done = 0;\n    while (done < " + bytes +
         ") {\n"
         "        const uint8_t n = " +
         next +
         ";\n"
         "        const uint8_t value = n < 128 ? 0 : " +
         next +
         ";\n"
         "        unsigned count = n < 128 ? n + 1u : n - 126u;\n"
         "        for (; count > 0 && done < " +
         bytes +
         "; --count, ++done) {\n"
         "            out[at] = n < 128 ? " +
         next + " : value;\n            at += " + QByteArray::number(step) +
         ";\n            if (at >= " + bytes + ")\n                at -= " + bytes +
         " - 1;\n        }\n    }\n}\n";
}

}  // namespace tochkograf
