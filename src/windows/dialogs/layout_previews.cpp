#include "windows/dialogs/layout_previews.h"

#include <QGridLayout>
#include <QImage>
#include <QPixmap>
#include <QToolButton>
#include <algorithm>

namespace tochkograf {

namespace {

// Two of them a row: four side by side would not leave the dialog room on
// the smallest screens.
constexpr int kColumns = 2;

// The picture at the largest whole scale that keeps it within the largest
// picture's size, ink black on white, in a grey outline that shows its
// size where it is blank.
QPixmap Drawn(const Picture& picture) {
  const int scale = std::max(1, std::min(kMaxWidth / std::max(1, picture.width),
                                         kMaxHeight / std::max(1, picture.height)));
  QImage image(picture.width * scale + 2, picture.height * scale + 2, QImage::Format_RGB32);
  image.fill(Qt::gray);
  for (int y = 0; y < picture.height * scale; ++y)
    for (int x = 0; x < picture.width * scale; ++x)
      image.setPixel(x + 1, y + 1,
                     picture.cells(x / scale + 1, y / scale + 1) != kOff ? qRgb(0, 0, 0)
                                                                         : qRgb(255, 255, 255));
  return QPixmap::fromImage(image);
}

}  // namespace

LayoutPreviews::LayoutPreviews(QWidget* parent) : QWidget(parent) {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  for (const LayoutName& name : LayoutNames()) {
    auto* button = new QToolButton(this);
    button->setObjectName(QStringLiteral("preview-") + name.option);
    // The kind of layout above, the bit's place below.
    QString caption = name.brief;
    button->setText(caption.replace(QStringLiteral(", "), QStringLiteral(",\n")));
    button->setToolTip(name.caption);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setIconSize(QSize(kMaxWidth + 2, kMaxHeight + 2));
    button->setCheckable(true);
    button->setAutoExclusive(true);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    const int at = int(buttons_.size());
    grid->addWidget(button, at / kColumns, at % kColumns);
    connect(button, &QToolButton::clicked, this,
            [this, layout = name.layout] { emit Picked(layout); });
    buttons_ << button;
  }
}

void LayoutPreviews::ShowPictures(const QList<Picture>& pictures, ByteLayout chosen) {
  for (qsizetype i = 0; i < buttons_.size() && i < pictures.size(); ++i) {
    buttons_[i]->setIcon(QIcon(Drawn(pictures[i])));
    buttons_[i]->setChecked(LayoutNames()[i].layout == chosen);
  }
}

QList<QWidget*> LayoutPreviews::Buttons() const {
  QList<QWidget*> buttons;
  for (QToolButton* button : buttons_) buttons << button;
  return buttons;
}

}  // namespace tochkograf
