// Feeds arbitrary bytes to the reading of received messages, twice: as a
// file of them (gammu's SMS backup, or PDUs as lines of hex), and as PDUs
// themselves, each a length octet and as many octets after it, the parts
// of one message joined however they come. Whatever they hold, the
// pictures that come out are ones the editor holds, their count and the
// notes' stay within their bounds, and nothing is read past an end.

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

#include "files/sms/message_file.h"
#include "files/sms/received_pictures.h"

using namespace tochkograf;

namespace {

void Check(const Reception& reception) {
  if (reception.pictures.size() > kMostReceivedPictures || reception.notes.size() > kMostNotes)
    std::abort();
  for (const ReceivedPicture& picture : reception.pictures) {
    const Animation& frames = picture.frames;
    if (!FitsEditor(frames.width, frames.height) || frames.Count() < 1 ||
        frames.Count() > kMaxFrames)
      std::abort();
    for (const AnimationFrame& frame : frames.frames)
      if (frame.duration < kShortestFrame || frame.duration > kLongestFrame) std::abort();
  }
}

// The records of `bytes`, each after its length octet; whether each
// starts with the service centre's address is left to the reader.
QList<ReceivedPdu> Records(const QByteArray& bytes) {
  QList<ReceivedPdu> pdus;
  for (qsizetype at = 0; at < bytes.size(); at += 1 + uchar(bytes[at]))
    pdus << ReceivedPdu{bytes.mid(at + 1, uchar(bytes[at])), QStringLiteral("запись")};
  return pdus;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  QStringList notes;
  const QList<ReceivedMessage> messages = MessagesOfFile(bytes, notes);
  Check(PicturesInMessages(messages, notes));
  Check(PicturesInPdus(Records(bytes)));
  return 0;
}
