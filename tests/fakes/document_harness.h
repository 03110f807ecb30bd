#pragma once

#include "commands/document_context.h"
#include "fakes/pictures.h"
#include "fakes/recording_caption.h"
#include "fakes/recording_view.h"
#include "fakes/scripted_messages.h"

namespace tochkograf {

// A started document with recording and scripted stand-ins for the window.
struct DocumentHarness {
  DocumentState state = StartedDocument();
  RecordingView view;
  RecordingCaption caption;
  ScriptedMessages messages;
  DocumentContext context{state, view, caption, messages};
};

// Everything a failed command must leave as it was.
inline bool SameDocument(const DocumentState& a, const DocumentState& b) {
  return a.IZM == b.IZM && a.MX == b.MX && a.MY == b.MY && a.FileName == b.FileName &&
         a.Pixels == b.Pixels && a.Frames == b.Frames && a.CurrentFrame == b.CurrentFrame &&
         a.Undo == b.Undo && a.ClipPixels == b.ClipPixels;
}

}  // namespace tochkograf
