#pragma once

// What the two image import targets share: how they check, silence Qt and
// choose the conversion from one byte.

#include <QSize>
#include <cstdint>
#include <cstdlib>

#include "images/image_conversion.h"

namespace tochkograf::fuzzing {

constexpr int kMemoryLimitMb = 8;

inline void Check(bool condition) {
  if (!condition) std::abort();
}

// Qt's warnings about bad files would fill the fuzzer's log.
inline void Quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

inline ConversionSettings Chosen(ImageConversion& conversion, std::uint8_t choice) {
  ConversionSettings settings =
      DefaultSettings(conversion, QSize(1 + choice % kMaxWidth, 1 + choice % kMaxHeight));
  settings.size = SizeChoice((choice >> 1) % 3);
  settings.typed = QSize(1 + (choice * 7) % kMaxWidth, 1 + (choice * 5) % kMaxHeight);
  settings.dithering = Dithering((choice >> 3) % 3);
  settings.invert = choice & 0x40;
  if (choice & 0x80) settings.threshold = choice;
  return settings;
}

}  // namespace tochkograf::fuzzing
