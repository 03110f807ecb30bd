#pragma once

#include <QImage>
#include <QSize>
#include <QSizeF>

#include "images/display_models.h"
#include "picture/pixel_grid.h"

namespace tochkograf {

// The panel's size in image pixels at `pixels_per_mm` across and down,
// rounded up.
QSize DisplayLookSize(const DisplayModel& model, QSizeF pixels_per_mm);

// Where the picture's top-left cell falls on the panel: the picture centred,
// as the sketch sends it, each margin (panel - picture) / 2 rounded down; a
// picture larger than the panel has a negative margin and is cut on both
// sides.
QPoint PictureOnPanel(QSize picture, const DisplayModel& model);

// The panel as `model` shows the cells 1..picture.width() x
// 1..picture.height() of `cells`: every pixel at its place on the pitch,
// the lit ones in ink over `fill` of the pitch, the gaps and the unlit
// pixels paper. An image of DisplayLookSize().
QImage DisplayLook(const PixelGrid& cells, QSize picture, const DisplayModel& model,
                   QSizeF pixels_per_mm);

}  // namespace tochkograf
