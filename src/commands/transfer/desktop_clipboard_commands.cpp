#include "commands/transfer/desktop_clipboard_commands.h"

#include "files/c_array/c_array_format.h"
#include "images/png_codec.h"

namespace tochkograf {

namespace {

Picture PictureOf(const DocumentState& state) { return {state.MX, state.MY, state.Pixels}; }

}  // namespace

void CopyAsImage(const DocumentState& state, DesktopClipboard& clipboard) {
  clipboard.PutImage(PictureImage(PictureOf(state)));
}

void CopyAsCCode(DocumentCommands& commands, DesktopClipboard& clipboard) {
  const DocumentState& state = commands.Document().state;
  CArrayOptions options = commands.LastCArrayOptions();
  options.name = ArrayNameFromFileName(state.FileName == kUntitled ? QString() : state.FileName);
  clipboard.PutText(QString::fromUtf8(EncodeCArray(PictureOf(state), options, CArrayUse::Pasted)));
}

void PasteImage(DocumentCommands& commands, ConversionWindow& window, DesktopClipboard& clipboard) {
  // Read once, before the question: another program may change it meanwhile.
  const QImage image = clipboard.Image();
  DocumentContext& document = commands.Document();
  if (image.isNull()) {
    document.messages.ShowFailure(kNoImageOnClipboard);
    return;
  }
  if (!commands.MayDropChanges(kPasteImageTitle)) return;
  TakeImportedImage(document, window, ImportedImageOf(image));
}

}  // namespace tochkograf
