#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "files/format_status.h"
#include "files/sms/network_code.h"
#include "files/sms/phone_number.h"
#include "files/sms/received_message.h"
#include "picture/picture.h"

namespace tochkograf {

// Nokia's smart messages: 8-bit data for an application of the phone,
// named by the destination port in the header's 16-bit application port
// element (05; source port 0), each picture an OTA bitmap (otb_format.h)
// whose rows run on. Each gives the SMS-SUBMIT PDUs (sms_submit.h), and
// refuses a picture of another size with a status that names the size
// needed, leaving `pdus` as it was.

// The operator logo (port 0x1582): the network's code in BCD
// (network_code.h), then the 72 x 14 bitmap; one message.
FormatStatus NokiaOperatorLogoPdus(const Picture& picture, const NetworkCode& network,
                                   const PhoneNumber& to, QList<QByteArray>& pdus);

// The caller group graphic (port 0x1583): the 72 x 14 bitmap; one message.
FormatStatus NokiaCallerGroupPdus(const Picture& picture, const PhoneNumber& to,
                                  QList<QByteArray>& pdus);

// The picture message (port 0x158A): version 30, the picture item (02,
// its length in 16 bits big-endian, the 72 x 28 bitmap), then, where there
// is a text, the text item: 00 and the text in ISO 8859-1 where it has no
// other letters, otherwise 01 and the text in UCS-2, after its length in
// octets. Concatenated messages, the element 00 (the 8-bit reference
// `reference`) beside the ports in every header.
FormatStatus NokiaPictureMessagePdus(const Picture& picture, const QString& text,
                                     const PhoneNumber& to, int reference, QList<QByteArray>& pdus);

// The same read from a received message whose 16-bit ports name the
// application, its parts' data joined up to the first part missing: the
// picture of any size the editor holds, with its network or its text (the
// items of a picture message in any order; items of other kinds passed
// over). Nothing for a message to another port; nothing, and a note in
// Russian, where the picture cannot be read.
QList<TakenPicture> NokiaOperatorLogoIn(const JoinedMessage& message, QStringList& notes);
QList<TakenPicture> NokiaCallerGroupIn(const JoinedMessage& message, QStringList& notes);
QList<TakenPicture> NokiaPictureMessageIn(const JoinedMessage& message, QStringList& notes);

}  // namespace tochkograf
