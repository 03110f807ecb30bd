#pragma once

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <optional>

// What gammu's Python module reads of the modem commands `bytes`, one line
// an entry, as tests/files/gammu_reads_at.py prints them (the test target
// defines TOCHKOGRAF_GAMMU_SCRIPT); nothing where the module is not
// installed. A script that fails gives its complaint as the one line, so
// that no comparison passes.
inline std::optional<QStringList> GammuReading(const QByteArray& bytes) {
  QTemporaryDir dir;
  QFile file(dir.filePath("pic.at"));
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
    return QStringList{QStringLiteral("the commands could not be written")};
  file.close();
  QProcess gammu;
  gammu.start(QStringLiteral("/usr/bin/python3"),
              {QStringLiteral(TOCHKOGRAF_GAMMU_SCRIPT), file.fileName()});
  if (!gammu.waitForFinished(60000) || gammu.exitCode() == 77) return std::nullopt;
  if (gammu.exitCode() != 0)
    return QStringList{QStringLiteral("gammu failed: ") +
                       QString::fromUtf8(gammu.readAllStandardError())};
  return QString::fromUtf8(gammu.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}
