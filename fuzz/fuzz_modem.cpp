// Feeds arbitrary bytes, as a modem's port might say them, to the reader of
// what the port says and to the conversations that read it, split and
// timed as the bytes' first octets choose. The reader gives the same
// answers however the bytes are split (but where a chunk ends just after a
// ">"), and keeps no line longer than its
// limit; a conversation never counts more messages than it has, keeps no
// more stored messages than its limit, writes nothing once finished, and
// always finishes once its deadlines pass.

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

#include "files/sms/modem_answers.h"
#include "files/sms/modem_dialogue.h"

using namespace tochkograf;

namespace {

// The cuts through `bytes`, each chunk 1..16 octets long as `choice` says.
QList<QByteArray> Chunks(const QByteArray& bytes, std::uint8_t choice) {
  QList<QByteArray> chunks;
  std::uint32_t state = choice | 1u;
  for (qsizetype at = 0; at < bytes.size();) {
    state = state * 1103515245u + 12345u;
    const qsizetype length = 1 + (state >> 16) % 16;
    chunks.append(bytes.mid(at, length));
    at += length;
  }
  return chunks;
}

void CheckReader(const QByteArray& bytes, std::uint8_t choice) {
  ModemAnswers whole, split;
  QList<ModemAnswer> at_once = whole.Take(bytes), in_pieces;
  for (const QByteArray& chunk : Chunks(bytes, choice)) in_pieces += split.Take(chunk);
  for (const ModemAnswer& answer : at_once + in_pieces)
    if (answer.text.size() > kLongestModemLine || answer.text.isEmpty()) std::abort();
  // A prompt is taken where a chunk ends after it, which whole it may not;
  // without one, the cuts change nothing.
  if (bytes.contains('>')) return;
  if (at_once.size() != in_pieces.size()) std::abort();
  for (qsizetype i = 0; i < at_once.size(); ++i)
    if (at_once[i].kind != in_pieces[i].kind || at_once[i].text != in_pieces[i].text ||
        at_once[i].code != in_pieces[i].code)
      std::abort();
}

void CheckDialogue(ModemDialogue dialogue, const QByteArray& bytes, std::uint8_t choice) {
  qint64 now = 0;
  dialogue.Start(now);
  for (const QByteArray& chunk : Chunks(bytes, choice)) {
    // Some chunks come late, past the dialogue's deadline.
    now += (uchar(chunk[0]) & 0x80) ? 30000 : 7;
    const bool finished = dialogue.Finished();
    QByteArray written = dialogue.Tick(now);
    written += dialogue.Heard(chunk, now);
    if (finished && !written.isEmpty()) std::abort();
    if (dialogue.Sent() > dialogue.Total()) std::abort();
    if (dialogue.Stored().size() > std::size_t(kMostStoredMessages)) std::abort();
    if (written.size() > 4096) std::abort();
  }
  for (int tick = 0; tick < 64 && !dialogue.Finished(); ++tick) {
    now = std::max(now, dialogue.Deadline()) + 1;
    dialogue.Tick(now);
  }
  if (!dialogue.Finished()) std::abort();
  for (const StoredMessage& stored : dialogue.Stored())
    if (stored.pdu.isEmpty()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const QByteArray bytes(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
  CheckReader(bytes, data[0]);
  CheckDialogue(ModemDialogue::Sending({QByteArray::fromHex("0001000B919761214365F7000002C834"),
                                        QByteArray::fromHex("0001010B919761214365F7000002C834")}),
                bytes, data[0]);
  CheckDialogue(ModemDialogue::Listing(), bytes, data[0]);
  return 0;
}
