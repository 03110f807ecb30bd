#pragma once

#include <QString>

#include "files/sms/received_pictures.h"

namespace tochkograf {

// The pictures in the messages a source holds, for --receive and for the
// window that takes pictures from a phone: today a file or a folder of
// messages (message_file.h); this is where sources are told apart, so a modem's
// port joins here. Nothing when done; otherwise why the source cannot be
// read, as the end of a sentence that names it.
QString ReceiveFromSource(const QString& source, Reception& reception);

}  // namespace tochkograf
