// Feeds arbitrary bytes to every reader of the phone tools' files (.nol,
// .ngg, .nlm, .nsl, .wbmp), as the import does with a file's contents: a
// refused file leaves the picture as it was; an accepted one is a picture
// the editor holds, and where the type's writer takes it, it reads back
// through the same reader as the same picture. The same bytes go to the
// reader of an EMS element's line of hex: a refused one leaves the frames
// as they were, and accepted frames are frames the editor holds.

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

#include "files/formats/nlm_format.h"
#include "files/formats/nokia_logo_format.h"
#include "files/formats/nsl_format.h"
#include "files/formats/wbmp_format.h"
#include "files/sms/ems_element.h"

using namespace tochkograf;

namespace {

using Reader = FormatStatus (*)(const QByteArray&, Picture&);

// The picture as read, or nothing where the reader refused it.
bool Read(Reader read, const QByteArray& bytes, Picture& picture) {
  picture = Picture{};
  if (read(bytes, picture) != FormatStatus::Ok) {
    if (picture.width != 0 || picture.height != 0) std::abort();
    return false;
  }
  if (!FitsEditor(picture.width, picture.height)) std::abort();
  return true;
}

void ReadsBack(Reader read, FormatStatus written, const QByteArray& bytes, const Picture& picture) {
  if (written != FormatStatus::Ok) return;
  Picture again;
  if (!Read(read, bytes, again) || !(again == picture)) std::abort();
}

void ReadsElementLine(const QByteArray& bytes) {
  Animation animation;
  if (DecodeEmsElementLine(bytes, animation) != FormatStatus::Ok) {
    if (animation.width != 0 || !animation.frames.empty()) std::abort();
    return;
  }
  if (!FitsEditor(animation.width, animation.height) || animation.Count() < 1 ||
      animation.Count() > kMaxFrames)
    std::abort();
  for (const AnimationFrame& frame : animation.frames)
    if (frame.duration < kShortestFrame || frame.duration > kLongestFrame) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  Picture picture;
  QByteArray written;
  if (Read(DecodeNol, bytes, picture))
    ReadsBack(DecodeNol, EncodeNol(picture, {250, 1}, written), written, picture);
  if (Read(DecodeNgg, bytes, picture))
    ReadsBack(DecodeNgg, EncodeNgg(picture, written), written, picture);
  if (Read(DecodeNlm, bytes, picture))
    ReadsBack(DecodeNlm, EncodeNlm(picture, written), written, picture);
  if (Read(DecodeNsl, bytes, picture))
    ReadsBack(DecodeNsl, EncodeNsl(picture, written), written, picture);
  if (Read(DecodeWbmp, bytes, picture))
    ReadsBack(DecodeWbmp, FormatStatus::Ok, EncodeWbmp(picture), picture);
  ReadsElementLine(bytes);
  return 0;
}
