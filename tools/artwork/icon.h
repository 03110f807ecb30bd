#pragma once

#include <QImage>

namespace artwork {

// The program's icon at `size` x `size` pixels: a small phone screen with a
// dot-matrix "T" lit on a 5 x 5 lattice. Each size is laid out on whole
// pixels of its own, so that the dots stay sharp at every size.
QImage DrawIcon(int size);

}  // namespace artwork
