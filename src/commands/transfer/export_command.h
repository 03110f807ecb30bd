#pragma once

#include <QString>

#include "commands/document_commands.h"
#include "commands/transfer/c_array_export.h"
#include "commands/transfer/phone_export.h"

namespace tochkograf {

inline const QString kExportTitle = QStringLiteral("Экспорт");

// Writes the picture to a file of one of the types "Экспорт..." offers,
// chosen in a save dialog that starts in the picture's folder with its name.
// A name without an extension gets the chosen type's; an extension of one of
// the types chooses that type. An existing file is replaced only when the
// user agrees, and only once the whole new file is written. A C array's
// options are asked then (AskCArrayExport); their Cancel writes nothing. The document is
// never changed: its file, caption and unsaved changes stay as they were. A
// picture that cannot be exported gets one message naming the file and why.
// The export's own questions come after the file dialog: a C array's
// layout through `c_array`, what the types that go to a phone need through
// `phone`; cancelling there writes nothing.
void fileexport(DocumentCommands& commands, CArrayOptionsWindow& c_array,
                PhoneExportDialogs* phone = nullptr);

}  // namespace tochkograf
