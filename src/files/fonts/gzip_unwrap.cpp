#include "files/fonts/gzip_unwrap.h"

#include <zlib.h>

namespace tochkograf {

bool IsGzip(const QByteArray& bytes) { return bytes.startsWith("\x1f\x8b"); }

std::optional<QByteArray> UnwrapGzip(const QByteArray& bytes, QString* error, qint64 limit) {
  const auto fail = [error](const QString& message) {
    if (error) *error = message;
    return std::nullopt;
  };
  z_stream stream{};
  if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK)
    return fail(QStringLiteral("сжатый файл не распаковать"));
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.constData()));
  stream.avail_in = static_cast<uInt>(bytes.size());
  QByteArray out;
  char chunk[64 * 1024];
  int status = Z_OK;
  while (status == Z_OK) {
    stream.next_out = reinterpret_cast<Bytef*>(chunk);
    stream.avail_out = sizeof chunk;
    status = inflate(&stream, Z_NO_FLUSH);
    const qint64 produced = qint64(sizeof chunk) - stream.avail_out;
    if (out.size() + produced > limit)
      status = Z_MEM_ERROR;
    else
      out.append(chunk, produced);
    if (status == Z_BUF_ERROR && stream.avail_in == 0) break;  // the file ends early
  }
  inflateEnd(&stream);
  if (status == Z_MEM_ERROR)
    return fail(QStringLiteral("сжатый файл распаковывается больше чем в %1 МБ, это не шрифт")
                    .arg(limit / (1024 * 1024)));
  if (status != Z_STREAM_END) return fail(QStringLiteral("сжатый файл обрывается или повреждён"));
  return out;
}

}  // namespace tochkograf
