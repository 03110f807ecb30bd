#pragma once

#include <QByteArray>
#include <optional>

#include "files/format_status.h"
#include "files/sms/information_element.h"
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

// Whether `text` (a file's first bytes) is all hex digits and white space,
// as a line of an element is; a C source never is.
bool IsHexLine(const QByteArray& text);

// The frames a line of hex holds as one element: a small, large or variable
// picture, a small or large animation, or an extended object of a
// black-and-white bitmap or animation (whose pixels are all in the line).
// White space may stand anywhere between digits. A picture's rows are
// whole octets, so a variable picture comes back as wide as its octets
// are. An animation's frames show for the new-frame duration, an extended
// object's for its frame time. NotThisFormat where the text is not a line
// of hex; Truncated where it ends before the element does; Damaged where
// something follows the element or its size and length disagree; BadSize
// where a size is outside the editor's; NotEmsElement for an element of
// another kind; `animation` is then as it was.
FormatStatus DecodeEmsElementLine(const QByteArray& text, Animation& animation);

// The frames of one element, read as DecodeEmsElementLine reads its line.
FormatStatus DecodeEmsElement(const InformationElement& element, Animation& animation);

// The longest line of an element (two octets and 255 of data), with room
// for white space around every octet, and one more byte: a reader takes no
// more, and a text of this many is too long for an element.
constexpr qint64 kEmsElementLineReadLimit = 4 * (2 + 255) + 1;

}  // namespace tochkograf
