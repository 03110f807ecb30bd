#include "files/sms/message_file.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

#include "files/disk/system_name.h"
#include "files/sms/gammu_backup.h"
#include "files/sms/pdu_lines.h"
#include "files/sms/sms_pdu.h"
#include "files/status_texts.h"

namespace tochkograf {

namespace {

bool IsFolder(const QString& path) {
  struct stat entry {};
  return ::stat(SystemName(path).constData(), &entry) == 0 && S_ISDIR(entry.st_mode);
}

// The names in a folder, but hidden ones, in order; nothing where it
// cannot be read.
std::optional<QStringList> NamesIn(const QString& folder) {
  DIR* listing = ::opendir(SystemName(folder).constData());
  if (!listing) return std::nullopt;
  QStringList names;
  while (const dirent* entry = ::readdir(listing))
    if (entry->d_name[0] != '.' && names.size() <= kMostReceivedMessages)
      names << NameFromSystem(entry->d_name);
  ::closedir(listing);
  std::sort(names.begin(), names.end());
  return names;
}

// Reads at most `budget` bytes of the file, and one more to tell a longer
// one; a note where it is longer.
FileStatus ReadWithin(const QString& path, qint64& budget, QByteArray& bytes, QStringList& notes) {
  if (const FileStatus status = ReadFileHead(path, budget + 1, bytes); status != FileStatus::Ok)
    return status;
  if (bytes.size() > budget) {
    bytes.truncate(bytes.lastIndexOf('\n', budget - 1) + 1);
    AddNote(
        notes,
        QStringLiteral("прочитаны только первые %1 МБ").arg(kMessageFileReadLimit / (1024 * 1024)));
  }
  budget -= bytes.size();
  return FileStatus::Ok;
}

// Every plain file of a folder, as gammu-smsd keeps its inbox, a message
// or a part a file: the origins and notes named after each file.
FileStatus ReadFolder(const QString& path, QList<ReceivedMessage>& messages, QStringList& notes) {
  const std::optional<QStringList> names = NamesIn(path);
  if (!names) return StatusOfError(errno);
  qint64 budget = kMessageFileReadLimit;
  for (const QString& name : *names) {
    if (budget <= 0 || messages.size() >= kMostReceivedMessages) {
      AddNote(notes, QStringLiteral("прочитаны не все файлы папки"));
      break;
    }
    QByteArray bytes;
    QStringList read;
    const FileStatus status = ReadWithin(path + u'/' + name, budget, bytes, read);
    if (status == FileStatus::NotAFile) continue;
    if (status != FileStatus::Ok)
      AddNote(read, QStringLiteral("не прочитан: %1").arg(ReadFailureReason(status)));
    for (ReceivedMessage& message : MessagesOfFile(bytes, read)) {
      message.origin = Quoted(name) + QStringLiteral(", ") + message.origin;
      messages << std::move(message);
    }
    for (const QString& note : read) AddNote(notes, Quoted(name) + QStringLiteral(": ") + note);
  }
  return FileStatus::Ok;
}

}  // namespace

QList<ReceivedMessage> MessagesOfFile(const QByteArray& bytes, QStringList& notes) {
  if (IsGammuSmsBackup(bytes)) return MessagesOfGammuBackup(bytes, notes);
  return ReadSmsPdus(PdusOfLines(bytes, notes), notes);
}

FileStatus ReadMessageFile(const QString& path, QList<ReceivedMessage>& messages,
                           QStringList& notes) {
  QList<ReceivedMessage> read;
  QStringList said;
  if (IsFolder(path)) {
    if (const FileStatus status = ReadFolder(path, read, said); status != FileStatus::Ok)
      return status;
  } else {
    QByteArray bytes;
    qint64 budget = kMessageFileReadLimit;
    if (const FileStatus status = ReadWithin(path, budget, bytes, said); status != FileStatus::Ok)
      return status;
    read = MessagesOfFile(bytes, said);
  }
  messages = std::move(read);
  notes << said;
  return FileStatus::Ok;
}

}  // namespace tochkograf
