#include "images/xpm_colours.h"

#include <QHash>
#include <algorithm>
#include <cstring>

namespace tochkograf {

namespace {

// The most of a file read before its colour table is known to have ended:
// a table of many thousand colours.
constexpr qint64 kMostHeadBytes = 8 << 20;

// Copies the C text before the next string into `head`, comments and its
// opening quote included, and gives the string's contents; false where the
// file or the room ends first.
bool NextString(QIODevice& device, QByteArray& head, QByteArray& string) {
  char c = 0, previous = 0;
  for (bool comment = false;; previous = c) {
    if (head.size() > kMostHeadBytes || !device.getChar(&c)) return false;
    head += c;
    // The characters that open or close a comment start nothing more.
    if (comment && previous == '*' && c == '/') {
      comment = false;
      c = 0;
    } else if (!comment && previous == '/' && c == '*') {
      comment = true;
      c = 0;
    } else if (!comment && c == '"') {
      break;
    }
  }
  string.clear();
  while (string.size() <= kMostHeadBytes && device.getChar(&c)) {
    if (c == '"') return true;
    string += c;
  }
  return false;
}

// A colour's keys and values as " c VALUE", the value of the first of c,
// g, g4 and m it has; the keys as they are where it has none.
QByteArray QtColour(const QByteArray& keys) {
  static const QByteArrayList kKeys = {"c", "g", "g4", "m", "s"};
  QHash<QByteArray, QByteArray> values;
  QByteArray key;
  bool after_key = false;
  for (const QByteArray& word : keys.simplified().split(' ')) {
    if (word.isEmpty()) continue;
    if (!after_key && kKeys.contains(word)) {
      key = word;
      values[key].clear();
      after_key = true;
      continue;
    }
    if (key.isEmpty()) return keys;
    // X names a colour alike with spaces or without ("light grey"), and
    // Qt's reader takes one word.
    values[key] += word;
    after_key = false;
  }
  for (const char* chosen : {"c", "g", "g4", "m"})
    if (!values.value(chosen).isEmpty()) return " c " + values.value(chosen);
  return keys;
}

// The file's text up to the end of its colour table, each colour as Qt
// reads it; false where it is not whole.
bool RewrittenHead(QIODevice& device, QByteArray& head) {
  QByteArray string;
  if (!NextString(device, head, string)) return false;
  head += string + '"';
  // Width, height, colours, characters a pixel, and what may follow.
  const QByteArrayList values = string.simplified().split(' ');
  bool counted = false, sized = false;
  const int colours = values.value(2).toInt(&counted), chars = values.value(3).toInt(&sized);
  if (!counted || !sized || colours < 1 || chars < 1) return false;
  for (int i = 0; i < colours; ++i) {
    if (!NextString(device, head, string) || string.size() < chars) return false;
    head += string.left(chars) + QtColour(string.mid(chars)) + '"';
  }
  return true;
}

}  // namespace

XpmColours::XpmColours(QIODevice& device) : device_(device) {
  if (device.isSequential() || !device.peek(6).startsWith("/* XPM")) return;
  const qint64 start = device.pos();
  QByteArray head;
  if (RewrittenHead(device, head))
    spliced_.emplace(head, device);
  else
    device.seek(start);
}

QIODevice& XpmColours::Device() { return spliced_ ? static_cast<QIODevice&>(*spliced_) : device_; }

XpmColours::Spliced::Spliced(const QByteArray& head, QIODevice& rest) : head_(head), rest_(rest) {
  open(QIODevice::ReadOnly);
}

qint64 XpmColours::Spliced::bytesAvailable() const {
  return head_.size() - given_ + rest_.bytesAvailable() + QIODevice::bytesAvailable();
}

qint64 XpmColours::Spliced::readData(char* data, qint64 most) {
  const qint64 from_head = std::min(most, head_.size() - given_);
  std::memcpy(data, head_.constData() + given_, size_t(from_head));
  given_ += from_head;
  if (from_head == most) return most;
  const qint64 from_rest = rest_.read(data + from_head, most - from_head);
  if (from_rest < 0) return from_head > 0 ? from_head : -1;
  return from_head + from_rest;
}

}  // namespace tochkograf
