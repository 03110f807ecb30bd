#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "files/c_array/c_array_code.h"
#include "picture/animation.h"

namespace tochkograf {

// What the Arduino sketch is made for: the export's "Скетч Arduino" dialog
// asks for it, the command line gives it.
struct SketchOptions {
  int address = 0x3C;     // the display's on the I2C bus
  int panel_height = 64;  // 128 x 64 or 128 x 32
  Compression compression = Compression::None;
  QString name{};  // the array's, a C identifier; empty: the writer's caller makes one

  bool operator==(const SketchOptions&) const = default;
};

// The choices the dialog and the command line offer.
const QList<int>& SketchAddresses();
const QList<int>& PanelHeights();

// "0x3C".
QString AddressText(int address);

// A complete Arduino sketch that shows the frames on an SSD1306 OLED panel
// 128 wide on I2C, with nothing but the Wire library: it initialises the
// controller (charge pump on, horizontal addressing, segment remap and COM
// scan for the usual module orientation) and sends the whole panel, the
// picture centred on it (left and top margins (128 - width) / 2 and
// (panel height - height) / 2, rounded down; a picture taller than the
// panel loses its top and bottom rows), ink lit and the rest dark, in
// transfers of 32 bytes, which the Wire buffer of every core holds. An
// animation plays in loop() round and round, each frame due its duration
// after the one before by millis(), so the time a transfer takes does not
// add up. The frames are kept in the layout of the controller's memory,
// in PROGMEM on AVR and plain const elsewhere; compressed, each is
// unpacked in its turn into a buffer of one frame. It compiles as plain
// C++ (<Arduino.h> comes first and every function is defined before its
// use), with no warning under -Wall.
// ASSUMPTION: options.name is a C identifier; the address and the height
// are of those offered.
QByteArray EncodeArduinoSketch(const Animation& animation, const SketchOptions& options);

}  // namespace tochkograf
