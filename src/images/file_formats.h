#pragma once

#include <QByteArray>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

#include "files/c_array/arduino_sketch.h"
#include "files/c_array/c_array_format.h"
#include "files/format_status.h"
#include "files/sms/network_code.h"
#include "files/sms/sms_options.h"
#include "files/status_texts.h"
#include "picture/animation.h"
#include "picture/picture.h"

namespace tochkograf {

// What a writer is told beyond the picture. A type whose export asks more
// after the file dialog (a phone number, a layout of bytes) carries the
// answers here.
struct WriteOptions {
  QString file_name;      // the file written; an X bitmap takes its C names from it
  SmsOptions sms{};       // the messages for a modem: recipient, text, kind
  NetworkCode network{};  // an operator logo's, in a .nol file or a message
  // The C array's layout and names; an empty name is made of the file's.
  CArrayOptions c_array{};
  // The Arduino sketch's display and compression; an empty name is made of
  // the file's.
  SketchOptions sketch{};
  // Every frame, for a type that writes them all (FileFormat::every_frame);
  // where it has none, the picture written is the one frame.
  Animation animation{};
};

// What "Экспорт..." asks for a type after the file dialog, into its
// WriteOptions, before the file is written.
enum class ExportQuestion {
  None,
  Sms,          // the messages' recipient, text and kind ("SMS")
  NetworkCode,  // an operator logo's MCC and MNC
  CArray,  // the "Массив C" dialog: the layout, the set bit, the name, PROGMEM, compression
  Sketch,  // the "Скетч Arduino" dialog: the display's address and height, compression
};

// How a file of a type comes into the editor.
enum class Entry {
  None,    // it is only written
  Open,    // the program's own picture: opened as the document's file
  AsItIs,  // its picture as its reader gives it ("Импорт из BMP"); a file the
           // reader refuses is left to the next type of its extension
  Image,   // through the image import: as it is where it has two colours and
           // fits the editor, otherwise through the conversion dialog
  CArray,  // through the C-array import: its first array of bytes, read as its
           // dialog says
};

// One type of file the program knows. Everything that reads, writes or
// offers files takes its types from this table: the file dialogs' filters,
// Open, both imports, the export, the command line, the thumbnailer and
// "Open with". A new type is one more row, and its codec.
struct FileFormat {
  // The picture the bytes hold, as it is; anything but Ok refuses it and
  // leaves `picture` as it was.
  using Reader = FormatStatus (*)(const QByteArray& bytes, Picture& picture);
  // Every frame the bytes hold, each with its duration; anything but Ok
  // refuses them and leaves `animation` as it was.
  using FramesReader = FormatStatus (*)(const QByteArray& bytes, Animation& animation);
  // Whether a file's first bytes (at most `read_limit`) are of this type.
  using ContentTest = bool (*)(const QByteArray& head);
  // The bytes of a file of the picture; anything but Ok refuses the picture.
  using Writer = FormatStatus (*)(const Picture& picture, const WriteOptions& options,
                                  QByteArray& bytes);

  // Every member has its initial value, so that a row names only what it has.
  QString name{};            // as the command line's help names it
  QString filter{};          // as the file dialogs offer it
  QStringList extensions{};  // lower case, without the dot; the first is the usual one
  Entry entry = Entry::None;
  Reader read = nullptr;  // null where the program has no reader of its own for it
  qint64 read_limit = 0;  // the most bytes a reader needs; more are not read
  // For a type whose files may hold several frames, which the image import
  // reads every one of (`image` false, `read` null).
  FramesReader read_frames = nullptr;
  // For a type that shares its extension with types after it: a file named
  // so comes in as this type only where its first bytes pass, otherwise as
  // the next. Null: every file of its extension is of this type.
  ContentTest claims = nullptr;
  // How the image import reads it: with ReadImage, by the reader its
  // extension names (the program's own for PNG and OTB, Qt's for the
  // others); where false, with `read_frames` or `read`, as it is.
  bool image = false;
  // The image import's dialog tells it from its content; otherwise only the
  // name's extension tells it (OTB's bytes show nothing of their type).
  bool by_content = false;
  Writer write = nullptr;  // null where it is not written
  bool exported = false;   // offered by "Экспорт...", in the table's order
  ExportQuestion question = ExportQuestion::None;
  // `write` writes every frame of WriteOptions::animation; the other types
  // write the picture they are given, the current frame.
  bool every_frame = false;
  // The only sizes `write` takes, where it does not take every picture.
  QList<QSize> sizes{};
  // The first bytes that tell a file of this type whose name has no
  // extension of the table's.
  QByteArray signature{};
};

using FileFormatList = QList<const FileFormat*>;

// The types the program reads and writes with what it is built with: its
// own codecs and the readers built into QtGui. Asks Qt nothing, so that the
// thumbnailer loads no image plugin.
FileFormatList BuiltInFormats();

// Every type, in the order the dialogs offer them: the built-in ones, then
// those only Qt's image plugins read here, found the first time (which
// loads the plugins).
FileFormatList FileFormats();

// The types of `formats` that `wanted` accepts, in their order.
using FormatTest = bool (*)(const FileFormat& format);
FileFormatList Where(const FileFormatList& formats, FormatTest wanted);

inline bool Reads(const FileFormat& format) { return format.read; }
inline bool Writes(const FileFormat& format) { return format.write; }
inline bool Exported(const FileFormat& format) { return format.exported; }
inline bool ComesIn(const FileFormat& format) { return format.entry != Entry::None; }
inline bool IsOwn(const FileFormat& format) { return format.entry == Entry::Open; }
inline bool TakenAsItIs(const FileFormat& format) { return format.entry == Entry::AsItIs; }
inline bool ImportedAsImage(const FileFormat& format) { return format.entry == Entry::Image; }
inline bool ImportedAsCArray(const FileFormat& format) { return format.entry == Entry::CArray; }

// Those of `formats` whose extensions hold the name's (in any case), in
// their order; and the first of them, null when none does.
FileFormatList FormatsOfName(const FileFormatList& formats, const QString& name);
const FileFormat* FormatOfName(const FileFormatList& formats, const QString& name);

// The program's own picture file.
const FileFormat& OwnFormat();

// The reader's name ReadImage takes for a file of `format` named `name`:
// the name's extension where the type has it, else the type's usual one.
QByteArray ImageReaderName(const FileFormat& format, const QString& name);

// Reads the picture the file `name` holds with the reader of `format`, no
// more than its read limit. On failure the picture is as it was.
ReadStatus ReadPictureFile(const QString& name, const FileFormat& format, Picture& picture);

// Why a name's type is not known, with the extensions of `formats` that
// would do, each once.
QString UnknownTypeReason(const FileFormatList& formats);

// Whether reading a file `name` may need one of Qt's image plugins (the
// JPEG or GIF reader...): no built-in type reads it. Every type written is
// built in.
bool NeedsImagePlugins(const QString& name);

// Tells Qt not to look for image plugins, where the built-in types are all
// a program needs: otherwise writing a PNG loads every plugin installed (and
// the libraries they need) only to ask each whether it writes PNG. Call
// before any image is read or written.
void UseBuiltInCodecsOnly();

}  // namespace tochkograf
