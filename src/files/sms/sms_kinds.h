#pragma once

#include <QByteArray>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

#include "files/format_status.h"
#include "files/sms/network_code.h"
#include "files/sms/phone_number.h"
#include "files/sms/received_message.h"
#include "picture/animation.h"
#include "picture/picture.h"

namespace tochkograf {

// What a picture is sent as.
enum class SmsKind {
  Ems,             // an EMS picture, of any size, with the text
  OperatorLogo,    // Nokia's operator logo, 72 x 14, for a network
  CallerGroup,     // Nokia's caller group graphic, 72 x 14
  PictureMessage,  // Nokia's picture message, 72 x 28, with the text
};

// What a kind's messages are made of.
struct SmsContent {
  const Animation& frames;     // every frame, for the kind that shows them
  const Picture& current;      // the frame shown, which the other kinds carry
  const QString& text;         // for the kinds that carry a text
  const NetworkCode& network;  // for the kinds that are for a network
  const PhoneNumber& to;
  int reference;  // of concatenated messages
};

// One kind of message and everything that tells it from the others. The
// command line, the dialog "SMS", the export and the modem's file read
// these rows instead of asking which kind they have: a new kind is one
// more row.
struct SmsKindRow {
  // The PDUs (sms_submit.h) of its messages; a picture it does not take,
  // or a text too long, gets the writer's status and leaves `pdus` as it was.
  using Encoder = FormatStatus (*)(const SmsContent& content, QList<QByteArray>& pdus);
  // What its messages carry, as the modem's file says: "картинка группы Nokia".
  using Description = QString (*)(const Animation& frames, const NetworkCode& network);
  // The pictures of this kind a received message holds, with a note in
  // Russian on each it holds and cannot give.
  using Decoder = QList<TakenPicture> (*)(const JoinedMessage& message, QStringList& notes);

  SmsKind kind = SmsKind::Ems;
  QString word{};     // for --kind: "caller"
  QString caption{};  // as the dialog "SMS" offers it: "Картинка группы Nokia"
  QString to_send{};  // as the help says what to send: "картинку группы Nokia"
  QSize size{};       // the one size it takes; not valid: any the editor holds
  FormatStatus other_size = FormatStatus::Ok;  // for a picture of another size
  bool text = false;                           // it carries the message's text
  bool network = false;                        // it is for one network, whose code it needs
  bool every_frame = false;                    // it carries every frame; the others the one shown
  Encoder encode = nullptr;
  Description carried = nullptr;
  Decoder decode = nullptr;

  // Whether a picture of that size can be sent as this kind: Ok, or the
  // status that names the size it needs.
  FormatStatus Fits(int width, int height) const;
};

// Every kind, in the order the dialog and the help offer them; the first is
// the one taken where none is asked for.
const QList<SmsKindRow>& SmsKinds();
const SmsKindRow& SmsKindOf(SmsKind kind);

}  // namespace tochkograf
