#include "files/c_array/arduino_sketch.h"

#include "files/c_array/display_bytes.h"

namespace tochkograf {

namespace {

constexpr int kPanelWidth = 128;

// Half of `value`, rounded down also below 0.
int FloorHalf(int value) { return value >= 0 ? value / 2 : -((1 - value) / 2); }

QByteArray Number(qint64 value) { return QByteArray::number(value); }

QByteArray Define(const QByteArray& macro, const char* what, qint64 value) {
  return "#define " + macro + what + ' ' + Number(value) + '\n';
}

QByteArray Head(const Animation& animation, const SketchOptions& options) {
  const QByteArray address = AddressText(options.address).toLatin1();
  QByteArray text = "/* Tochkograf: скетч Arduino для OLED-дисплея SSD1306 128 x " +
                    Number(options.panel_height) + " на шине I2C\n * (адрес " + address +
                    "). Рисунок " + Number(animation.width) + " x " + Number(animation.height) +
                    " точек стоит посередине экрана:\n"
                    " * его чёрные точки светятся, остальное темно.";
  if (animation.Count() > 1)
    text += "\n * Анимация: кадров " + Number(animation.Count()) +
            ", каждый в свою длительность, по кругу.";
  if (options.compression == Compression::Rle) text += "\n * Кадры сжаты RLE.";
  return text +
         "\n * Нужна только библиотека Wire, которая есть в каждом ядре Arduino. */\n"
         "#include <Arduino.h>\n"
         "#include <Wire.h>\n\n"
         "/* На AVR данные лежат в памяти программы (PROGMEM) и читаются через\n"
         " * pgm_read_byte; на других платах (ESP32, RP2040, STM32) это просто const. */\n"
         "#if defined(__AVR__)\n"
         "#include <avr/pgmspace.h>\n"
         "#define OLED_DATA PROGMEM\n"
         "#define oled_read(p) pgm_read_byte(p)\n"
         "#define oled_read_word(p) pgm_read_word(p)\n"
         "#define oled_read_dword(p) pgm_read_dword(p)\n"
         "#else\n"
         "#define OLED_DATA\n"
         "#define oled_read(p) (*(const uint8_t *)(p))\n"
         "#define oled_read_word(p) (*(const uint16_t *)(p))\n"
         "#define oled_read_dword(p) (*(const uint32_t *)(p))\n"
         "#endif\n\n"
         "#define OLED_ADDRESS " +
         address + "\n#define OLED_WIDTH " + Number(kPanelWidth) + "\n#define OLED_HEIGHT " +
         Number(options.panel_height) +
         "\n#define OLED_PAGES (OLED_HEIGHT / 8)\n"
         "/* Байтов в одной передаче (первый из них управляющий): столько держит\n"
         " * буфер библиотеки Wire на AVR, и не меньше на других платах. */\n"
         "#define OLED_TRANSFER 32\n\n";
}

QByteArray Frames(const Animation& animation, const SketchOptions& options) {
  const QByteArray name = options.name.toLatin1();
  const QByteArray macro = name.toUpper();
  const bool packed = options.compression == Compression::Rle;
  const QList<QByteArray> frames =
      FrameBytes(animation, ByteLayout::PagesLsbTop, SetBit::Ink, options.compression);
  QByteArray text =
      Define(macro, "_WIDTH", animation.width) + Define(macro, "_HEIGHT", animation.height);
  if (animation.Count() > 1) text += Define(macro, "_FRAMES", animation.Count());
  text += Define(macro, "_BYTES",
                 DisplayByteCount(animation.width, animation.height, ByteLayout::PagesLsbTop)) +
          "/* Поля слева и сверху: (" + Number(kPanelWidth) + " - " + Number(animation.width) +
          ") / 2 и (" + Number(options.panel_height) + " - " + Number(animation.height) +
          ") / 2,\n * с округлением вниз. */\n" +
          Define(macro, "_LEFT", FloorHalf(kPanelWidth - animation.width)) +
          Define(macro, "_TOP", FloorHalf(options.panel_height - animation.height)) +
          "\n/* Точка (x, y) кадра — бит y % 8 байта x + (y / 8) * " + macro +
          "_WIDTH;\n * установленный бит светится" +
          (packed ? QByteArray(". Каждый кадр сжат RLE (см. ") + name + "_unpack)." : ".") +
          " */\nstatic const uint8_t " + name + "[] OLED_DATA = {\n" + FrameLines(frames) + "};\n";
  if (packed)
    text += "\n/* Где в " + name + " начинается код каждого кадра. */\nstatic const uint32_t " +
            name + "_starts[] OLED_DATA = {\n" + NumberLines(FrameStarts(frames)) + "};\n";
  if (animation.Count() > 1) {
    QList<qint64> durations;
    for (const AnimationFrame& frame : animation.frames) durations << frame.duration;
    text += "\n/* Сколько миллисекунд показывать каждый кадр. */\nstatic const uint16_t " + name +
            "_durations[] OLED_DATA = {\n" + NumberLines(durations) + "};\n";
  }
  if (packed)
    text += UnpackFunction(name, {"oled_read", "oled_read_dword"}, 1) +
            "\n/* Кадр, распакованный для показа. */\nstatic uint8_t oled_frame[" + macro +
            "_BYTES];\n";
  return text;
}

// The controller's set-up, as its datasheet gives it for a module with
// the charge pump.
QByteArray Controller(const SketchOptions& options) {
  const QByteArray pins = options.panel_height == 64 ? "0x12" : "0x02";
  return "\n/* Включение контроллера, как в описании SSD1306. */\n"
         "static const uint8_t oled_commands[] OLED_DATA = {\n"
         "    0xAE,                   /* дисплей выключен */\n"
         "    0xD5, 0x80,             /* частота кадров */\n"
         "    0xA8, OLED_HEIGHT - 1,  /* строк на экране */\n"
         "    0xD3, 0x00,             /* без смещения */\n"
         "    0x40,                   /* первая строка памяти — 0 */\n"
         "    0x8D, 0x14,             /* преобразователь напряжения (charge pump) включён */\n"
         "    0x20, 0x00,             /* горизонтальная адресация */\n"
         "    0xA1,                   /* столбец 0 справа от SEG127: обычная ориентация модуля */\n"
         "    0xC8,                   /* строки COM снизу вверх: тоже */\n"
         "    0xDA, " +
         pins +
         ",             /* выводы COM */\n"
         "    0x81, 0xCF,             /* контраст */\n"
         "    0xD9, 0xF1,             /* предзаряд */\n"
         "    0xDB, 0x40,             /* уровень VCOMH */\n"
         "    0xA4,                   /* показывать память */\n"
         "    0xA6,                   /* установленный бит светится */\n"
         "    0x2E,                   /* без прокрутки */\n"
         "    0xAF                    /* дисплей включён */\n"
         "};\n\n"
         "/* Весь экран: столбцы 0..127, страницы 0..OLED_PAGES - 1. */\n"
         "static const uint8_t oled_whole[] OLED_DATA = {\n"
         "    0x21, 0, OLED_WIDTH - 1, 0x22, 0, OLED_PAGES - 1\n"
         "};\n\n"
         "/* Посылает команды из памяти программы одной передачей. */\n"
         "static void oled_send(const uint8_t *commands, uint8_t count)\n"
         "{\n"
         "    uint8_t i;\n"
         "    Wire.beginTransmission(OLED_ADDRESS);\n"
         "    Wire.write((uint8_t)0x00);\n"
         "    for (i = 0; i < count; ++i)\n"
         "        Wire.write(oled_read(commands + i));\n"
         "    Wire.endTransmission();\n"
         "}\n";
}

QByteArray Drawing(const SketchOptions& options) {
  const QByteArray macro = options.name.toLatin1().toUpper();
  const bool packed = options.compression == Compression::Rle;
  const QByteArray byte = "frame + column + (y / 8) * " + macro + "_WIDTH";
  return "\n/* Байт столбца x страницы page экрана: точки кадра, сдвинутого на поля. */\n"
         "static uint8_t oled_column(const uint8_t *frame, int x, int page)\n"
         "{\n"
         "    const int column = x - " +
         macro +
         "_LEFT;\n"
         "    uint8_t bits = 0, bit;\n"
         "    if (column < 0 || column >= " +
         macro +
         "_WIDTH)\n"
         "        return 0;\n"
         "    for (bit = 0; bit < 8; ++bit) {\n"
         "        const int y = page * 8 + bit - " +
         macro + "_TOP;\n        if (y >= 0 && y < " + macro + "_HEIGHT && ((" +
         (packed ? "*(" + byte + ")" : "oled_read(" + byte + ")") +
         ") >> (y % 8) & 1))\n"
         "            bits |= (uint8_t)(1u << bit);\n"
         "    }\n"
         "    return bits;\n"
         "}\n\n"
         "/* Рисует кадр на весь экран. */\n"
         "static void oled_draw(const uint8_t *frame)\n"
         "{\n"
         "    int page, x;\n"
         "    uint8_t in_transfer = 0;\n"
         "    oled_send(oled_whole, sizeof oled_whole);\n"
         "    for (page = 0; page < OLED_PAGES; ++page)\n"
         "        for (x = 0; x < OLED_WIDTH; ++x) {\n"
         "            if (in_transfer == 0) {\n"
         "                Wire.beginTransmission(OLED_ADDRESS);\n"
         "                Wire.write((uint8_t)0x40);\n"
         "            }\n"
         "            Wire.write(oled_column(frame, x, page));\n"
         "            if (++in_transfer == OLED_TRANSFER - 1) {\n"
         "                Wire.endTransmission();\n"
         "                in_transfer = 0;\n"
         "            }\n"
         "        }\n"
         "    if (in_transfer > 0)\n"
         "        Wire.endTransmission();\n"
         "}\n";
}

// Draws frame `frame` (an expression) of the array.
QByteArray Show(const SketchOptions& options, const QByteArray& frame) {
  const QByteArray name = options.name.toLatin1();
  if (options.compression == Compression::Rle)
    return "    " + name + "_unpack(" + frame + ", oled_frame);\n    oled_draw(oled_frame);\n";
  if (frame == "0") return "    oled_draw(" + name + ");\n";
  return "    oled_draw(" + name + " + (size_t)" + frame + " * " + name.toUpper() + "_BYTES);\n";
}

constexpr char kStart[] =
    "\nvoid setup()\n"
    "{\n"
    "    Wire.begin();\n"
    "    Wire.setClock(400000);\n"
    "    oled_send(oled_commands, sizeof oled_commands);\n";

QByteArray Still(const SketchOptions& options) {
  return kStart + Show(options, "0") + "}\n\nvoid loop()\n{\n}\n";
}

QByteArray Playing(const SketchOptions& options) {
  const QByteArray name = options.name.toLatin1();
  const QByteArray due_after =
      "    oled_due += oled_read_word(&" + name + "_durations[oled_shown]);\n";
  return "\n/* Кадр на экране и когда придёт срок следующего, по millis(). */\n"
         "static uint8_t oled_shown;\n"
         "static unsigned long oled_due;\n" +
         QByteArray(kStart) + "    oled_due = millis();\n" + Show(options, "0") + due_after +
         "}\n\n"
         "/* Сроки кадров отсчитываются от первого, так что время передачи\n"
         " * не накапливается. */\n"
         "void loop()\n"
         "{\n"
         "    if ((long)(millis() - oled_due) < 0)\n"
         "        return;\n"
         "    oled_shown = (uint8_t)((oled_shown + 1) % " +
         name.toUpper() + "_FRAMES);\n" + Show(options, "oled_shown") + due_after + "}\n";
}

}  // namespace

const QList<int>& SketchAddresses() {
  static const QList<int> addresses = {0x3C, 0x3D};
  return addresses;
}

const QList<int>& PanelHeights() {
  static const QList<int> heights = {64, 32};
  return heights;
}

QString AddressText(int address) {
  return QStringLiteral("0x") + QString::number(address, 16).toUpper();
}

QByteArray EncodeArduinoSketch(const Animation& animation, const SketchOptions& options) {
  return Head(animation, options) + Frames(animation, options) + Controller(options) +
         Drawing(options) + (animation.Count() > 1 ? Playing(options) : Still(options));
}

}  // namespace tochkograf
