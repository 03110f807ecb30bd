#pragma once

#include <QImage>

namespace artwork {

constexpr int kLogoWidth = 500;
constexpr int kLogoHeight = 230;

// The splash logo at `scale` times its size: the name, "Tochko" in large
// navy dots on a small phone screen and "graf" in smooth letters, over a
// sky with a sun and clouds. The strip at the bottom, where the splash
// writes its version line, is kept light so that dark text reads on it.
QImage DrawLogo(int scale);

}  // namespace artwork
