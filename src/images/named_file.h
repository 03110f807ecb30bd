#pragma once

#include <QString>
#include <optional>

#include "files/status_texts.h"
#include "images/file_formats.h"
#include "images/image_frames.h"
#include "images/image_reading.h"
#include "picture/picture.h"

namespace tochkograf {

// How a file named outside the program's own dialogs (on its command line,
// by a file manager's "Open with") comes in. The editor and --convert both
// take the decision from here, so that a file comes in alike through
// either.
struct NamedFile {
  const FileFormat* format = nullptr;  // the type that takes it; null: nothing tells
  // For a type that takes it as it is: the picture its reader gave.
  std::optional<Picture> picture;
};

// By the table: the types of the name's extension that bring a file in and
// that its first bytes do not rule out (FileFormat::claims), in the
// table's order, or, for a name with no such extension, the types whose
// signature its first bytes carry. A type taking files as they are takes it
// only where its reader does; otherwise the next one does.
NamedFile TypeOfNamedFile(const QString& name);

// The first type TypeOfNamedFile would consider, without reading the file
// beyond what tells the types apart; null where nothing tells.
const FileFormat* FirstTypeOfNamedFile(const QString& name);

// Reads a file of `format` as the image import takes it: by the image
// import's reader of the type where it has one, otherwise by the type's own
// reader, the picture as it is.
ReadStatus ReadAsImage(const QString& name, const FileFormat& format, ImportedImage& image);

// ReadAsImage with every frame the file shows (an animated GIF's).
ReadStatus ReadAsFrames(const QString& name, const FileFormat& format, ImportedFrames& frames);

// Reads a file chosen in the image import's dialog, every frame of it: by
// its content, unless its extension names a type that only the name tells.
ReadStatus ReadImportedFile(const QString& name, ImportedFrames& frames);

// A picture as an imported image: its greys are its ink and paper.
ImportedImage ImageOfPicture(const Picture& picture);

// Frames as imported frames, each as ImageOfPicture has it.
ImportedFrames FramesOf(const Animation& animation);

}  // namespace tochkograf
