#include "windows/dialogs/picture_preview.h"

#include <algorithm>

#include "windows/dialogs/dialog_parts.h"
#include "windows/main/pole.h"

namespace tochkograf {

PicturePreview::PicturePreview(bool grid, QWidget* parent) : QWidget(parent) {
  shown_.GridOn = grid ? kOn : kOff;
  pole_ = Named(new Pole(shown_, this), "preview");
  pole_->setFocusPolicy(Qt::NoFocus);
}

// What the drawing area's frame takes from its size, as the area itself has it.
QSize PicturePreview::Frame() const { return pole_->size() - pole_->contentsRect().size(); }

void PicturePreview::SetScale(int scale) {
  scale_ = std::max(1, scale);
  setFixedSize(scale_ * QSize(kMaxWidth, kMaxHeight) + Frame());
  PlacePole();
}

void PicturePreview::ShowPicture(const Picture& picture) {
  shown_.MX = picture.width;
  shown_.MY = picture.height;
  shown_.Pixels = picture.cells;
  PlacePole();
  pole_->update();
}

void PicturePreview::PlacePole() {
  if (shown_.MX < 1 || shown_.MY < 1) return;  // nothing shown yet
  const QSize room = scale_ * QSize(kMaxWidth, kMaxHeight);
  const int cell = std::max(1, std::min(room.width() / shown_.MX, room.height() / shown_.MY));
  QRect place(QPoint(), QSize(cell * shown_.MX, cell * shown_.MY) + Frame());
  place.moveCenter(rect().center());
  pole_->setGeometry(place);
}

}  // namespace tochkograf
