#include "commands/transfer/export_command.h"

#include <QFileInfo>

#include "commands/file_filters.h"
#include "commands/transfer/c_array_export.h"
#include "files/disk/file_access.h"
#include "files/disk/safe_save.h"
#include "files/status_texts.h"
#include "images/file_formats.h"
#include "picture/frames.h"

namespace tochkograf {

namespace {

QString Failure(const QString& path, const QString& reason) {
  return QStringLiteral("Рисунок не экспортирован в %1: %2.").arg(Quoted(ShownName(path)), reason);
}

// Of an animation, the types that write one picture say that they write
// the current frame.
FilterTable ExportFilters(const FileFormatList& formats, bool animation) {
  FilterTable filters;
  for (const FileFormat* format : formats) {
    FileFilter filter = FilterOf(*format);
    if (animation && !format->every_frame) filter.description += QStringLiteral(", текущий кадр");
    filters << filter;
  }
  return filters;
}

// The type chosen where the name's extension is its own (a .png may be a
// strip of frames), else the type the extension calls for, or else the one
// chosen, whose extension the name then gets.
const FileFormat* TypeFor(QString& path, const FileFormatList& formats, int chosen) {
  const FileFormat* format = formats.value(chosen, formats.first());
  if (FormatsOfName({format}, path).size() == 1) return format;
  if (const FileFormat* named = FormatOfName(formats, path)) return named;
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
  QString path = commands.ChooseFileToWrite(kExportTitle,
                                            ExportFilters(formats, FrameCount(document.state) > 1),
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
  if (format->question == ExportQuestion::Sketch &&
      !AskSketchExport(commands, c_array, picture, options))
    return;
  QByteArray bytes;
  const FormatStatus written = format->write(picture, options, bytes);
  if (written != FormatStatus::Ok) {
    document.messages.ShowFailure(Failure(path, FormatFailureReason(written)));
    return;
  }
  const FileStatus saved = SaveWhole(path, bytes);
  if (saved != FileStatus::Ok) {
    document.messages.ShowFailure(Failure(path, WriteFailureReason(saved)));
    return;
  }
  commands.Used(path);
}

}  // namespace tochkograf
