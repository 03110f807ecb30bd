#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace tochkograf {

// Why a file could not be read or written, for the words the user reads.
enum class FileStatus {
  Ok,
  Missing,       // no such file, or no such folder on the way to it
  NotAFile,      // a folder or another thing that is not a plain file
  NoPermission,  // the file or its folder is not ours to read or write
  ReadOnlyDisk,  // the file system takes no writes
  NameTooLong,   // the name, or a folder's name in it, is longer than the system takes
  NoSpace,       // the disk, or the user's share of it, is full
  TooLarge,      // the file would pass the size the system lets this program write
  Failed,        // the system refused for another reason
};

// What the system's error number (errno) of a failed call means for the user.
FileStatus StatusOfError(int error);

// Reads the first `limit` bytes of a file, as ReadHead does, and says why it
// could not.
FileStatus ReadFileHead(const QString& name, qint64 limit, QByteArray& bytes);

// Opens a file for reading in `file`, as OpenToRead does, and says why it
// could not.
FileStatus OpenFileToRead(const QString& name, QFile& file);

}  // namespace tochkograf
