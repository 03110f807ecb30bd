#pragma once

#include <QString>

#include "files/disk/file_access.h"
#include "files/format_status.h"

namespace tochkograf {

// The reason a file could not be read or written, in Russian, as the end
// of a sentence that names the file: lower case, no full stop.
QString ReadFailureReason(FileStatus status);
QString WriteFailureReason(FileStatus status);
QString FormatFailureReason(FormatStatus status);

// Why a file could not be read: the file itself, or what it holds.
struct ReadStatus {
  FileStatus file = FileStatus::Ok;
  FormatStatus format = FormatStatus::Ok;

  bool Ok() const { return file == FileStatus::Ok && format == FormatStatus::Ok; }
  // As the reasons above; empty when Ok.
  QString Reason() const;
};

// A file's name as messages show it: without its folder, and a very long
// one without its middle.
QString ShownName(const QString& path);

// The line that follows a failure message's own sentence: the file's name,
// as ShownName has it, and the reason, "«cat.ems»: файл не найден."
QString FileReasonLine(const QString& path, const QString& reason);

// A text quoted as messages quote names and arguments: «text».
QString Quoted(const QString& text);

// A picture's size as messages write it, "64 x 16", with non-breaking
// spaces so that no message breaks it across lines.
QString SizeText(int width, int height);

}  // namespace tochkograf
