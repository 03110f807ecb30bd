#include "images/monochrome.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace tochkograf {

namespace {

// The 4 x 4 ordered pattern: level k stands for (2k + 1) / 32 of the way
// from black to white, so every level from 1/32 to 31/32 comes once, spread
// so that any level's pixels lie as far apart as they can.
constexpr std::array<std::array<int, 4>, 4> kBayer = {{
    {0, 8, 2, 10},
    {12, 4, 14, 6},
    {3, 11, 1, 9},
    {15, 7, 13, 5},
}};

Flag Cell(bool ink, bool invert) { return ink != invert ? kOn : kOff; }

// Ordered dithering compares each grey's place between black (0) and white
// (1) with the pattern's levels, spread over the whole range; the
// threshold bends that place so that it lies in the middle:
//   place = (grey / 255)^g, where g = ln(1/2) / ln(threshold / 255).
// Black stays at 0 and white at 1, so they are all ink and all paper at
// every threshold; a flat grey equal to the threshold is ink at half the
// pixels. Raising the threshold raises g, which moves every grey between
// nearer black and gives it more ink, as it does without dithering; near
// either end of the range greys come out nearly all paper or all ink, as
// they do there without dithering. The power bends smoothly, with no kink
// at the threshold that would show as a step in a gradient. (A threshold
// of 0 or 255 is taken as 1 or 254, the nearest where g is finite.)
std::array<double, 256> OrderedPlaces(int threshold) {
  const double t = std::clamp(threshold, 1, 254) / 255.0;
  const double power = std::log(0.5) / std::log(t);
  std::array<double, 256> places;
  for (int grey = 0; grey < 256; ++grey) places[grey] = std::pow(grey / 255.0, power);
  return places;
}

// Ink where a grey's place is below its pixel's level, (2k + 1) / 32.
bool OrderedInk(double place, int x, int y) { return 32 * place < 2 * kBayer[y % 4][x % 4] + 1; }

void Threshold(const QImage& greys, int threshold, bool ordered, bool invert, Picture& picture) {
  const std::array<double, 256> places =
      ordered ? OrderedPlaces(threshold) : std::array<double, 256>{};
  for (int y = 0; y < greys.height(); ++y) {
    const uchar* row = greys.constScanLine(y);
    for (int x = 0; x < greys.width(); ++x) {
      const bool ink = ordered ? OrderedInk(places[row[x]], x, y) : row[x] < threshold;
      picture.cells(x + 1, y + 1) = Cell(ink, invert);
    }
  }
}

// Errors in 1/16 of a grey level, carried in two rows with a spare column on
// either side. Rows run left and right in turn, so that the errors do not
// all drift one way and draw lines down the picture's edge.
void FloydSteinberg(const QImage& greys, int threshold, bool invert, Picture& picture) {
  const int width = greys.width();
  std::vector<int> here(width + 2), below(width + 2);
  for (int y = 0; y < greys.height(); ++y) {
    const uchar* row = greys.constScanLine(y);
    std::fill(below.begin(), below.end(), 0);
    const int step = y % 2 ? -1 : 1;
    for (int i = 0; i < width; ++i) {
      const int x = step > 0 ? i : width - 1 - i;
      const int at = x + 1;  // in the error rows
      const int wanted = row[x] + ((here[at] + 8) >> 4);
      const bool ink = wanted < threshold;
      picture.cells(x + 1, y + 1) = Cell(ink, invert);
      const int error = wanted - (ink ? 0 : 255);
      here[at + step] += 7 * error;
      below[at - step] += 3 * error;
      below[at] += 5 * error;
      below[at + step] += error;
    }
    std::swap(here, below);
  }
}

}  // namespace

int OtsuThreshold(const QImage& greys) {
  std::array<double, 256> count{};
  for (int y = 0; y < greys.height(); ++y) {
    const uchar* row = greys.constScanLine(y);
    for (int x = 0; x < greys.width(); ++x) ++count[row[x]];
  }
  double total = 0, total_sum = 0;
  for (int g = 0; g < 256; ++g) total += count[g], total_sum += g * count[g];
  // Threshold t parts the greys below t from the rest.
  double below = 0, below_sum = 0, best = -1;
  int first_best = 128, last_best = 128;
  for (int t = 1; t < 256; ++t) {
    below += count[t - 1];
    below_sum += (t - 1) * count[t - 1];
    const double above = total - below;
    double between = 0;
    if (below > 0 && above > 0) {
      const double difference = below_sum / below - (total_sum - below_sum) / above;
      between = below * above * difference * difference;
    }
    // Sums of whole counts: equal partitions give equal values, but leave
    // room for rounding.
    if (between > best * (1 + 1e-12) + 1e-9) {
      best = between;
      first_best = last_best = t;
    } else if (between >= best * (1 - 1e-12) - 1e-9) {
      last_best = t;
    }
  }
  return (first_best + last_best) / 2;
}

Picture Monochrome(const QImage& greys, int threshold, Dithering dithering, bool invert) {
  Picture picture{greys.width(), greys.height(), {}};
  if (dithering == Dithering::FloydSteinberg)
    FloydSteinberg(greys, threshold, invert, picture);
  else
    Threshold(greys, threshold, dithering == Dithering::Bayer, invert, picture);
  return picture;
}

}  // namespace tochkograf
