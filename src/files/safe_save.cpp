#include "files/safe_save.h"

#include <QFileInfo>
#include <QSaveFile>

#include "files/system_name.h"
#include "files/system_name_save.h"

namespace tochkograf {

namespace {

// The owner's, group's and others' bits. Qt also reports what the current
// user may do, and for root that includes writing a read-only file: setting
// those bits back would make the file writable.
QFileDevice::Permissions ModeBits(QFileDevice::Permissions permissions) {
  using P = QFileDevice;
  const QFileDevice::Permissions owner_group_other = P::ReadOwner | P::WriteOwner | P::ExeOwner |
                                                     P::ReadGroup | P::WriteGroup | P::ExeGroup |
                                                     P::ReadOther | P::WriteOther | P::ExeOther;
  return permissions & owner_group_other;
}

}  // namespace

bool SaveWhole(const QString& path, const QByteArray& bytes) {
  if (!QtReachesName(path)) return SaveUnderSystemName(path, bytes);
  // Replacing a file by renaming over it would go round its read-only mark.
  const QFileInfo existing(path);
  if (existing.exists() && (!existing.isFile() || !existing.isWritable())) return false;
  QSaveFile file(path);
  file.setDirectWriteFallback(true);
  if (!file.open(QIODevice::WriteOnly)) return false;
  // commit() would not notice a failure of the final flush (a full disk),
  // and would put a cut-off file in place of the old one: flush first.
  if (file.write(bytes) != bytes.size() || !file.flush() ||
      (existing.exists() && !file.setPermissions(ModeBits(existing.permissions())))) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

}  // namespace tochkograf
