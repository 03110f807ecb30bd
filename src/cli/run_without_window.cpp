#include "cli/run_without_window.h"

#include <QStringList>

#include "cli/image_input.h"
#include "cli/receive_command.h"
#include "cli/silenced_stderr.h"
#include "files/disk/file_access.h"
#include "files/disk/safe_save.h"
#include "files/sms/sms_kinds.h"
#include "files/status_texts.h"
#include "images/file_formats.h"
#include "images/png_codec.h"
#include "images/thumbnail.h"

namespace tochkograf {

namespace {

QString Failure(const QString& verb, const QString& name, const QString& reason) {
  return QStringLiteral("tochkograf: не удалось %1 «%2»: %3.\n").arg(verb, name, reason);
}

QString ReadFailure(const QString& name, const QString& reason) {
  return Failure(QStringLiteral("прочитать"), name, reason);
}

QString WriteFailure(const QString& name, const QString& reason) {
  return Failure(QStringLiteral("записать"), name, reason);
}

// Reads the picture `name` holds, by the reader of its type; an error
// message when it cannot.
QString Load(const QString& name, Picture& picture) {
  const FileFormatList readers = Where(BuiltInFormats(), Reads);
  const FileFormat* format = FormatOfName(readers, name);
  if (!format) return ReadFailure(name, UnknownTypeReason(readers));
  const ReadStatus status = [&] {
    const SilencedStderr quiet;
    return ReadPictureFile(name, *format, picture);
  }();
  return status.Ok() ? QString() : ReadFailure(name, status.Reason());
}

QString Save(const QString& name, const QByteArray& bytes) {
  const FileStatus file = SaveWhole(name, bytes);
  return file == FileStatus::Ok ? QString() : WriteFailure(name, WriteFailureReason(file));
}

Outcome Failed(const QString& message) { return {1, {}, message}; }

// Set up once for the commands that read and write files.
void PrepareFileCommand() { UseBuiltInCodecsOnly(); }

Outcome MakeThumbnail(const CommandLine& command) {
  Picture picture;
  if (const QString error = Load(command.in, picture); !error.isEmpty()) return Failed(error);
  QByteArray bytes;
  if (const FormatStatus status = PngBytes(Thumbnail(picture, command.size), bytes);
      status != FormatStatus::Ok)
    return Failed(WriteFailure(command.out, FormatFailureReason(status)));
  const QString error = Save(command.out, bytes);
  return error.isEmpty() ? Outcome{} : Failed(error);
}

// What the dialogs of the export would ask for `target`, from the options;
// the option missing, if one is.
QString PhoneAnswers(const FileFormat& target, const PhoneOptions& phone, WriteOptions& options) {
  options.sms = phone.sms;
  options.network = phone.network.value_or(NetworkCode{});
  const QString network = QStringLiteral("нужен код сети: --network MCC-MNC");
  switch (target.question) {
    case ExportQuestion::None:
    case ExportQuestion::CArray:
      return {};
    case ExportQuestion::Sms:
      if (phone.sms.recipient.isEmpty())
        return QStringLiteral("нужен номер получателя: --to НОМЕР");
      return SmsKindOf(phone.sms.kind).network && !phone.network ? network : QString();
    case ExportQuestion::NetworkCode:
      return phone.network ? QString() : network;
  }
  return {};
}

// The type the output's name calls for; with --strip, the one of its
// extension that writes every frame.
const FileFormat* OutputType(const CommandLine& command, const FileFormatList& writers) {
  if (!command.strip) return FormatOfName(writers, command.out);
  return FormatOfName(Where(writers, [](const FileFormat& format) { return format.every_frame; }),
                      command.out);
}

Outcome Convert(const CommandLine& command) {
  const FileFormatList writers = Where(BuiltInFormats(), Writes);
  const FileFormat* target = OutputType(command, writers);
  // The output's type is checked first, so a misnamed output costs no read.
  if (!target) return Failed(WriteFailure(command.out, UnknownTypeReason(writers)));
  Animation animation;
  if (const QString reason = ReadInputAnimation(command, animation); !reason.isEmpty())
    return Failed(ReadFailure(command.in, reason));
  // The types that write one picture take the first frame.
  const Picture picture = animation.Frame(0);
  WriteOptions options{command.out};
  if (target->every_frame) options.animation = animation;
  if (const QString missing = PhoneAnswers(*target, command.phone, options); !missing.isEmpty())
    return Failed(WriteFailure(command.out, missing));
  QByteArray bytes;
  options.c_array = command.display.Written();
  const FormatStatus status = target->write(picture, options, bytes);
  if (status != FormatStatus::Ok)
    return Failed(WriteFailure(command.out, FormatFailureReason(status)));
  const QString error = Save(command.out, bytes);
  return error.isEmpty() ? Outcome{} : Failed(error);
}

}  // namespace

Outcome RunWithoutWindow(const CommandLine& command) {
  switch (command.action) {
    case Action::Help:
      return {0, CommandLineHelp(), {}};
    case Action::Version:
      return {0, VersionLine(), {}};
    case Action::Thumbnail:
      PrepareFileCommand();
      return MakeThumbnail(command);
    case Action::Convert:
      if (!NeedsImagePlugins(command.in)) PrepareFileCommand();
      return Convert(command);
    case Action::Receive:
      PrepareFileCommand();
      return ReceiveIntoFolder(command);
    case Action::Misuse:
    case Action::Edit:
      break;
  }
  return {2,
          {},
          QStringLiteral("tochkograf: %1.\n").arg(command.problem) + CommandLineUsage() +
              QStringLiteral("Подробнее: tochkograf --help\n")};
}

}  // namespace tochkograf
