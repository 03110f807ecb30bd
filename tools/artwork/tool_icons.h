#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace artwork {

// The drawing tools' toolbar pictures, 24 x 24 in the 16 colours of the
// toolbar's other pictures: dark outlines, flat colours, a grey shadow, on
// the buttons' light grey. The shapes are drawn with the editor's own
// shapes and its large font, in its navy ink on a white sheet.
struct ToolIcon {
  QString name;  // the XPM's file and array: "toolline" gives toolline_xpm
  QImage picture;
};
std::vector<ToolIcon> DrawToolIcons();

// The picture as the text of an XPM file, colours by their one-letter
// names of the toolbar's pictures.
QByteArray ToXpm(const ToolIcon& icon);

}  // namespace artwork
