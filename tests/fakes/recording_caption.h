#pragma once

#include <QStringList>

#include "commands/document_context.h"

namespace tochkograf {

class RecordingCaption : public CaptionView {
 public:
  void SetCaption(const QString& caption) override { captions.append(caption), current = caption; }

  QStringList captions;
  QString current = QStringLiteral("Tochkograf");
};

}  // namespace tochkograf
