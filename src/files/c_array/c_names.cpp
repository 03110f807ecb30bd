#include "files/c_array/c_names.h"

#include <QHash>
#include <QRegularExpression>

#include "files/status_texts.h"

namespace tochkograf {

namespace {

// The names of one kind, and why a name of that kind is refused.
struct TakenNames {
  const char* why;
  const char* names;  // separated by spaces
};

// clang-format off
constexpr TakenNames kTaken[] = {
    {"ключевое слово C или C++",
     "auto break case char const continue default do double else enum extern float for goto if "
     "inline int long register restrict return short signed sizeof static struct switch typedef "
     "union unsigned void volatile while _Bool _Complex _Imaginary _Alignas _Alignof _Atomic "
     "_Generic _Noreturn _Static_assert _Thread_local alignas alignof and and_eq asm bitand bitor "
     "bool catch char8_t char16_t char32_t class compl concept consteval constexpr constinit "
     "const_cast co_await co_return co_yield decltype delete dynamic_cast explicit export false "
     "friend mutable namespace new noexcept not not_eq nullptr operator or or_eq private "
     "protected public reinterpret_cast requires static_assert static_cast template this "
     "thread_local throw true try typeid typename using virtual wchar_t xor xor_eq"},
    {"имя главной функции программы", "main"},
    {"имя из стандартной библиотеки C или C++",
     // <stddef.h>, <stdint.h>, <limits.h>, <stdbool.h>, <stdarg.h>, <assert.h>, <errno.h>
     "NULL size_t ptrdiff_t offsetof wchar_t int8_t int16_t int32_t int64_t uint16_t uint32_t "
     "uint64_t intptr_t uintptr_t intmax_t uintmax_t INT8_MAX INT16_MAX INT32_MAX INT64_MAX "
     "UINT8_MAX UINT16_MAX UINT32_MAX UINT64_MAX CHAR_BIT CHAR_MAX CHAR_MIN SCHAR_MAX UCHAR_MAX "
     "SHRT_MAX SHRT_MIN USHRT_MAX INT_MAX INT_MIN UINT_MAX LONG_MAX LONG_MIN ULONG_MAX SIZE_MAX "
     "va_list va_start va_arg va_end va_copy assert errno EDOM ERANGE "
     // <stdlib.h>
     "abort abs atexit atof atoi atol atoll bsearch calloc div exit free getenv labs ldiv llabs "
     "malloc qsort rand realloc srand strtod strtof strtol strtoul system EXIT_SUCCESS "
     "EXIT_FAILURE RAND_MAX itoa ltoa utoa ultoa dtostrf dtostre random srandom "
     // <string.h>
     "memchr memcmp memcpy memmove memset strcat strchr strcmp strcoll strcpy strcspn strerror "
     "strlen strncat strncmp strncpy strpbrk strrchr strspn strstr strtok strxfrm strdup strlcat "
     "strlcpy strnlen strcasecmp strncasecmp "
     // <math.h>
     "acos asin atan atan2 ceil cos cosh exp fabs floor fmod frexp ldexp log log10 log2 modf pow "
     "sin sinh sqrt tan tanh round lround trunc fmin fmax fdim hypot cbrt isnan isinf isfinite "
     "signbit copysign square NAN INFINITY HUGE_VAL M_PI M_E "
     // <stdio.h>
     "FILE EOF stdin stdout stderr printf sprintf snprintf vsnprintf fprintf puts putchar getchar "
     "fputs fgets fputc fgetc scanf sscanf fopen fclose "
     // <ctype.h>, <setjmp.h>, <signal.h>, <time.h>
     "isalnum isalpha iscntrl isdigit isgraph islower isprint ispunct isspace isupper isxdigit "
     "tolower toupper setjmp longjmp signal raise time clock"},
    {"имя из ядра Arduino",
     "setup loop yield init initVariant pinMode digitalWrite digitalRead analogRead analogWrite "
     "analogReference delay delayMicroseconds millis micros tone noTone shiftIn shiftOut pulseIn "
     "pulseInLong attachInterrupt detachInterrupt interrupts noInterrupts randomSeed map min max "
     "constrain sq radians degrees lowByte highByte bitRead bitWrite bitSet bitClear bit word "
     "byte boolean String Serial Wire TwoWire Print Stream HIGH LOW INPUT OUTPUT INPUT_PULLUP "
     "LED_BUILTIN PI HALF_PI TWO_PI DEG_TO_RAD RAD_TO_DEG EULER DEC HEX OCT BIN CHANGE FALLING "
     "RISING LSBFIRST MSBFIRST DEFAULT EXTERNAL INTERNAL F PSTR SDA SCL SS MOSI MISO SCK A0 A1 "
     "A2 A3 A4 A5 A6 A7 PROGMEM pgm_read_byte pgm_read_word pgm_read_dword "
     "BUFFER_LENGTH"},
    {"имя, которое уже есть в коде массива или скетча",
     "uint8_t oled_send oled_commands oled_column oled_draw oled_show oled_frame oled_shown "
     "oled_due oled_read oled_read_word OLED_DATA OLED_ADDRESS OLED_WIDTH OLED_HEIGHT "
     "OLED_PAGES OLED_TRANSFER"},
};
// clang-format on

const QHash<QString, QString>& Refusals() {
  static const QHash<QString, QString> refusals = [] {
    QHash<QString, QString> names;
    for (const TakenNames& kind : kTaken)
      for (const QString& name : QString::fromLatin1(kind.names).split(u' ', Qt::SkipEmptyParts))
        names.insert(name, QString::fromUtf8(kind.why));
    return names;
  }();
  return refusals;
}

// Arduino's binary constants, B0 to B11111111, are macros of its core.
bool ArduinoBinary(const QString& name) {
  static const QRegularExpression binary(QStringLiteral("^B[01]{1,8}$"));
  return binary.match(name).hasMatch();
}

}  // namespace

QString CNameRefusal(const QString& name) {
  QString why = Refusals().value(name);
  if (why.isEmpty() && ArduinoBinary(name)) why = QString::fromUtf8(kTaken[3].why);
  return why.isEmpty() ? why : QStringLiteral("%1 — %2").arg(Quoted(name), why);
}

}  // namespace tochkograf
