#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include "files/disk/recovery_store.h"

namespace tochkograf {

class Form1;

// Keeps a copy of the main window's unsaved work in this copy of the
// program's own recovery file, so that it survives the program being
// killed, and offers the copies that ended copies left behind.
//
// The copy is written a tick or two after the document stops changing, and
// at the latest kLongestWait after the first change it lacks, but never
// while a stroke or a shape is being drawn; it goes as soon as the
// document has no unsaved changes (a save, New, Open).
class RecoveryKeeper : public QObject {
  Q_OBJECT

 public:
  static constexpr int kTickMilliseconds = 1000;
  static constexpr int kLongestWait = 3000;

  // Nothing is kept where `folder` can't be made or locked.
  RecoveryKeeper(Form1& form, QString folder, int tick_milliseconds = kTickMilliseconds,
                 QObject* parent = nullptr);

  // Asks about each copy that a copy of the program no longer running left
  // in the folder, newest first: "Да" brings it in as the document, "Нет"
  // removes it, "Позже" leaves it for the next start. A damaged one is set
  // aside with a message.
  void OfferLeftOvers();
  // Writes the copy at once where there are unsaved changes, stroke or not:
  // the program is about to end without asking.
  void WriteNow();
  // The user has ended the program and answered for the changes: the copy
  // goes.
  void Discard();

 private:
  void Tick();
  // Right after a command, which may have saved or dropped the changes.
  void AfterCommand();
  void Write(const QByteArray& bytes);
  void Forget();

  Form1& form_;
  QString folder_;
  RecoveryStore store_;
  QTimer timer_;
  QByteArray written_;       // what the file holds; empty while there is none
  QByteArray seen_;          // the copy at the last tick
  QElapsedTimer unwritten_;  // since the first change the file lacks
  bool warned_ = false;
};

}  // namespace tochkograf
