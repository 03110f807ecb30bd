#pragma once

#include <QString>

#include "commands/user_messages.h"
#include "picture/document_state.h"
#include "picture/picture_view.h"

namespace tochkograf {

// The main window's caption.
class CaptionView {
 public:
  virtual ~CaptionView() = default;
  virtual void SetCaption(const QString& caption) = 0;
};

// The document and the parts of the main window its file routines use.
struct DocumentContext {
  DocumentState& state;
  PictureView& view;
  CaptionView& caption;
  UserMessages& messages;
};

}  // namespace tochkograf
