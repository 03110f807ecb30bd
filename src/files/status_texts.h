#pragma once

#include <QString>

#include "files/file_access.h"
#include "files/format_status.h"

namespace tochkograf {

// The reason a file could not be read or written, in Russian, as the end
// of a sentence that names the file: lower case, no full stop.
QString ReadFailureReason(FileStatus status);
QString WriteFailureReason(FileStatus status);
QString FormatFailureReason(FormatStatus status);

}  // namespace tochkograf
