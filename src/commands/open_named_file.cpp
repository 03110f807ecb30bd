#include "commands/open_named_file.h"

#include "commands/transfer/bmp_import.h"
#include "images/named_file.h"

namespace tochkograf {

namespace {

QString QuestionTitle(const FileFormat* format) {
  switch (format ? format->entry : Entry::Open) {
    case Entry::AsItIs:
      return kImportTitle;
    case Entry::Image:
      return kImageImportTitle;
    case Entry::CArray:
      return kCArrayImportTitle;
    case Entry::None:
    case Entry::Open:
      break;
  }
  return kOpenTitle;
}

}  // namespace

void OpenNamedFile(DocumentCommands& commands, ConversionWindow& conversion,
                   CArrayImportWindow& c_array, const QString& path) {
  const NamedFile file = TypeOfNamedFile(path);
  const Entry entry = file.format ? file.format->entry : Entry::None;
  bool imported = false;
  if (entry == Entry::Image)
    imported = ImportImageFile(commands.Document(), conversion, path);
  else if (entry == Entry::CArray)
    imported = ImportCArrayFile(commands.Document(), c_array, path);
  else
    commands.OpenGiven(path);
  if (imported) commands.Used(path);
}

void DropFile(DocumentCommands& commands, ConversionWindow& conversion, CArrayImportWindow& c_array,
              const QString& path) {
  if (commands.MayDropChanges(QuestionTitle(FirstTypeOfNamedFile(path))))
    OpenNamedFile(commands, conversion, c_array, path);
}

}  // namespace tochkograf
