#pragma once

#include <QByteArray>

#include "files/format_status.h"
#include "picture/picture.h"

namespace tochkograf {

// A picture as it travels inside an SMS: one information element of the
// user data header, written as a line of upper-case hex. 32 x 32 is a
// large picture and 16 x 16 a small one; any other size is a variable
// picture, which gives its width in octets and its height. Each element
// places the picture at the start of the text (position 0); its rows are
// whole octets, the leftmost pixel in the most significant bit, a set bit
// black.

// A variable picture must fit in one message.
constexpr int kMaxElementData = 128;

// The element's line; TooLargeForMessage, with `line` as it was, where its
// pixels take more than kMaxElementData octets.
FormatStatus EncodeEmsElement(const Picture& picture, QByteArray& line);

}  // namespace tochkograf
