#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace tochkograf {

// What a gzipped file may unpack to: more is refused as a bomb.
inline constexpr qint64 kMaxUnwrappedBytes = 16 * 1024 * 1024;

bool IsGzip(const QByteArray& bytes);

// The contents of a gzipped file, or none and the reason when it is
// damaged or unpacks to more than `limit` bytes.
std::optional<QByteArray> UnwrapGzip(const QByteArray& bytes, QString* error,
                                     qint64 limit = kMaxUnwrappedBytes);

}  // namespace tochkograf
