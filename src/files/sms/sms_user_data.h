#pragma once

#include <QByteArray>
#include <QList>
#include <optional>

#include "files/format_status.h"
#include "files/sms/information_element.h"

namespace tochkograf {

// The user data of SMS messages (3GPP TS 23.040): a header of information
// elements, then a text or other data, 140 octets at most in a message.
// What does not fit one message goes into concatenated ones.

// Something the messages carry in their headers: an EMS picture, an
// extended object.
struct HeaderObject {
  InformationElement element;
  // 0: the element travels whole in one message. Otherwise it may be split
  // over several, each part an element of the same identifier, with at
  // least the first `head` octets of the data in the first part.
  int head = 0;
};

// The concatenation element every part of a concatenated message carries.
enum class Concatenation {
  Reference8,   // element 00: an 8-bit reference, the count, the part's number
  Reference16,  // element 08: a 16-bit reference, the count, the part's number
};

// What the user data of a message, or of its concatenated parts, holds.
struct MessageContent {
  QList<InformationElement> every{};  // first in every part's header (application ports)
  QList<HeaderObject> objects{};      // in the headers, in order, after the concatenation
  // The text (or data) after the header, in pieces a message never splits:
  // septets of the GSM 7-bit alphabet, one an octet, or else octets.
  QList<QByteArray> text{};
  bool septets = false;
  Concatenation concatenation = Concatenation::Reference16;
  int reference = 0;  // the concatenation's, its low 8 or 16 bits
};

// A message's user data (TP-UD) and its length as the message gives it
// (TP-UDL): in septets where the text is septets, which start after the
// header at a septet's boundary; otherwise in octets.
struct UserData {
  QByteArray octets;
  int length = 0;
};

constexpr int kMostConcatenatedMessages = 255;

// One message where the content fits in one; otherwise concatenated parts,
// each filled with the objects while they last and then with as much text
// as fits. TooManyMessages where more than kMostConcatenatedMessages would
// be needed, TooLargeForMessage where an object that travels whole does not
// fit any message; `messages` then stays as it was.
FormatStatus SplitUserData(const MessageContent& content, QList<UserData>& messages);

// What the user data of a received message holds: the elements of its
// header, in order, and after them the text, as septets (one an octet) or
// as octets.
struct ReceivedUserData {
  QList<InformationElement> header;
  QByteArray body;
};

// The elements of a user data header, its length octet first; nothing
// where they do not fill it exactly.
std::optional<QList<InformationElement>> ReadHeader(const QByteArray& header);

// The user data `octets` of a message whose length (TP-UDL) is `length`,
// in septets or octets, with a header where it says so (TP-UDHI), laid
// out as SplitUserData lays it out. Nothing where the octets are more or
// fewer than the length says, a message holds no more, or the header's
// elements do not fill it exactly.
std::optional<ReceivedUserData> ReadUserData(const QByteArray& octets, int length, bool septets,
                                             bool with_header);

}  // namespace tochkograf
