#pragma once

#include <QByteArray>
#include <QList>

#include "files/format_status.h"
#include "files/sms/network_code.h"
#include "files/sms/sms_options.h"
#include "picture/animation.h"
#include "picture/picture.h"

namespace tochkograf {

// The file of AT commands that has a GSM modem send the picture (3GPP TS
// 27.005, PDU mode), lines ending in CR LF: a comment line ("#") saying
// how many messages there are and what they carry, "AT+CMGF=0", then for
// each message "AT+CMGS=<n>" and the next line its PDU in upper-case hex,
// the service centre field 00 first and n the octets after it. A script
// sends each command with a CR, and each PDU, after the modem's prompt,
// with Ctrl+Z.
//
// The messages are those of the kind `options` ask for (sms_kinds.h), a
// kind for a network's phones for `network`. Their
// references are taken from what they carry, so that the same picture and
// text give the same file. BadRecipient for a number the messages cannot
// carry; a picture the kind does not take, or a text too long, gets its
// writer's status; `bytes` then stays as it was.
FormatStatus EncodeModemCommands(const Picture& picture, const SmsOptions& options,
                                 const NetworkCode& network, QByteArray& bytes);

// The same of an animation: a kind that shows every frame carries all of
// `frames`; the others, which show no animation, the frame `current`, one
// of them.
FormatStatus EncodeModemCommands(const Animation& frames, const Picture& current,
                                 const SmsOptions& options, const NetworkCode& network,
                                 QByteArray& bytes);

// The PDUs of that file's messages, service centre's field first, which a
// modem is given one by one: the same status, and `pdus` as it was on a
// failure.
FormatStatus ModemPdus(const Animation& frames, const Picture& current, const SmsOptions& options,
                       const NetworkCode& network, QList<QByteArray>& pdus);

// How many messages that file sends, whatever the recipient; or the
// writer's status where it would refuse what they carry.
FormatStatus CountModemMessages(const Animation& frames, const Picture& current,
                                const SmsOptions& options, const NetworkCode& network, int& count);

}  // namespace tochkograf
