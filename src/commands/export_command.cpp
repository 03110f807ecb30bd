#include "commands/export_command.h"

#include <QFileInfo>

#include "commands/c_array_export.h"
#include "commands/file_filters.h"
#include "files/file_access.h"
#include "files/status_texts.h"
#include "images/file_formats.h"
#include "picture/frames.h"

namespace tochkograf {

namespace {

QString Failure(const QString& path, const QString& reason) {
  return QStringLiteral("Рисунок не экспортирован в %1: %2.").arg(Quoted(ShownName(path)), reason);
}

FilterTable ExportFilters(const FileFormatList& formats) {
  FilterTable filters;
  for (const FileFormat* format : formats) filters << FilterOf(*format);
  return filters;
}

// The type the name's extension calls for, or else the one chosen, whose
// extension the name then gets.
const FileFormat* TypeFor(QString& path, const FileFormatList& formats, int chosen) {
  if (const FileFormat* format = FormatOfName(formats, path)) return format;
  const FileFormat* format = formats.value(chosen, formats.first());
  path += QLatin1Char('.') + format->extensions.first();
  return format;
}

// The name the dialog offers: the picture's own, without its extension.
QString OfferedName(const DocumentState& state) {
  return state.FileName == kUntitled ? QString() : QFileInfo(state.FileName).completeBaseName();
}

}  // namespace

void fileexport(DocumentCommands& commands, CArrayOptionsWindow& c_array,
                PhoneExportDialogs* phone) {
  DocumentContext& document = commands.Document();
  const FileFormatList formats = Where(BuiltInFormats(), Exported);
  int type = 0;
  QString path = commands.ChooseFileToWrite(kExportTitle, ExportFilters(formats),
                                            OfferedName(document.state), type);
  if (path.isEmpty()) return;
  const FileFormat* format = TypeFor(path, formats, type);
  const QFileInfo target(path);
  if (target.exists() && !target.isFile()) {
    document.messages.ShowFailure(Failure(path, ReadFailureReason(FileStatus::NotAFile)));
    return;
  }
  if (target.exists() && !document.messages.AskReplace(kExportTitle, target.fileName())) return;
  const DocumentState& state = document.state;
  const Picture picture{state.MX, state.MY, state.Pixels};
  WriteOptions options{path};
  if (format->every_frame) options.animation = AnimationOf(state);
  if (phone && !AskPhoneExportOptions(*phone, *format, picture, options)) return;
  if (format->question == ExportQuestion::CArray &&
      !AskCArrayExport(commands, c_array, picture, options))
    return;
  QByteArray bytes;
  const FormatStatus written = format->write(picture, options, bytes);
  if (written != FormatStatus::Ok) {
    document.messages.ShowFailure(Failure(path, FormatFailureReason(written)));
    return;
  }
  const FileStatus saved = SaveWholeFile(path, bytes);
  if (saved != FileStatus::Ok) {
    document.messages.ShowFailure(Failure(path, WriteFailureReason(saved)));
    return;
  }
  commands.Used(path);
}

}  // namespace tochkograf
