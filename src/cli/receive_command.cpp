#include "cli/receive_command.h"

#include <QHash>

#include "devices/received_source.h"
#include "files/disk/numbered_file.h"
#include "files/formats/ems_animation.h"
#include "files/status_texts.h"

namespace tochkograf {

namespace {

QString Problem(const QString& text) { return QStringLiteral("tochkograf: %1.\n").arg(text); }

// The start of a picture's file name: whose it is, by the letters and
// digits of the address.
QString Stem(const ReceivedPicture& picture) {
  QString address;
  for (const QChar c : picture.address)
    if (c.isLetterOrNumber()) address += c;
  if (address.isEmpty()) address = QStringLiteral("unknown");
  return (picture.submitted ? QStringLiteral("to-") : QStringLiteral("from-")) + address;
}

QString TimeText(const QDateTime& time) {
  if (!time.isValid()) return QStringLiteral("время неизвестно");
  return time.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss ")) + time.timeZoneAbbreviation();
}

// What is written of a picture: "from-7916-1.ems: Рисунок EMS, 16 x 16, кадров: 1, ...".
QString Line(const QString& file, const ReceivedPicture& picture) {
  QStringList parts{SmsKindOf(picture.kind).caption,
                    SizeText(picture.frames.width, picture.frames.height),
                    QStringLiteral("кадров: %1").arg(picture.frames.Count())};
  const QString address = picture.address.isEmpty() ? QStringLiteral("?") : picture.address;
  parts << (picture.submitted ? QStringLiteral("для ") : QStringLiteral("от ")) + address;
  parts << TimeText(picture.time);
  if (picture.network) parts << QStringLiteral("сеть ") + NetworkCodeText(*picture.network);
  if (!picture.text.isEmpty())
    parts << QStringLiteral("текст ") + Quoted(QString(picture.text).replace(u'\n', u' '));
  return file + QStringLiteral(": ") + parts.join(QStringLiteral(", ")) + u'\n';
}

}  // namespace

Outcome ReceiveIntoFolder(const CommandLine& command) {
  Reception reception;
  if (const QString reason = ReceiveFromSource({command.in}, reception); !reason.isEmpty())
    return {
        1, {}, Problem(QStringLiteral("не удалось прочитать «%1»: %2").arg(command.in, reason))};
  Outcome outcome;
  for (const QString& note : reception.notes) outcome.err += Problem(note);
  if (reception.pictures.isEmpty()) {
    outcome.err += Problem(QStringLiteral("в «%1» нет рисунков").arg(command.in));
    outcome.exit_code = 1;
    return outcome;
  }
  if (const FileStatus status = MakeFolder(command.out); status != FileStatus::Ok) {
    const QString reason = status == FileStatus::NotAFile ? QStringLiteral("это не папка")
                                                          : WriteFailureReason(status);
    outcome.err +=
        Problem(QStringLiteral("не удалось создать папку «%1»: %2").arg(command.out, reason));
    outcome.exit_code = 1;
    return outcome;
  }
  QHash<QString, int> next;  // the number each stem tries next
  for (const ReceivedPicture& picture : reception.pictures) {
    QString name;
    const QByteArray bytes = EncodeEmsAnimation(EmsAnimationOf(picture.frames));
    const QString stem = Stem(picture);
    int& number = next.insert(stem, next.value(stem, 1)).value();
    if (const FileStatus status =
            SaveNumbered(command.out, stem, QStringLiteral(".ems"), bytes, number, name);
        status != FileStatus::Ok) {
      outcome.err += Problem(QStringLiteral("не удалось записать рисунок в «%1»: %2")
                                 .arg(command.out, WriteFailureReason(status)));
      outcome.exit_code = 1;
      return outcome;
    }
    outcome.out += Line(name, picture);
  }
  return outcome;
}

}  // namespace tochkograf
