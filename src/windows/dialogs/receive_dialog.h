#pragma once

#include <QDialog>
#include <QList>
#include <optional>

#include "devices/port_list.h"
#include "files/sms/received_pictures.h"
#include "windows/dialogs/modem_port_fields.h"

class QLabel;
class QPushButton;
class QTreeWidget;

namespace tochkograf {

class FileDialogPlatform;

// The window of "Принять с телефона...": where the messages are (a modem's
// port and speed, or a file or folder of messages chosen with "Файл..."),
// "Прочитать", then every picture they hold, a row each with its preview
// at its own size, its kind and size, its sender (or recipient), its time
// and its text, and the notes below. Enter in the source's field reads it;
// Enter in the list, a double click or "Открыть" takes the picture chosen.
class ReceiveDialog : public QDialog {
  Q_OBJECT

 public:
  ReceiveDialog(const QList<PresentPort>& ports, const ModemPort& start, FileDialogPlatform& files,
                QWidget* parent);
  ~ReceiveDialog() override;

  // Reads the source as it is named now; the list then shows its pictures,
  // or the line below says why there are none.
  void Read();
  // The picture chosen in the list; nothing while none is.
  std::optional<ReceivedPicture> Chosen() const;
  // The port and speed as they stand, for the next opening.
  ModemPort Port() const { return modem_.Chosen(); }

 public slots:
  void accept() override;

 private:
  void ChooseFile();
  void ShowReception(const Reception& reception);
  void Widen();
  // To at least `size`, kept on the screen.
  void Grow(QSize size);
  void Say(const QString& line);

  ModemPortFields modem_;
  FileDialogPlatform& files_;
  QTreeWidget* list_ = nullptr;
  QLabel* notes_ = nullptr;
  QPushButton* open_ = nullptr;
  QList<ReceivedPicture> pictures_;
};

}  // namespace tochkograf
