#pragma once

#include <QByteArray>
#include <optional>

#include "files/format_status.h"
#include "files/information_element.h"
#include "picture/animation.h"
#include "picture/picture.h"

namespace tochkograf {

// A picture as it travels inside an SMS: one information element of the
// user data header. 32 x 32 is a large picture and 16 x 16 a small one; any
// other size is a variable picture, which gives its width in octets and its
// height. Each element places the picture at the start of the text
// (position 0); its rows are whole octets, the leftmost pixel in the most
// significant bit, a set bit black.

// A variable picture must fit in one message.
constexpr int kMaxElementData = 128;

// The picture's element; nothing where its pixels take more than
// kMaxElementData octets.
std::optional<InformationElement> EmsPictureElement(const Picture& picture);

// The element as a line of upper-case hex; TooLargeForMessage, with `line`
// as it was, where the picture takes no element.
FormatStatus EncodeEmsElement(const Picture& picture, QByteArray& line);

// Four frames of 16 x 16 are a large animation and four of 8 x 8 a small
// one: the element places it at the start of the text, then holds its
// frames in turn, each as a picture's rows. Nothing for other animations.
std::optional<InformationElement> EmsAnimationElement(const Animation& animation);

// Every frame as one line of upper-case hex: one frame as EncodeEmsElement
// writes a picture; a large or small animation; otherwise the element of
// the animation as an extended object (extended_object.h, reference 0)
// where it fits one message alone. AnimationTooLargeForElement, with
// `line` as it was, where it does not.
FormatStatus EncodeEmsAnimationElement(const Animation& animation, QByteArray& line);

}  // namespace tochkograf
