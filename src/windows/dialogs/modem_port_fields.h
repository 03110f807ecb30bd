#pragma once

#include <QList>

#include "devices/modem_port.h"
#include "devices/port_list.h"

class QComboBox;
class QWidget;

namespace tochkograf {

// The modem's port and speed as the dialogs ask for them: a list of the
// ports present that also takes a typed name, and a list of the common
// speeds that also takes a typed one.
class ModemPortFields {
 public:
  // Starting from `start`: a port of `ports` is chosen by its file, another
  // is typed in, and none chosen starts from the first of the list.
  ModemPortFields(const QList<PresentPort>& ports, const ModemPort& start, QWidget* parent);

  QComboBox* Port() const { return port_; }
  QComboBox* Speed() const { return speed_; }
  // The port as chosen or typed (a port of the list by its file), and the
  // speed.
  ModemPort Chosen() const;

 private:
  QComboBox* port_;
  QComboBox* speed_;
};

}  // namespace tochkograf
