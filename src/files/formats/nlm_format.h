#pragma once

#include <QByteArray>

#include "files/format_status.h"
#include "picture/picture.h"

namespace tochkograf {

// Nokia Logo Manager's file (.nlm): "NLM " (with a space), the version 1,
// the type (0 operator logo, 1 caller group graphic, 2 startup logo, 3
// picture message), the number of frames less one, the width and the
// height, and the depth 1, an octet each; then each frame's rows, the
// leftmost pixel in the most significant bit, 1 black, each row padded to
// whole octets.
//
// The reader takes the first frame, of any size the editor holds, and
// refuses another signature (NotThisFormat), a depth other than 1
// (Unsupported), a size outside the editor's (BadSize) and a file that ends
// before the first frame does (Truncated), leaving the picture as it was.
FormatStatus DecodeNlm(const QByteArray& bytes, Picture& picture);

// One frame, its type by its size: 72 x 14 and 78 x 21 an operator logo,
// 84 x 48 a startup logo, 72 x 28 a picture message; NotLogoManagerSize
// for any other size.
FormatStatus EncodeNlm(const Picture& picture, QByteArray& bytes);

constexpr qint64 kNlmReadLimit = 10 + (kMaxWidth + 7) / 8 * kMaxHeight;

}  // namespace tochkograf
