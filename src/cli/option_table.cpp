#include "cli/option_table.h"

#include "cli/command_line.h"
#include "cli/font_export_command.h"
#include "cli/phone_options.h"
#include "files/c_array/display_bytes.h"
#include "files/fonts/font_loading.h"
#include "files/status_texts.h"

namespace tochkograf {

namespace {

// A value the command line names by a word.
template <typename Value>
struct Word {
  QString word;
  Value value;
};

const QList<Word<Dithering>>& Ditherings() {
  static const QList<Word<Dithering>> words = {{QStringLiteral("none"), Dithering::None},
                                               {QStringLiteral("floyd"), Dithering::FloydSteinberg},
                                               {QStringLiteral("bayer"), Dithering::Bayer}};
  return words;
}

const QList<Word<Framing>>& Framings() {
  static const QList<Word<Framing>> words = {{QStringLiteral("contain"), Framing::Contain},
                                             {QStringLiteral("cover"), Framing::Cover}};
  return words;
}

const QList<Word<Compression>>& Compressions() {
  static const QList<Word<Compression>> words = {{QStringLiteral("none"), Compression::None},
                                                 {QStringLiteral("rle"), Compression::Rle}};
  return words;
}

template <typename Row>
QStringList Words(const QList<Row>& rows, QString Row::*word) {
  QStringList words;
  for (const Row& row : rows) words << row.*word;
  return words;
}

template <typename Row, typename Spell>
QStringList Words(const QList<Row>& rows, Spell spell) {
  QStringList words;
  for (const Row& row : rows) words << spell(row);
  return words;
}

QString DisplaySizesText() {
  QStringList sizes;
  for (const QSize& size : ConversionDisplaySizes())
    sizes << QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
  return sizes.join(QStringLiteral(", "));
}

// What --kind sends: each kind, with the size it takes.
QString KindsHelp() {
  QStringList kinds;
  for (const SmsKindRow& kind : SmsKinds()) {
    QString sent = kind.to_send;
    if (kind.kind == SmsOptions{}.kind) sent += QStringLiteral(" (по умолчанию)");
    if (kind.size.isValid())
      sent += QStringLiteral(" (%1)").arg(SizeText(kind.size.width(), kind.size.height()));
    kinds << sent;
  }
  return QStringLiteral("что отправить: ") + kinds.join(QStringLiteral(", "));
}

QString LayoutsHelp() {
  QStringList layouts;
  for (const LayoutName& name : LayoutNames())
    layouts << QStringLiteral("%1 — %2").arg(name.option, name.caption.toLower());
  return QStringLiteral("раскладка байтов массива C (.h) для дисплея: %1; по умолчанию %2")
      .arg(layouts.join(QStringLiteral("; ")), LayoutNames().first().option);
}

QList<OptionRow> Rows() {
  const QStringList ditherings = Words(Ditherings(), &Word<Dithering>::word);
  const QStringList framings = Words(Framings(), &Word<Framing>::word);
  const QStringList set_bits = Words(SetBitNames(), &SetBitName::option);
  const QStringList compressions = Words(Compressions(), &Word<Compression>::word);
  const QStringList addresses = Words(SketchAddresses(), AddressText);
  const QStringList heights =
      Words(PanelHeights(), [](int height) { return QString::number(height); });
  return {
      // First, so that its refusal comes before those of the others.
      {.name = QStringLiteral("strip"),
       .group = OptionGroup::Frames,
       .read =
           [](const QString&, qsizetype, CommandLine& command) {
             command.strip = true;
             return QString();
           },
       .scope = kFrameStrips,
       .help = QStringLiteral("записать в ВЫХОД .png все кадры анимации рядом, слева направо, "
                              "одной лентой; без него .png получает первый кадр")},
      {.name = QStringLiteral("size"),
       .group = OptionGroup::Conversion,
       .value = QStringLiteral("ШxВ"),
       .read =
           [](const QString& value, qsizetype, CommandLine& command) {
             if (command.action == Action::FontExport)
               return ReadFontPixels(value, command.font_pixels);
             return ReadSize(value, command.options.size);
           },
       .help = QStringLiteral("размер рисунка (по умолчанию наибольший, что вписывается в %1 с "
                              "сохранением пропорций), например размер дисплея: %2; для массива "
                              "C на входе — размер рисунка в массиве; с --font-export — высота "
                              "строки масштабируемого шрифта в точках, %3..%4 (по умолчанию %5)")
                   .arg(SizeText(kMaxWidth, kMaxHeight), DisplaySizesText())
                   .arg(kSmallestFontPixels)
                   .arg(kLargestFontPixels)
                   .arg(kDefaultFontPixels),
       .font_export = true},
      {.name = QStringLiteral("threshold"),
       .group = OptionGroup::Conversion,
       .value = QStringLiteral("N"),
       .read = [](const QString& value, qsizetype,
                  CommandLine& command) { return ReadThreshold(value, command.options.threshold); },
       .help = QStringLiteral("порог 0..255: точки темнее него чёрные (по умолчанию его выбирает "
                              "метод Оцу)")},
      {.name = QStringLiteral("dither"),
       .group = OptionGroup::Conversion,
       .value = ditherings.join(u'|'),
       .words = ditherings,
       .read =
           [](const QString&, qsizetype word, CommandLine& command) {
             command.options.dithering = Ditherings()[word].value;
             return QString();
           },
       .help = QStringLiteral("растрирование: нет, Флойда — Стейнберга, упорядоченное "
                              "(Байер 4\u00a0x\u00a04); по умолчанию нет")},
      {.name = QStringLiteral("invert"),
       .group = OptionGroup::Conversion,
       .read =
           [](const QString&, qsizetype, CommandLine& command) {
             command.options.invert = true;
             return QString();
           },
       .help = QStringLiteral("поменять чёрное и белое местами")},
      {.name = QStringLiteral("fit"),
       .group = OptionGroup::Conversion,
       .value = framings.join(u'|'),
       .words = framings,
       .read =
           [](const QString&, qsizetype word, CommandLine& command) {
             command.options.framing = Framings()[word].value;
             return QString();
           },
       .help = QStringLiteral("как изображение ляжет в размер других пропорций: целиком, с "
                              "белыми полями (contain, по умолчанию), или заполнив его и обрезав "
                              "края поровну (cover)")},
      {.name = QStringLiteral("to"),
       .group = OptionGroup::Phone,
       .value = QStringLiteral("НОМЕР"),
       .read =
           [](const QString& value, qsizetype, CommandLine& command) {
             return ReadRecipient(value, command.phone.sms.recipient);
           },
       .scope = kMessages,
       .needed = true,
       .help = QStringLiteral("номер получателя: международный с «+» (+79161234567) или из цифр; "
                              "между цифрами можно пробелы, дефисы, точки и скобки "
                              "(«+7 (916) 123-45-67»)")},
      {.name = QStringLiteral("text"),
       .group = OptionGroup::Phone,
       .value = QStringLiteral("ТЕКСТ"),
       .read =
           [](const QString& value, qsizetype, CommandLine& command) {
             command.phone.sms.text = value;
             return QString();
           },
       .scope = kMessagesWithText,
       .help = QStringLiteral("текст сообщения после рисунка EMS или картинки-сообщения")},
      {.name = QStringLiteral("kind"),
       .group = OptionGroup::Phone,
       .value = QStringLiteral("ВИД"),
       .words = Words(SmsKinds(), &SmsKindRow::word),
       .read =
           [](const QString&, qsizetype word, CommandLine& command) {
             command.phone.sms.kind = SmsKinds()[word].kind;
             return QString();
           },
       .scope = kMessages,
       .term = QStringLiteral("--kind ") + Words(SmsKinds(), &SmsKindRow::word).join(u'|'),
       .help = KindsHelp()},
      {.name = QStringLiteral("network"),
       .group = OptionGroup::Phone,
       .value = QStringLiteral("MCC-MNC"),
       .read = [](const QString& value, qsizetype,
                  CommandLine& command) { return ReadNetwork(value, command.phone.network); },
       .scope = kNetworks,
       .help = QStringLiteral("код сети логотипа оператора, MNC из двух или трёх цифр (например "
                              "250-01 или 310-260): для --kind operator и для ВЫХОДА .nol")},
      {.name = QStringLiteral("layout"),
       .group = OptionGroup::DisplayArray,
       .value = QStringLiteral("РАСКЛАДКА"),
       .words = Words(LayoutNames(), &LayoutName::option),
       .read =
           [](const QString&, qsizetype word, CommandLine& command) {
             command.display.layout = LayoutNames()[word].layout;
             return QString();
           },
       .scope = kArraysWrittenOrRead,
       .help = LayoutsHelp()},
      {.name = QStringLiteral("set-bit"),
       .group = OptionGroup::DisplayArray,
       .value = set_bits.join(u'|'),
       .words = set_bits,
       .read =
           [](const QString&, qsizetype word, CommandLine& command) {
             command.display.set_bit = SetBitNames()[word].meaning;
             return QString();
           },
       .scope = kArraysWrittenOrRead,
       .help = QStringLiteral("что значит установленный бит массива: чёрную точку (ink, по "
                              "умолчанию) или белую (paper)")},
      {.name = QStringLiteral("device"),
       .group = OptionGroup::Modem,
       .value = QStringLiteral("ПОРТ"),
       .read =
           [](const QString& value, qsizetype, CommandLine& command) {
             command.device.name = value;
             return QString();
           },
       .scope = kSending,
       .needed = true,
       .help = QStringLiteral("последовательный порт GSM-модема: /dev/ttyUSB0 или ttyUSB0 (модем "
                              "USB), /dev/ttyACM0, /dev/rfcomm0 (Bluetooth)")},
      {.name = QStringLiteral("speed"),
       .group = OptionGroup::Modem,
       .value = QStringLiteral("СКОРОСТЬ"),
       .read = [](const QString& value, qsizetype,
                  CommandLine& command) { return ReadSpeed(value, command.device.speed); },
       .scope = kSending,
       .help = QStringLiteral("скорость порта в бит/с (по умолчанию %1); 8 бит данных, без "
                              "чётности, 1 стоповый бит, без управления потоком")
                   .arg(kDefaultModemSpeed)},
      {.name = QStringLiteral("progmem"),
       .group = OptionGroup::DisplayArray,
       .read =
           [](const QString&, qsizetype, CommandLine& command) {
             command.display.progmem = true;
             return QString();
           },
       .scope = kArraysWritten,
       .help = QStringLiteral("объявить записываемый массив с PROGMEM, в памяти программы "
                              "(Arduino)")},
      // The Arduino sketch's, and the compression both it and the array take.
      {.name = QStringLiteral("compress"),
       .group = OptionGroup::DisplayArray,
       .value = compressions.join(u'|'),
       .words = compressions,
       .read =
           [](const QString&, qsizetype word, CommandLine& command) {
             command.display.compression = Compressions()[word].value;
             return QString();
           },
       .scope = kArraysOrSketches,
       .help = QStringLiteral("сжать кадры массива кодом RLE (rle) — вместе с функцией "
                              "name_unpack, которая распаковывает кадр, — или нет (none, по "
                              "умолчанию)")},
      {.name = QStringLiteral("address"),
       .group = OptionGroup::Sketch,
       .value = addresses.join(u'|'),
       .read =
           [](const QString& value, qsizetype, CommandLine& command) {
             for (const int address : SketchAddresses())
               if (value.compare(AddressText(address), Qt::CaseInsensitive) == 0) {
                 command.display.address = address;
                 return QString();
               }
             return QStringLiteral("--address ждёт одно из: %1, а не %2")
                 .arg(Words(SketchAddresses(), AddressText).join(QStringLiteral(", ")),
                      Quoted(value));
           },
       .scope = kSketches,
       .help = QStringLiteral("адрес дисплея на шине I2C (по умолчанию 0x3C)")},
      {.name = QStringLiteral("height"),
       .group = OptionGroup::Sketch,
       .value = heights.join(u'|'),
       .words = heights,
       .read =
           [](const QString&, qsizetype word, CommandLine& command) {
             command.display.panel_height = PanelHeights()[word];
             return QString();
           },
       .scope = kSketches,
       .help = QStringLiteral("высота экрана: 64 точки (по умолчанию) или 32 (дисплей "
                              "128\u00a0x\u00a032)")},
      {.name = QStringLiteral("receive"),
       .group = OptionGroup::Command,
       .read =
           [](const QString&, qsizetype, CommandLine& command) {
             command.action = Action::Receive;
             return QString();
           },
       .help = QStringLiteral(
           "достать рисунки из принятых SMS, без окна: ИСТОЧНИК — порт GSM-модема "
           "(/dev/ttyUSB0; читаются все сохранённые в нём сообщения, ничего не удаляется), "
           "резервная копия SMS gammu "
           "(.smsbackup), папка входящих gammu-smsd в формате detail (файл на сообщение или "
           "его часть), файл AT-команд .at этой программы или текст по одному PDU "
           "(SMS-DELIVER или SMS-SUBMIT, с адресом SMS-центра или без него) в "
           "шестнадцатеричной записи на строке. Части длинных "
           "сообщений собираются; каждый рисунок EMS, анимация EMS, логотип оператора, картинка "
           "группы и картинка-сообщение Nokia записывается в ПАПКУ (её создаст, если нет) "
           "файлом .ems (анимация — со всеми кадрами) с новым именем вида "
           "from-79161234567-1.ems, никогда не заменяя файлы, что там уже есть; о каждом "
           "выводится строка: файл, вид, размер, кадры, отправитель, время, текст. "
           "Повреждённые сообщения и недостающие части пропускаются с замечанием"),
       .operands = {QStringLiteral("ИСТОЧНИК"), QStringLiteral("ПАПКА")}},
      {.name = QStringLiteral("chars"),
       .group = OptionGroup::FontExport,
       .value = QStringLiteral("СПИСОК"),
       .read =
           [](const QString& value, qsizetype, CommandLine& command) {
             command.chars = value;
             return QString();
           },
       .help = QStringLiteral("какие символы записать: коды и диапазоны кодов через запятую, "
                              "десятичные или U+XXXX, например «32-126, U+0410-U+044F, 1025» "
                              "(по умолчанию %1)")
                   .arg(kDefaultFontChars),
       .font_export = true},
      {.name = QStringLiteral("font-export"),
       .group = OptionGroup::Command,
       .read =
           [](const QString&, qsizetype, CommandLine& command) {
             command.action = Action::FontExport;
             return QString();
           },
       .term = QStringLiteral("--font-export ШРИФТ ВЫХОД [--size\u00a0ПИКСЕЛИ] "
                              "[--chars\u00a0СПИСОК]"),
       .help = QStringLiteral(
           "записать шрифт для дисплея, без окна: ШРИФТ — файл шрифта (BDF, PCF, в том числе "
           "сжатый .pcf.gz, TTF или OTF) или имя семейства установленного шрифта («DejaVu "
           "Sans»); ВЫХОД .h — шрифт библиотеки Adafruit GFX (GFXfont, символы после 0x7E на "
           "кодах Windows-1251, строки печатаются в этой кодировке), ВЫХОД .bdf — шрифт BDF с "
           "кодами Юникода. Масштабируемый шрифт рисуется без сглаживания с высотой строки "
           "--size; у растрового свой размер, и --size, если указан, должен с ним совпадать. "
           "Символы, которых в шрифте нет, пропускаются с замечанием; если нет ни одного, "
           "файл не записывается"),
       .operands = {QStringLiteral("ШРИФТ"), QStringLiteral("ВЫХОД")},
       .font_export = true},
  };
}

}  // namespace

const QList<OptionRow>& OptionTable() {
  static const QList<OptionRow> rows = Rows();
  return rows;
}

const QList<OptionGroupRow>& OptionGroups() {
  static const QList<OptionGroupRow> groups = {
      {.group = OptionGroup::Conversion,
       .after = QStringLiteral("С любым из них преобразуется всякий ВХОД, даже рисунок .ems или "
                               "двухцветное изображение: из тех оттенков серого, что в нём есть.")},
      {.group = OptionGroup::Phone,
       .before = QStringLiteral("ВЫХОД .at — сообщения SMS для GSM-модема (AT-команды режима "
                                "PDU), а --send отправляет те же сообщения через модем; для них "
                                "нужен номер получателя:")},
      {.group = OptionGroup::DisplayArray,
       .after = QStringLiteral("Массив C на входе (.h, .c, .ino, .txt) читается как первый массив "
                               "байтов в тексте; чего не указано, угадывается, как в диалоге "
                               "импорта массива C: размер из определений _WIDTH и _HEIGHT или из "
                               "комментария рядом, иначе по числу байтов.")},
      {.group = OptionGroup::Sketch,
       .before = QStringLiteral(
           "ВЫХОД .ino — скетч Arduino для OLED-дисплея SSD1306 128\u00a0x\u00a064 на шине "
           "I2C, которому нужна только библиотека Wire: рисунок посередине экрана, анимация по "
           "кругу, каждый кадр в свою длительность:"),
       .send = false},
      {.group = OptionGroup::Modem,
       .before = QStringLiteral("--send ВХОД отправляет рисунок через GSM-модем: печатает строку "
                                "о каждом отправленном сообщении («SMS 1 из 3 отправлено»), а если "
                                "модем отказал, не ответил за 10 с или порт не открылся, — "
                                "причину; сообщения с модема не удаляются."),
       .convert = false},
      {.group = OptionGroup::Frames,
       .after = QStringLiteral("Анимацию (рисунок .ems из нескольких кадров) целиком, каждый кадр "
                               "со своей длительностью, пишут анимация GIF (.gif, повторяется без "
                               "конца), лента кадров (--strip), массив C (.h: кадр за кадром в "
                               "одном массиве, NAME_FRAMES и длительности в массиве "
                               "name_durations) и скетч Arduino (.ino); любой другой тип "
                               "получает первый кадр."),
       .send = false},
      {.group = OptionGroup::FontExport,
       .before = QStringLiteral("С --font-export (о нём ниже) действуют --size и этот параметр:"),
       .convert = false,
       .send = false,
       .font_export = true},
  };
  return groups;
}

}  // namespace tochkograf
