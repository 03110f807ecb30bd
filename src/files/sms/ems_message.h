#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "files/format_status.h"
#include "files/sms/phone_number.h"
#include "files/sms/received_message.h"
#include "files/sms/sms_user_data.h"
#include "picture/animation.h"
#include "picture/picture.h"

namespace tochkograf {

// EMS messages (3GPP TS 23.040): objects at the start of a text, carried
// in the messages' headers.

// The object that carries a picture: its EMS element where its pixels fit
// one (ems_element.h), otherwise a black-and-white bitmap as an extended
// object with the reference `reference`.
HeaderObject EmsPictureObject(const Picture& picture, int reference);

// The object that carries every frame: one frame as EmsPictureObject; a
// large or small animation as its element (ems_element.h); any other as a
// black-and-white animation, an extended object with `reference`.
HeaderObject EmsAnimationObject(const Animation& animation, int reference);

// The SMS-SUBMIT PDUs (sms_submit.h) of the objects before the text, in
// order: one message where all fits, otherwise concatenated ones (element
// 08, the 16-bit reference `reference`). The text is in the GSM 7-bit
// default alphabet where every character has a code there, otherwise in
// UCS-2; without a text the messages are 8-bit data. TooManyMessages where
// more than 255 messages would be needed; `pdus` then stays as it was.
FormatStatus EmsPdus(const QList<HeaderObject>& objects, const QString& text, const PhoneNumber& to,
                     int reference, QList<QByteArray>& pdus);

// Every picture and animation a received message holds in its parts'
// headers, in order: the elements ems_element.h reads, and the extended
// objects of black-and-white pictures and animations, each of which may go
// on in the first such element of the next part. Each comes with the
// message's text, "…" where parts are missing. What holds no picture
// (sounds, formatting) is passed over; a picture that cannot be read, or
// an object whose next part is missing, gets a note in Russian.
QList<TakenPicture> EmsPicturesIn(const JoinedMessage& message, QStringList& notes);

}  // namespace tochkograf
