#include "files/c_array/picture_likeness.h"

#include <array>
#include <cmath>

namespace tochkograf {

namespace {

// The pairs of one direction, by where the first of the two lies in its
// run of eight: how many there are and how many differ.
struct PairCounts {
  std::array<qint64, 8> pairs{}, differing{};

  void Add(int place, bool differ) {
    ++pairs[size_t(place % 8)];
    differing[size_t(place % 8)] += differ;
  }
  qint64 Pairs() const { return Sum(pairs); }
  qint64 Differing() const { return Sum(differing); }
  static qint64 Sum(const std::array<qint64, 8>& counts) {
    qint64 sum = 0;
    for (const qint64 count : counts) sum += count;
    return sum;
  }
  // How many more or fewer differ at each place than the direction's
  // share would give there, added up.
  double Seams() const {
    if (Pairs() == 0) return 0;
    const double share = double(Differing()) / double(Pairs());
    double seams = 0;
    for (size_t place = 0; place < 8; ++place)
      seams += std::abs(double(differing[place]) - share * double(pairs[place]));
    return seams;
  }
};

}  // namespace

PictureLikeness LikenessOf(const Picture& picture) {
  const auto on = [&picture](int x, int y) { return picture.cells(x, y) != kOff; };
  PairCounts across, down;
  qint64 ink = 0;
  for (int y = 1; y <= picture.height; ++y)
    for (int x = 1; x <= picture.width; ++x) {
      ink += on(x, y);
      if (x < picture.width) across.Add(x - 1, on(x, y) != on(x + 1, y));
      if (y < picture.height) down.Add(y - 1, on(x, y) != on(x, y + 1));
    }
  const qint64 pairs = across.Pairs() + down.Pairs();
  if (pairs == 0) return {};
  const double share = double(ink) / (double(picture.width) * picture.height);
  const double by_chance = 2 * share * (1 - share) * double(pairs);
  const double differing = double(across.Differing() + down.Differing());
  return {std::abs(differing - by_chance) / double(pairs),
          (across.Seams() + down.Seams()) / double(pairs)};
}

}  // namespace tochkograf
