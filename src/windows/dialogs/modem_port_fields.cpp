#include "windows/dialogs/modem_port_fields.h"

#include <QComboBox>
#include <QIntValidator>
#include <QLineEdit>

#include "windows/dialogs/dialog_parts.h"

namespace tochkograf {

namespace {

// The speeds modems are most often set to; any other may be typed.
constexpr int kCommonSpeeds[] = {9600, 19200, 38400, 57600, 115200, 230400, 460800, 921600};

QComboBox* PortList(const QList<PresentPort>& present, const ModemPort& start, QWidget* parent) {
  auto* ports = Named(new QComboBox(parent), "port");
  ports->setEditable(true);
  ports->setInsertPolicy(QComboBox::NoInsert);
  // A long description shows in the list, not in the dialog's width.
  ports->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  ports->setMinimumContentsLength(24);
  for (const PresentPort& port : present) ports->addItem(PresentPortText(port), port.location);
  const int known = ports->findData(start.name);
  if (known >= 0)
    ports->setCurrentIndex(known);
  else
    ports->setEditText(start.name.isEmpty() && !present.isEmpty() ? ports->itemText(0)
                                                                  : start.name);
  ports->lineEdit()->setPlaceholderText(QStringLiteral("/dev/ttyUSB0"));
  return ports;
}

QComboBox* SpeedList(const ModemPort& start, QWidget* parent) {
  auto* speeds = Named(new QComboBox(parent), "speed");
  speeds->setEditable(true);
  speeds->setInsertPolicy(QComboBox::NoInsert);
  for (const int speed : kCommonSpeeds) speeds->addItem(QString::number(speed));
  speeds->setValidator(new QIntValidator(0, 99999999, speeds));
  speeds->setEditText(QString::number(start.speed));
  return speeds;
}

}  // namespace

ModemPortFields::ModemPortFields(const QList<PresentPort>& ports, const ModemPort& start,
                                 QWidget* parent)
    : port_(PortList(ports, start, parent)), speed_(SpeedList(start, parent)) {}

ModemPort ModemPortFields::Chosen() const {
  const QString typed = port_->currentText().trimmed();
  const int listed = port_->findText(port_->currentText());
  const QString name = listed >= 0 ? port_->itemData(listed).toString() : typed;
  return {name, speed_->currentText().toInt()};
}

}  // namespace tochkograf
