#include "windows/dialogs/help_text.h"

#include <QKeySequence>
#include <array>

#include "cli/help_text.h"
#include "files/c_array/display_bytes.h"
#include "files/formats/phone_sizes.h"
#include "images/file_formats.h"
#include "picture/frame.h"
#include "picture/picture.h"
#include "version.h"

namespace tochkograf {

namespace {

struct Piece {
  const char* text;
  int line_breaks;  // after the piece; 0 runs on into the next piece
};

// Pieces with no break after them run on into one paragraph; three leading
// spaces start an indented one.
constexpr std::array<Piece, 22> kPieces = {{
    {"Tochkograf.", 2},
    {"Версия " TOCHKOGRAF_VERSION " (и наверное последняя).", 2},
    {"Авторы: разработчики Tochkograf, декабрь 2026 года.", 2},
    {"   Программа предназначена для создания и редактирования EMS-рисунков (рисунков, "
     "предназначенных для мобильных телефонов). ",
     0},
    {"Данные рисунки настолько малы, что их можно отправлять в SMS-сообщениях. ", 0},
    {"Стандартными размерами для таких рисунков являются 16x16, 24x26, 32x32, 72x14, но в "
     "программе можно изменять размеры и по собственному желанию, максимальный размер 128x96. ",
     0},
    {"Однако не все телефоны могут отправлять и принимать рисунки не стандартного размера.", 1},
    {"   Редактирование рисунка производиться всего двумя клавишами: левой и правой кнопками "
     "мыши. ",
     0},
    {"Есть возможность скролла, осуществляется нажатием стрелок на цифровой клавиатуре (цифр). ",
     0},
    {"Для удобства можно включать и выключать сетку, разделяющую пикселы (Ctrl+G).", 1},
    {"   В программе есть возможность импорта изображения с BMP-файлов. ", 2},
    {"История версий.", 2},
    {"Версия " TOCHKOGRAF_VERSION, 1},
    {"1. Появилась панель управления, которая намного улучшила жизнь.", 1},
    {"2. Улучшенный внешний вид. Теперь моя программа не выглядит такой примитивной. :-)", 1},
    {"3. Появилось простейшее редактирование: отмена, вырезание, копирование и вставка.", 1},
    {"4. Устранена ошибка, которая возникала при ведении линий за пределы рисунка (так и "
     "невозможность  рисовать нижнюю часть у вертикально расположенных рисунков).",
     1},
    {"5. Имя текущего файла теперь пишется в заголовке программы.", 1},
    {"6. Устранена ошибка, возникающая при отмене открытия файла.", 2},
    {"Версия 1.0", 1},
    {"1. Появилась на свет.", 2},
    {"P.S. Небо и точечные буквы заставки нарисованы по точкам, как и сами EMS-рисунки.", 2},
}};

const QString kLineBreak = QStringLiteral("\r\n");

// A section of what has come since, in the style of the text before it: a
// title line, then paragraphs that start with three spaces.
QString Section(const QString& title, const QStringList& paragraphs) {
  QString section = title + kLineBreak;
  for (const QString& paragraph : paragraphs)
    section += QStringLiteral("   ") + paragraph + kLineBreak;
  return section;
}

QString Size(QSize size) { return QStringLiteral("%1x%2").arg(size.width()).arg(size.height()); }

// The types of the file table that `wanted` picks, as the command line's
// help names them: ".png (PNG), .gif (Анимация GIF)...".
QString Types(FormatTest wanted) {
  QStringList types;
  for (const FileFormat* format : Where(BuiltInFormats(), wanted))
    types << QStringLiteral(".%1 (%2)")
                 .arg(format->extensions.join(QStringLiteral(", .")), format->name);
  return types.join(QStringLiteral(", "));
}

QString DrawingSection() {
  return Section(
      QStringLiteral("Рисование."),
      {QStringLiteral(
           "Инструменты выбираются в меню «Рисование», кнопками панели или клавишами: Карандаш "
           "(P), Линия (L), Прямоугольник (R), Закрашенный прямоугольник (Shift+R), Эллипс (E), "
           "Закрашенный эллипс (Shift+E), Заливка (F), Текст (T) и Выделение (S). Левая кнопка "
           "мыши рисует "
           "чёрным, правая — белым. Линия, прямоугольник и эллипс тянутся от клетки, где кнопка "
           "нажата, до клетки, где она отпущена; с Shift линия идёт под углом 0, 45 или 90 "
           "градусов, прямоугольник становится квадратом, а эллипс — кругом; Esc или другая "
           "кнопка мыши оставляют рисунок как был. Заливка закрашивает область одного цвета вокруг "
           "клетки, Текст спрашивает строку и шрифт и пишет её от клетки, по "
           "которой щёлкнули. Выделение отмечает прямоугольник клеток пунктиром (Ctrl+A — весь "
           "рисунок); перетащенные мышью или стрелками, его клетки плывут над рисунком и ложатся "
           "на него по Enter или щелчку вне выделения, Esc возвращает их на место. Delete "
           "очищает выделенное, а отражения, поворот, инверсия и скроллы действуют только на "
           "него. Ctrl+X, Ctrl+C и Ctrl+V с выделением вырезают, копируют и вставляют его "
           "клетки: вставленные плывут там, откуда их скопировали."),
       QStringLiteral(
           "Ctrl+Z отменяет последнее действие, повторное нажатие возвращает его. "
           "«История правок...» (Ctrl+H) показывает последние сто шагов и возвращает рисунок "
           "к любому из них. В меню "
           "«Редактирование» рисунок ещё отражается, поворачивается на 180° и инвертируется, "
           "копируется в буфер обмена как изображение (Ctrl+Shift+C) или как код C и вставляется "
           "из него как изображение (Ctrl+Shift+V). Файл, брошенный на окно, открывается или "
           "импортируется.")});
}

QString FramesSection() {
  return Section(
      QStringLiteral("Кадры и воспроизведение."),
      {QStringLiteral(
           "Рисунок может состоять из нескольких кадров одного размера, не больше %1, у каждого "
           "своя длительность, от %2 до %3 мс. Меню «Кадры» добавляет после текущего кадра его "
           "копию («Новый кадр»), «Пустой кадр» или содержимое буфера обмена («Вставить как новый "
           "кадр»), удаляет кадр («Удалить кадр») и передвигает "
           "его («Кадр влево», «Кадр вправо»); %4 и %5 переходят к предыдущему и следующему "
           "кадру, «Длительность кадра...» задаёт время его показа. «Калька» показывает "
           "предыдущий кадр светло-серым под текущим. «Воспроизвести» (F5) проигрывает кадры в "
           "окне, пока не нажаты F5 или Esc или не сделан щелчок по рисунку. Файл .ems хранит все "
           "кадры. «Вид» → «Как на дисплее...» показывает рисунок, пока он рисуется, и его кадры "
           "(«Играть») так, как их покажет выбранный дисплей или телефон: в настоящую величину "
           "или увеличенными.")
           .arg(kMaxFrames)
           .arg(kShortestFrame)
           .arg(kLongestFrame)
           // As the menu names the keys.
           .arg(QKeySequence(Qt::Key_PageUp).toString(),
                QKeySequence(Qt::Key_PageDown).toString())});
}

QString FilesSection() {
  return Section(
      QStringLiteral("Импорт и экспорт."),
      {QStringLiteral(
           "«Импорт изображения...» читает файлы %1, а также изображения любых типов, которые "
           "читает Qt (JPEG, GIF, значки...). Изображение в два цвета не больше %2 входит как "
           "есть, любое другое преобразуется в диалоге с предварительным просмотром: размер, "
           "порог, растрирование и инверсия. Анимация GIF входит со всеми кадрами.")
           .arg(Types(ImportedAsImage), Size({kMaxWidth, kMaxHeight})),
       QStringLiteral("«Экспорт...» записывает рисунок в файлы %1. Все кадры пишут %2, остальные "
                      "типы — текущий кадр.")
           .arg(Types(Exported), Types([](const FileFormat& format) {
                  return format.exported && format.every_frame;
                }))});
}

QString PhonesSection() {
  return Section(
      QStringLiteral("SMS и файлы телефонов."),
      {QStringLiteral(
           "Экспорт «SMS для модема, AT-команды» записывает сообщения, которые отправляют рисунок "
           "на телефон через GSM-модем. Диалог «SMS» спрашивает номер получателя, необязательный "
           "текст и что отправить: рисунок EMS (любой, и анимацию), логотип оператора Nokia (%1, "
           "с кодом сети MCC и MNC), картинку группы Nokia (%1) или картинку-сообщение Nokia "
           "(%2), — и показывает, сколько сообщений получится. Экспорт «Элемент EMS для SMS, "
           "шестнадцатеричный» записывает сам элемент EMS строкой шестнадцатеричных цифр.")
           .arg(Size(kNokiaLogo), Size(kNokiaPicture)),
       QStringLiteral(
           "«Отправить на телефон...» отправляет те же сообщения сразу через GSM-модем: диалог "
           "«SMS» спрашивает ещё порт модема и скорость, а окно отправки показывает, как она "
           "идёт; «Отмена» останавливает её перед следующим сообщением. «Принять с телефона...» "
           "читает сообщения, сохранённые в модеме (ничего в нём не удаляя), или файл с ними: "
           "резервную копию SMS gammu, файл .at или текст PDU. Окно показывает каждый найденный "
           "рисунок с отправителем, временем, видом и текстом; Enter или «Открыть» открывает "
           "выбранный (анимацию со всеми кадрами), и Ctrl+Z возвращает прежний рисунок."),
       QStringLiteral(
           "Файлы программ для телефонов Nokia (.nol, .ngg, .nlm, .nsl) и WAP-рисунки .wbmp "
           "читаются импортом изображения и записываются экспортом. Файлы Nokia принимают только "
           "свои размеры: логотип оператора (.nol) — %1 или %2, картинка группы (.ngg) — %1, "
           "заставка (.nsl) — %3, файл .nlm — любой из них или картинку-сообщение %4.")
           .arg(Size(kNokiaLogo), Size(kNokiaLargeLogo), Size(kNokiaStartupLogo),
                Size(kNokiaPicture))});
}

QString CArraysSection() {
  QStringList layouts;
  for (const LayoutName& name : LayoutNames()) layouts << QStringLiteral("«%1»").arg(name.caption);
  return Section(
      QStringLiteral("Массивы C."),
      {QStringLiteral(
           "Для дисплеев микроконтроллеров рисунок записывается массивом байтов на языке C "
           "(экспорт «Массив C для дисплея»). Диалог «Массив C» спрашивает раскладку байтов (%1), "
           "что значит установленный бит, имя массива, нужен ли PROGMEM и сжатие (нет или RLE, "
           "с функцией name_unpack, которая распаковывает кадр), и показывает код от "
           "определений: объявление массива и первые байты. «Копировать как код C» кладёт тот же "
           "код в буфер обмена. «Импорт массива C...» читает первый массив байтов из файла .h, "
           ".c, .ino или .txt и показывает рисунок, как его прочтут выбранные размер, раскладка и "
           "значение бита.")
           .arg(layouts.join(QStringLiteral(", "))),
       QStringLiteral(
           "Экспорт «Скетч Arduino для OLED SSD1306» записывает готовый скетч (.ino), которому "
           "нужна только библиотека Wire: он включает дисплей SSD1306 128x64 или 128x32 на "
           "шине I2C (адрес 0x3C или 0x3D спрашивает диалог «Скетч Arduino», как и сжатие) и "
           "рисует рисунок посередине экрана, а анимацию показывает по кругу, каждый кадр в свою "
           "длительность.")});
}

QString FontsSection() {
  return Section(
      QStringLiteral("Шрифты."),
      {QStringLiteral(
           "Кроме трёх своих шрифтов, Текст пишет любым шрифтом системы и шрифтом из файла "
           "(пункт «Из файла...»): растровым BDF или PCF, в том числе сжатым .pcf.gz, или "
           "TrueType и OpenType, которые рисуются без сглаживания в строку заданной высоты в "
           "точках. Символ, которого в шрифте нет, рисуется пустой рамкой, и диалог его "
           "называет. Выбранный шрифт запоминается до конца работы."),
       QStringLiteral(
           "«Экспорт шрифта...» в меню «Файл» записывает символы шрифта для дисплея: в файл .h "
           "как шрифт Adafruit GFX (русские буквы стоят на своих кодах Windows-1251, и строки "
           "для печати нужно хранить в этой кодировке) или в файл .bdf. Символы задаются "
           "диапазонами и кодами через запятую, например 32-126, 1040-1103 или U+0401; кнопки "
           "«Латиница» и «Кириллица» вписывают их сами.")});
}

QString RecoverySection() {
  return Section(
      QStringLiteral("Несохранённая работа."),
      {QStringLiteral(
          "Пока у рисунка есть несохранённые изменения, программа через несколько секунд после "
          "каждого изменения хранит его копию со всеми кадрами в своей папке "
          "(~/.local/state/tochkograf). Если программа закончилась, не спросив о сохранении (её "
          "остановили или закончился сеанс), следующий запуск предложит восстановить рисунок: "
          "«Да» возвращает его несохранённым под прежним именем, «Нет» удаляет копию, «Позже» "
          "оставляет её до следующего запуска.")});
}

// The command line's help, its texts as --help and the manual page have
// them: the ways to call the program, then each argument with what it does.
QString CommandLineSection() {
  const HelpText help = CommandLineHelpText();
  QStringList paragraphs;
  for (const QString& call : help.calls) paragraphs << kProgramName + u' ' + call;
  paragraphs << help.summary;
  for (const HelpItem& item : help.items)
    paragraphs << (item.term.isEmpty() ? item.text : item.term + QStringLiteral(" — ") + item.text);
  for (const HelpItem& note : help.notes) paragraphs << note.text;
  return Section(QStringLiteral("Командная строка."), paragraphs);
}

}  // namespace

QString HelpWindowText() {
  QString text;
  for (const Piece& piece : kPieces)
    text += QString::fromUtf8(piece.text) + kLineBreak.repeated(piece.line_breaks);
  text += QStringLiteral("Что появилось с тех пор.") + kLineBreak.repeated(2);
  for (const QString& section : {DrawingSection(), FramesSection(), RecoverySection(),
                                 FilesSection(), PhonesSection(), CArraysSection(), FontsSection()})
    text += section + kLineBreak;
  return text + CommandLineSection().chopped(kLineBreak.size());
}

}  // namespace tochkograf
