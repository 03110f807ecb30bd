#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "files/format_status.h"
#include "picture/picture.h"

namespace tochkograf {

// One type of picture file the program reads or writes. The command line
// and the windows find every type here; a new type is one more row.
struct FileFormat {
  using Reader = FormatStatus (*)(const QByteArray& bytes, Picture& picture);
  // Puts the bytes of the file `file_name` in `bytes`; anything but Ok
  // refuses the picture.
  using Writer = FormatStatus (*)(const Picture& picture, const QString& file_name,
                                  QByteArray& bytes);

  QString name;            // as the user reads it
  QStringList extensions;  // lower case, without the dot; the first is the usual one
  qint64 read_limit;       // the most bytes a file of this type needs; more are not read
  Reader read;             // null where the type cannot be read
  Writer write;            // null where the type cannot be written
  bool exported;           // offered by "Экспорт...", in the table's order
};

const QList<FileFormat>& FileFormats();

// The types "Экспорт..." offers, in the order it offers them.
QList<const FileFormat*> ExportFormats();

// The type a file's name calls for by its extension, in any case; null when
// no type has that extension.
const FileFormat* FormatOfName(const QString& file_name);

// Every type in the table is read and written by code built into QtGui, so
// a program that needs no other may tell Qt not to look for image plugins:
// otherwise writing a PNG loads every plugin installed (and the libraries
// they need) only to ask each whether it writes PNG. Call before any image
// is read or written.
void UseBuiltInCodecsOnly();

}  // namespace tochkograf
