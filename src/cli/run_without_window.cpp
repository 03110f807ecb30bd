#include "cli/run_without_window.h"

#include <QStringList>

#include "cli/font_export_command.h"
#include "cli/image_input.h"
#include "cli/receive_command.h"
#include "cli/silenced_stderr.h"
#include "devices/modem_runs.h"
#include "files/disk/file_access.h"
#include "files/disk/safe_save.h"
#include "files/sms/modem_commands.h"
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
    case ExportQuestion::Sketch:
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
  QString left_over;
  if (const QString reason = ReadInputAnimation(command, animation, &left_over); !reason.isEmpty())
    return Failed(ReadFailure(command.in, reason));
  // The types that write one picture take the first frame.
  const Picture picture = animation.Frame(0);
  WriteOptions options{command.out};
  if (target->every_frame) options.animation = animation;
  if (const QString missing = PhoneAnswers(*target, command.phone, options); !missing.isEmpty())
    return Failed(WriteFailure(command.out, missing));
  QByteArray bytes;
  options.c_array = command.display.Written();
  options.sketch = command.display.Sketch();
  const FormatStatus status = target->write(picture, options, bytes);
  if (status != FormatStatus::Ok)
    return Failed(WriteFailure(command.out, FormatFailureReason(status)));
  const QString error = Save(command.out, bytes);
  if (!error.isEmpty()) return Failed(error);
  // Written all the same: the note says what was left out.
  if (left_over.isEmpty()) return {};
  return {0, {}, QStringLiteral("tochkograf: «%1»: %2.\n").arg(command.in, left_over)};
}

// The messages of the input through the modem, each told of as it goes.
Outcome Send(const CommandLine& command, const std::function<void(const QString&)>& say) {
  const auto failed = [&command](const QString& reason) {
    return Failed(Failure(QStringLiteral("отправить"), command.in, reason));
  };
  Animation animation;
  if (const QString reason = ReadInputAnimation(command, animation); !reason.isEmpty())
    return Failed(ReadFailure(command.in, reason));
  QList<QByteArray> pdus;
  if (const FormatStatus status = ModemPdus(animation, animation.Frame(0), command.phone.sms,
                                            command.phone.network.value_or(NetworkCode{}), pdus);
      status != FormatStatus::Ok)
    return failed(FormatFailureReason(status));
  Outcome outcome;
  const ModemOutcome sent = SendThroughModem(command.device, pdus, [&](int count, int total) {
    const QString line = QStringLiteral("SMS %1 из %2 отправлено\n").arg(count).arg(total);
    if (say)
      say(line);
    else
      outcome.out += line;
  });
  if (!sent.ok) {
    outcome.exit_code = 1;
    outcome.err = failed(sent.reason).err;
  }
  return outcome;
}

}  // namespace

Outcome RunWithoutWindow(const CommandLine& command,
                         const std::function<void(const QString& line)>& say) {
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
    case Action::Send:
      if (!NeedsImagePlugins(command.in)) PrepareFileCommand();
      return Send(command, say);
    case Action::Receive:
      PrepareFileCommand();
      return ReceiveIntoFolder(command);
    case Action::FontExport:
      return ExportFontFile(command);
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
