#include "files/sms/sms_user_data.h"

#include <algorithm>
#include <optional>

#include "files/octets.h"
#include "files/sms/gsm_alphabet.h"

namespace tochkograf {

namespace {

constexpr int kMostOctets = 140;
constexpr int kMostSeptets = 160;

// The header's octets, its length octet included.
qsizetype HeaderSize(const QList<InformationElement>& elements) {
  qsizetype size = 1;
  for (const InformationElement& element : elements) size += element.Size();
  return size;
}

// The septets or octets of text that fit beside a header of `header`
// octets: the text's septets start at the first septet boundary after it.
qsizetype TextRoom(qsizetype header, bool septets) {
  if (header > kMostOctets) return -1;
  return septets ? kMostSeptets - (8 * header + 6) / 7 : kMostOctets - header;
}

struct Part {
  QList<InformationElement> elements;
  QByteArray text;
};

UserData Assembled(const Part& part, bool septets) {
  QByteArray header;
  for (const InformationElement& element : part.elements) header += element.Encoded();
  header.prepend(char(header.size()));
  if (!septets) return {header + part.text, int(header.size() + part.text.size())};
  const int fill = int((7 - 8 * header.size() % 7) % 7);
  return {header + PackSeptets(part.text, fill),
          int((8 * header.size() + fill) / 7 + part.text.size())};
}

QByteArray Joined(const QList<QByteArray>& pieces) {
  QByteArray whole;
  for (const QByteArray& piece : pieces) whole += piece;
  return whole;
}

std::optional<Part> OneMessage(const MessageContent& content) {
  Part part{content.every, Joined(content.text)};
  for (const HeaderObject& object : content.objects) part.elements << object.element;
  if (part.text.size() > TextRoom(HeaderSize(part.elements), content.septets)) return std::nullopt;
  return part;
}

InformationElement ConcatenationElement(const MessageContent& content, int count, int number) {
  if (content.concatenation == Concatenation::Reference8)
    return {0x00, Octets({content.reference, count, number})};
  return {0x08, BigEndian16(content.reference) + Octets({count, number})};
}

// Where the splitting has got to.
struct Progress {
  qsizetype object = 0, offset = 0;  // the object next, and its octets already sent
  qsizetype piece = 0;               // the text's piece next
};

// Adds to `part` what of the objects fits; false where an object that
// travels whole fits no message at all.
bool AddObjects(const QList<HeaderObject>& objects, Progress& at, Part& part, bool empty) {
  qsizetype header = HeaderSize(part.elements);
  while (at.object < objects.size()) {
    const HeaderObject& object = objects[at.object];
    const qsizetype room = kMostOctets - header - 2;  // past the element's identifier and length
    const qsizetype left = object.element.data.size() - at.offset;
    if (object.head == 0) {
      if (left > room) return !empty;
      part.elements << object.element;
      header += object.element.Size();
      ++at.object;
      empty = false;
      continue;
    }
    if (room < (at.offset == 0 ? object.head : 1)) return true;
    const qsizetype taken = std::min(room, left);
    part.elements << InformationElement{object.element.id,
                                        object.element.data.mid(at.offset, taken)};
    header += 2 + taken;
    at.offset += taken;
    empty = false;
    if (at.offset < object.element.data.size()) return true;  // this message is full
    ++at.object;
    at.offset = 0;
  }
  return true;
}

void AddText(const MessageContent& content, Progress& at, Part& part) {
  qsizetype room = TextRoom(HeaderSize(part.elements), content.septets);
  while (at.piece < content.text.size() && content.text[at.piece].size() <= room) {
    part.text += content.text[at.piece];
    room -= content.text[at.piece].size();
    ++at.piece;
  }
}

}  // namespace

FormatStatus SplitUserData(const MessageContent& content, QList<UserData>& messages) {
  QList<Part> parts;
  if (const std::optional<Part> one = OneMessage(content)) {
    parts << *one;
  } else {
    Progress at;
    while (at.object < content.objects.size() || at.piece < content.text.size()) {
      if (parts.size() == kMostConcatenatedMessages) return FormatStatus::TooManyMessages;
      Part part{content.every, {}};
      part.elements << ConcatenationElement(content, 0, 0);  // its size; filled in below
      if (!AddObjects(content.objects, at, part, true)) return FormatStatus::TooLargeForMessage;
      AddText(content, at, part);
      parts << part;
    }
    for (qsizetype i = 0; i < parts.size(); ++i)
      parts[i].elements[content.every.size()] =
          ConcatenationElement(content, int(parts.size()), int(i + 1));
  }
  messages.clear();
  for (const Part& part : parts) messages << Assembled(part, content.septets);
  return FormatStatus::Ok;
}

std::optional<QList<InformationElement>> ReadHeader(const QByteArray& header) {
  if (header.isEmpty() || uchar(header[0]) + 1 != header.size()) return std::nullopt;
  QList<InformationElement> elements;
  for (qsizetype at = 1; at < header.size(); at += elements.last().Size()) {
    if (at + 2 > header.size() || at + 2 + uchar(header[at + 1]) > header.size())
      return std::nullopt;
    elements << InformationElement{uchar(header[at]), header.mid(at + 2, uchar(header[at + 1]))};
  }
  return elements;
}

std::optional<ReceivedUserData> ReadUserData(const QByteArray& octets, int length, bool septets,
                                             bool with_header) {
  const qsizetype whole = septets ? (7 * qsizetype(length) + 7) / 8 : length;
  if (length > (septets ? kMostSeptets : kMostOctets) || octets.size() != whole)
    return std::nullopt;
  ReceivedUserData data;
  qsizetype header = 0;
  if (with_header) {
    header = octets.isEmpty() ? 1 : uchar(octets[0]) + 1;
    std::optional<QList<InformationElement>> elements = ReadHeader(octets.left(header));
    if (!elements) return std::nullopt;
    data.header = std::move(*elements);
  }
  if (!septets) {
    data.body = octets.mid(header);
    return data;
  }
  // The text starts at the first septet's boundary after the header.
  const qsizetype skipped = (8 * header + 6) / 7;
  if (skipped > length) return std::nullopt;
  data.body = UnpackSeptets(octets.mid(header), int(7 * skipped - 8 * header), length - skipped);
  return data;
}

}  // namespace tochkograf
