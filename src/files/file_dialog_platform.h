#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace tochkograf {

// Flags of the file dialog record.
enum FileDialogFlag : std::uint32_t {
  kOverwritePrompt = 0x2,          // the save dialog asks before replacing a file
  kAllowMultiSelect = 0x200,       // several files may be chosen at once
  kShareAware = 0x4000,            // a file another program holds open may be chosen
  kExplorer = 0x80000,             // the dialog of the current style
  kNoDereferenceLinks = 0x100000,  // a chosen link is returned as itself
  kLongNames = 0x200000,
};
constexpr std::uint32_t kOpenDialogFlags =
    kAllowMultiSelect | kShareAware | kExplorer | kNoDereferenceLinks | kLongNames;
constexpr std::uint32_t kSaveDialogFlags =
    kOverwritePrompt | kShareAware | kExplorer | kNoDereferenceLinks | kLongNames;

// What the program hands the system's file dialog, and what the dialog
// hands back in `chosen`.
struct FileDialogRecord {
  QObject* owner = nullptr;
  QString filter;  // description, NUL, pattern, NUL, ..., ending in two NULs
  QString initial_dir;
  QString title;
  std::uint32_t flags = 0;
  QString default_ext;    // empty: none
  QString file_name;      // the name the dialog offers at first; empty: none
  int filter_index = 0;   // the type shown at first; on confirmation, the type chosen
  QStringList chosen;     // on confirmation: the absolute path of each chosen file
};

// The system's open and save dialogs. Each is modal to the record's owner
// and returns 1 when the user confirmed a choice, 0 otherwise. On
// confirmation `chosen` holds the absolute paths of the chosen files, each
// exactly as the user named it. The dialogs never change the working
// directory: where a file lives is part of its path.
class FileDialogPlatform {
 public:
  virtual ~FileDialogPlatform() = default;
  virtual int GetOpenFileName(FileDialogRecord& record) = 0;
  virtual int GetSaveFileName(FileDialogRecord& record) = 0;
};

}  // namespace tochkograf
