#pragma once

#include <QObject>
#include <QString>
#include <cstdint>

namespace tochkograf {

// Flags of the file dialog record.
enum FileDialogFlag : std::uint32_t {
  kOverwritePrompt = 0x2,        // the save dialog asks before replacing a file
  kAllowMultiSelect = 0x200,     // several files may be chosen at once
  kShareAware = 0x4000,          // a file another program holds open may be chosen
  kExplorer = 0x80000,           // several files come back as NUL-separated items
  kNoDereferenceLinks = 0x100000,// a chosen link is returned as itself
  kLongNames = 0x200000,
};
constexpr std::uint32_t kOpenDialogFlags =
    kAllowMultiSelect | kShareAware | kExplorer | kNoDereferenceLinks | kLongNames;
constexpr std::uint32_t kSaveDialogFlags =
    kOverwritePrompt | kShareAware | kExplorer | kNoDereferenceLinks | kLongNames;

// What the program hands the system's file dialog, and what the dialog
// hands back in `file` and `file_offset`.
struct FileDialogRecord {
  QObject* owner = nullptr;
  QString filter;         // description, NUL, pattern, NUL, ..., ending in two NULs
  QString file;           // buffer; on confirmation the choice, NUL-terminated
  int max_file = 0;       // characters the dialog may write into `file`
  QString file_title;
  int max_file_title = 0;
  QString initial_dir;
  QString title;
  std::uint32_t flags = 0;
  QString default_ext;    // empty: none
  int file_offset = 0;    // where the first file name starts in `file`
};

// The system's open and save dialogs. Each is modal to the record's owner
// and returns 1 when the user confirmed a choice, 0 otherwise. On
// confirmation `file` holds either the full path of the one chosen file, or
// the folder followed by the chosen names, each item ending in a NUL and the
// whole in two; `file_offset` is where the (first) name starts, and the
// working directory has become the chosen folder. A choice longer than
// `max_file` characters fails like a cancel.
class FileDialogPlatform {
 public:
  virtual ~FileDialogPlatform() = default;
  virtual int GetOpenFileName(FileDialogRecord& record) = 0;
  virtual int GetSaveFileName(FileDialogRecord& record) = 0;
};

}  // namespace tochkograf
