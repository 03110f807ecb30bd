#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QLockFile>
#include <QString>
#include <memory>
#include <vector>

#include "files/disk/file_access.h"

namespace tochkograf {

// Where running copies of the editor keep their copies of unsaved work:
// $XDG_STATE_HOME/tochkograf, or ~/.local/state/tochkograf where that is
// not set (or not an absolute path, which the standard says to ignore).
QString RecoveryFolder();

// One running copy's own recovery file. It has a name no other copy has
// (the time it started and its process), and a lock beside it held as long
// as the copy runs, by which other copies know it is not left over. A copy
// that dies leaves the lock behind, but the lock names a process that is no
// longer there, so it is taken as stale.
class RecoveryStore {
 public:
  explicit RecoveryStore(QString folder);
  ~RecoveryStore();
  RecoveryStore(const RecoveryStore&) = delete;
  RecoveryStore& operator=(const RecoveryStore&) = delete;

  // Makes the folder and takes the lock; false where neither can be, and
  // then nothing is ever written.
  bool Open();
  bool IsOpen() const { return lock_ != nullptr; }
  // Replaces the file as a save replaces a picture's file.
  FileStatus Write(const QByteArray& bytes);
  // The file is gone, if it was there.
  void Remove();
  QString Path() const { return path_; }

 private:
  QString folder_;
  QString path_;
  std::unique_ptr<QLockFile> lock_;
};

// A recovery file whose copy of the editor has gone, locked for the one
// that found it so that two copies starting together do not both offer it.
// The lock goes with it.
struct LeftOver {
  QString path;
  QDateTime written;  // local time
  std::unique_ptr<QLockFile> lock;
};

// The recovery files in `folder` that no running copy holds, newest first.
std::vector<LeftOver> ClaimLeftOvers(const QString& folder);

// Takes a damaged left-over out of the way of later starts, keeping its
// bytes beside it under a name no start looks at.
void SetAsideDamaged(const LeftOver& left_over);

}  // namespace tochkograf
