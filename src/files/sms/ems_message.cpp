#include "files/sms/ems_message.h"

#include "files/sms/ems_element.h"
#include "files/sms/extended_object.h"
#include "files/sms/gsm_alphabet.h"
#include "files/sms/sms_submit.h"
#include "files/status_texts.h"
#include "picture/frame.h"

namespace tochkograf {

namespace {

// The text's UTF-16 code units as pairs of octets, big-endian; a surrogate
// pair stays together.
QList<QByteArray> Ucs2Pieces(const QString& text) {
  QList<QByteArray> pieces;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const int length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    QByteArray piece;
    for (const QChar c : text.mid(i, length))
      piece += QByteArray(1, char(c.unicode() >> 8)) + char(c.unicode() & 0xFF);
    pieces << piece;
    i += length - 1;
  }
  return pieces;
}

// Why an element or object holds no picture the editor takes; nothing for
// one that holds no picture at all.
QString Unread(FormatStatus status) {
  switch (status) {
    case FormatStatus::Ok:
    case FormatStatus::NotEmsElement:
      return {};
    case FormatStatus::Unsupported:
      return QStringLiteral("рисунок в оттенках серого или цветной не читается");
    case FormatStatus::BadSize:
      return QStringLiteral("рисунок больше %1").arg(SizeText(kMaxWidth, kMaxHeight));
    case FormatStatus::TooManyFrames:
      return QStringLiteral("в анимации больше %1 кадров").arg(kMaxFrames);
    default:
      return QStringLiteral("рисунок EMS повреждён");
  }
}

// The parts' texts in order; "…" stands for each run of missing parts
// among them.
QString JoinedText(const JoinedMessage& message) {
  QString text;
  bool gap = false, any = false;
  for (int number = 1; number <= message.count; ++number) {
    const ReceivedMessage* part = message.Part(number);
    if (part && gap) text += u'…';
    if (part) text += part->text;
    any = any || (part && !part->text.isEmpty());
    gap = !part;
  }
  return any ? text : QString();
}

// An extended object's element and the elements that continue it, in the
// next parts, as they are gathered.
class ObjectGathering {
 public:
  // Starts an object, or goes on with one that the last part left open.
  void Take(const InformationElement& element, QList<Animation>& found, QStringList& notes) {
    if (!awaited_) {
      if (data_) AddNote(notes, QStringLiteral("расширенный объект оборван"));
      data_ = element.data;
    } else {
      *data_ += element.data;
      awaited_ = false;
    }
    // The head says how long the object is; it comes whole in the first part.
    const qsizetype head = 7;
    if (data_->size() < head ||
        data_->size() < head + (uchar((*data_)[1]) << 8 | uchar((*data_)[2])))
      return;
    Animation frames;
    const FormatStatus status = DecodeExtendedObjectPicture(*data_, frames);
    if (status == FormatStatus::Ok) found << std::move(frames);
    if (const QString why = Unread(status); !why.isEmpty()) AddNote(notes, why);
    data_.reset();
  }

  // A part ends: an object it left open goes on in the next, and one it
  // did not go on with is broken off.
  void PartEnds(QStringList& notes) {
    if (awaited_) Abandon(QStringLiteral("расширенный объект оборван"), notes);
    awaited_ = data_.has_value();
  }

  void PartMissing(int number, QStringList& notes) {
    if (data_)
      Abandon(QStringLiteral("расширенный объект не собран: нет части %1").arg(number), notes);
  }

 private:
  void Abandon(const QString& why, QStringList& notes) {
    AddNote(notes, why);
    data_.reset();
    awaited_ = false;
  }

  std::optional<QByteArray> data_;
  bool awaited_ = false;  // the object goes on in this part
};

}  // namespace

HeaderObject EmsPictureObject(const Picture& picture, int reference) {
  if (const std::optional<InformationElement> element = EmsPictureElement(picture))
    return {*element, 0};
  return ExtendedObject(reference, ExtendedObjectType::BlackAndWhiteBitmap,
                        BlackAndWhiteBitmap(picture));
}

HeaderObject EmsAnimationObject(const Animation& animation, int reference) {
  if (animation.Count() == 1) return EmsPictureObject(animation.Frame(0), reference);
  if (const std::optional<InformationElement> element = EmsAnimationElement(animation))
    return {*element, 0};
  return ExtendedObject(reference, ExtendedObjectType::BlackAndWhiteAnimation,
                        BlackAndWhiteAnimation(animation));
}

FormatStatus EmsPdus(const QList<HeaderObject>& objects, const QString& text, const PhoneNumber& to,
                     int reference, QList<QByteArray>& pdus) {
  MessageContent content{.objects = objects, .reference = reference};
  DataCoding coding = DataCoding::EightBit;
  if (!text.isEmpty()) {
    const std::optional<QList<QByteArray>> septets = GsmSeptets(text);
    content.septets = septets.has_value();
    content.text = septets ? *septets : Ucs2Pieces(text);
    coding = septets ? DataCoding::Gsm7 : DataCoding::Ucs2;
  }
  QList<UserData> messages;
  if (const FormatStatus status = SplitUserData(content, messages); status != FormatStatus::Ok)
    return status;
  pdus.clear();
  for (const UserData& message : messages) pdus << SmsSubmitPdu(to, coding, message);
  return FormatStatus::Ok;
}

QList<TakenPicture> EmsPicturesIn(const JoinedMessage& message, QStringList& notes) {
  QList<Animation> found;
  ObjectGathering object;
  for (int number = 1; number <= message.count; ++number) {
    const ReceivedMessage* part = message.Part(number);
    if (!part) {
      object.PartMissing(number, notes);
      continue;
    }
    for (const InformationElement& element : part->header) {
      if (element.id == kExtendedObjectElement) {
        object.Take(element, found, notes);
        continue;
      }
      Animation frames;
      const FormatStatus status = DecodeEmsElement(element, frames);
      if (status == FormatStatus::Ok) found << std::move(frames);
      if (const QString why = Unread(status); !why.isEmpty()) AddNote(notes, why);
    }
    object.PartEnds(notes);
  }
  object.PartEnds(notes);
  QList<TakenPicture> pictures;
  const QString text = found.isEmpty() ? QString() : JoinedText(message);
  for (Animation& frames : found) pictures << TakenPicture{std::move(frames), text};
  return pictures;
}

}  // namespace tochkograf
