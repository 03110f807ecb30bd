#include "files/c_array/run_length.h"

#include <algorithm>

namespace tochkograf {

namespace {

// How many bytes from `at` equal the one there, at most kMostRepeated.
qsizetype RunAt(const QByteArray& bytes, qsizetype at) {
  qsizetype end = at + 1;
  while (end < bytes.size() && end - at < kMostRepeated && bytes[end] == bytes[at]) ++end;
  return end - at;
}

// Where the bytes of a frame of `count` lie in the layout, in coding order.
class Order {
 public:
  Order(int count, int step) : count_(count), step_(step) {}
  int Next() {
    const int at = at_;
    at_ += step_;
    if (at_ >= count_) at_ -= count_ - 1;
    return at;
  }

 private:
  int count_, step_, at_ = 0;
};

}  // namespace

int PackingStep(int width, ByteLayout layout) {
  const bool rows = layout == ByteLayout::RowsMsbLeft || layout == ByteLayout::RowsLsbLeft;
  return rows ? (width + 7) / 8 : 1;
}

QByteArray PackRuns(const QByteArray& frame, int step) {
  QByteArray bytes(frame.size(), '\0');
  Order order(int(frame.size()), step);
  for (char& byte : bytes) byte = frame[order.Next()];
  QByteArray code;
  qsizetype copied_from = 0;  // the start of the bytes waiting to be copied
  const auto copy_up_to = [&](qsizetype end) {
    while (copied_from < end) {
      const qsizetype count = std::min<qsizetype>(kMostCopied, end - copied_from);
      code += char(count - 1);
      code += bytes.mid(copied_from, count);
      copied_from += count;
    }
  };
  qsizetype at = 0;
  while (at < bytes.size()) {
    const qsizetype run = RunAt(bytes, at);
    // A run of two costs as much repeated as copied, and repeating it
    // would end an open copied piece and cost one byte more.
    if (run >= 3 || (run == 2 && copied_from == at)) {
      copy_up_to(at);
      code += char(run + 126);
      code += bytes[at];
      at += run;
      copied_from = at;
    } else {
      at += run;
    }
  }
  copy_up_to(bytes.size());
  return code;
}

QByteArray UnpackRuns(const QByteArray& code, int frame_bytes, int step, qsizetype most) {
  QByteArray frames;
  qsizetype at = 0;
  while (at < code.size() && frames.size() + frame_bytes <= most) {
    QByteArray frame(frame_bytes, '\0');
    Order order(frame_bytes, step);
    int done = 0;
    while (done < frame_bytes && at < code.size()) {
      const int n = static_cast<unsigned char>(code[at++]);
      const bool copied = n < 128;
      const char value = copied || at >= code.size() ? '\0' : code[at++];
      for (int count = copied ? n + 1 : n - 126; count > 0 && done < frame_bytes; --count) {
        if (copied && at >= code.size()) break;
        frame[order.Next()] = copied ? code[at++] : value;
        ++done;
      }
    }
    frames += frame;
  }
  return frames;
}

}  // namespace tochkograf
