#pragma once

#include <QString>

#include "devices/modem_port.h"
#include "files/sms/received_pictures.h"

namespace tochkograf {

// The pictures in the messages a source holds, for --receive and for the
// window that takes pictures from a phone. This is where sources are told
// apart: a file or a folder of messages (message_file.h), or a serial
// port ("/dev/ttyUSB0" or "ttyUSB0"), which is read as a modem's at the
// source's speed. Nothing when done; otherwise why the source cannot be
// read, as the end of a sentence that names it.
QString ReceiveFromSource(const ModemPort& source, Reception& reception);

// The same of every message stored on the modem at `port`, from each of its
// memories; nothing on it is deleted or marked. A conversation that breaks
// off after some messages were listed gives those, with why it broke off
// as the last note.
QString ReceiveFromModem(const ModemPort& port, Reception& reception);

}  // namespace tochkograf
