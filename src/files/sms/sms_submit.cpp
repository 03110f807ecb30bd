#include "files/sms/sms_submit.h"

#include "files/octets.h"

namespace tochkograf {

namespace {

constexpr int kOwnServiceCentre = 0x00;
constexpr int kSubmitWithHeader = 0x41;  // TP-MTI 01, TP-VPF 00, TP-UDHI
constexpr int kFirstReference = 0x00;    // the modem sets its own
constexpr int kPlainProtocol = 0x00;

}  // namespace

QByteArray SmsSubmitPdu(const PhoneNumber& to, DataCoding coding, const UserData& data) {
  return Octets({kOwnServiceCentre, kSubmitWithHeader, kFirstReference}) + AddressField(to) +
         Octets({kPlainProtocol, int(coding), data.length}) + data.octets;
}

}  // namespace tochkograf
