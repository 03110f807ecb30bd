#include "files/disk/recovery_store.h"

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "files/disk/safe_save.h"

namespace tochkograf {

namespace {

const QString kEnding = QStringLiteral(".unsaved");
const QString kLockEnding = QStringLiteral(".lock");
const QString kDamagedEnding = QStringLiteral(".damaged");

QString LockPathFor(const QString& path) { return path + kLockEnding; }

// A lock taken only from a copy that has gone: a running one keeps its
// lock however old it is.
std::unique_ptr<QLockFile> TryLock(const QString& path) {
  auto lock = std::make_unique<QLockFile>(LockPathFor(path));
  lock->setStaleLockTime(0);
  if (!lock->tryLock(0)) return nullptr;
  return lock;
}

// A copy that died with nothing unsaved leaves its lock alone: taking the
// lock and letting it go removes it.
void ClearLonelyLocks(const QDir& folder) {
  for (const QFileInfo& lock :
       folder.entryInfoList({QLatin1Char('*') + kEnding + kLockEnding}, QDir::Files)) {
    const QString path = lock.absoluteFilePath().chopped(kLockEnding.size());
    if (!QFileInfo::exists(path)) TryLock(path);
  }
}

}  // namespace

QString RecoveryFolder() {
  QString state = qEnvironmentVariable("XDG_STATE_HOME");
  if (state.isEmpty() || QDir::isRelativePath(state))
    state = QDir::homePath() + QStringLiteral("/.local/state");
  return state + QStringLiteral("/tochkograf");
}

RecoveryStore::RecoveryStore(QString folder) : folder_(std::move(folder)) {}

RecoveryStore::~RecoveryStore() = default;

bool RecoveryStore::Open() {
  if (lock_) return true;
  if (!QDir().mkpath(folder_)) return false;
  // Owner only: the copies are the user's unsaved pictures.
  QFile::setPermissions(folder_,
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  path_ = QStringLiteral("%1/%2-%3%4")
              .arg(folder_)
              .arg(QDateTime::currentMSecsSinceEpoch())
              .arg(::getpid())
              .arg(kEnding);
  lock_ = TryLock(path_);
  return lock_ != nullptr;
}

FileStatus RecoveryStore::Write(const QByteArray& bytes) {
  if (!lock_) return FileStatus::Missing;
  return SaveWhole(path_, bytes);
}

void RecoveryStore::Remove() {
  if (lock_) QFile::remove(path_);
}

std::vector<LeftOver> ClaimLeftOvers(const QString& folder) {
  ClearLonelyLocks(QDir(folder));
  std::vector<LeftOver> found;
  for (const QFileInfo& file :
       QDir(folder).entryInfoList({QLatin1Char('*') + kEnding}, QDir::Files)) {
    std::unique_ptr<QLockFile> lock = TryLock(file.absoluteFilePath());
    if (!lock) continue;
    found.push_back({file.absoluteFilePath(), file.lastModified(), std::move(lock)});
  }
  std::stable_sort(found.begin(), found.end(),
                   [](const LeftOver& a, const LeftOver& b) { return a.written > b.written; });
  return found;
}

void SetAsideDamaged(const LeftOver& left_over) {
  const QString aside = left_over.path + kDamagedEnding;
  QFile::remove(aside);
  QFile::rename(left_over.path, aside);
}

}  // namespace tochkograf
