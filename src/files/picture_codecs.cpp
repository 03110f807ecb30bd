#include "files/picture_codecs.h"

#include "files/bmp_format.h"
#include "files/ems_format.h"

namespace tochkograf {

FormatStatus ReadEmsPicture(const QByteArray& bytes, Picture& picture) {
  EmsHeader header;
  PixelGrid cells;
  switch (DecodeEms(bytes, header, cells)) {
    case EmsStatus::Ok:
      picture = {header.width, header.height, cells};
      return FormatStatus::Ok;
    case EmsStatus::BadSize:
      return FormatStatus::BadSize;
    case EmsStatus::Truncated:
      break;
  }
  return FormatStatus::Truncated;
}

QByteArray WriteEmsPicture(const Picture& picture) {
  return EncodeEms(picture.width, picture.height, picture.cells);
}

FormatStatus ReadBmpPicture(const QByteArray& bytes, Picture& picture) {
  BmpPicture bmp;
  switch (DecodeBmp(bytes, bmp)) {
    case BmpStatus::Ok:
      picture = {bmp.width, bmp.height, bmp.cells};
      return FormatStatus::Ok;
    case BmpStatus::NotBmp:
      return FormatStatus::NotThisFormat;
    case BmpStatus::Unsupported:
      return FormatStatus::Unsupported;
    case BmpStatus::BadSize:
      return FormatStatus::BadSize;
    case BmpStatus::Truncated:
      break;
  }
  return FormatStatus::Truncated;
}

}  // namespace tochkograf
