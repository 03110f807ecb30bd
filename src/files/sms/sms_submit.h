#pragma once

#include <QByteArray>

#include "files/sms/phone_number.h"
#include "files/sms/sms_user_data.h"

namespace tochkograf {

// How a message's user data is coded (TP-DCS). None of them is a flash
// message (class 0), which a phone would show and not keep.
enum class DataCoding : unsigned char {
  Gsm7 = 0x00,       // the GSM 7-bit default alphabet
  EightBit = 0x04,   // octets, no class
  Ucs2 = 0x08,       // UTF-16, big-endian
  SmartData = 0xF5,  // octets for the phone's own use (class 1), as Nokia's smart messages go
};

// An SMS-SUBMIT (3GPP TS 23.040) as a modem's PDU mode sends it: an empty
// service centre address (00: the phone's own), then the first octet
// (SMS-SUBMIT, no validity period, a user data header), message reference
// 00, the destination, protocol 00, the coding, and the user data with its
// length.
QByteArray SmsSubmitPdu(const PhoneNumber& to, DataCoding coding, const UserData& data);

}  // namespace tochkograf
