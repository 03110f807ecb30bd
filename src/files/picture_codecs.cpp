#include "files/picture_codecs.h"

#include "files/bmp_format.h"
#include "files/c_identifier.h"
#include "files/ems_element.h"
#include "files/ems_format.h"
#include "files/otb_format.h"
#include "files/pbm_format.h"
#include "files/xbm_format.h"

namespace tochkograf {

FormatStatus ReadEmsPicture(const QByteArray& bytes, Picture& picture) {
  EmsHeader header;
  PixelGrid cells;
  const FormatStatus status = EmsFormatStatus(DecodeEms(bytes, header, cells));
  if (status == FormatStatus::Ok) picture = {header.width, header.height, cells};
  return status;
}

FormatStatus EmsFormatStatus(EmsStatus status) {
  switch (status) {
    case EmsStatus::Ok:
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
  switch (DecodeBmp(bytes, picture)) {
    case BmpStatus::Ok:
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

FormatStatus ReadOtbPicture(const QByteArray& bytes, Picture& picture) {
  OtbImage image;
  switch (DecodeOtb(bytes, image, qint64(kMaxWidth) * kMaxHeight)) {
    case OtbStatus::Ok:
      break;
    case OtbStatus::NotOtb:
      return FormatStatus::NotThisFormat;
    case OtbStatus::TooLarge:
      return FormatStatus::BadSize;
    case OtbStatus::Truncated:
      return FormatStatus::Truncated;
  }
  if (!FitsEditor(image.width, image.height)) return FormatStatus::BadSize;
  Picture read{image.width, image.height, {}};
  for (int y = 1; y <= read.height; ++y)
    for (int x = 1; x <= read.width; ++x)
      read.cells(x, y) = image.ink[(y - 1) * read.width + x - 1] ? kOn : kOff;
  picture = read;
  return FormatStatus::Ok;
}

FormatStatus WriteOtbPicture(const Picture& picture, const QString&, QByteArray& bytes) {
  bytes = EncodeOtb(picture.width, picture.height, picture.cells);
  return FormatStatus::Ok;
}

FormatStatus WriteXbmPicture(const Picture& picture, const QString& file_name, QByteArray& bytes) {
  bytes =
      EncodeXbm(CIdentifierFromFileName(file_name), picture.width, picture.height, picture.cells);
  return FormatStatus::Ok;
}

FormatStatus WritePbmPicture(const Picture& picture, const QString&, QByteArray& bytes) {
  bytes = EncodePbm(picture.width, picture.height, picture.cells);
  return FormatStatus::Ok;
}

FormatStatus WriteEmsElementPicture(const Picture& picture, const QString&, QByteArray& bytes) {
  return EncodeEmsElement(picture.width, picture.height, picture.cells, bytes) ==
                 EmsElementStatus::Ok
             ? FormatStatus::Ok
             : FormatStatus::TooLargeForMessage;
}

}  // namespace tochkograf
