#include "palette.h"

#include <QHash>
#include <algorithm>
#include <cmath>
#include <vector>

namespace artwork {

namespace {

struct Entry {
  QRgb colour;
  qint64 count;
};

int Channel(QRgb c, int channel) {
  return channel == 0 ? qRed(c) : channel == 1 ? qGreen(c) : qBlue(c);
}

struct Box {
  std::vector<Entry> entries;
  qint64 population = 0;

  int Range(int channel) const {
    int low = 255, high = 0;
    for (const Entry& e : entries) {
      low = std::min(low, Channel(e.colour, channel));
      high = std::max(high, Channel(e.colour, channel));
    }
    return high - low;
  }
  int WidestChannel() const {
    int best = 0;
    for (int channel = 1; channel < 3; ++channel)
      if (Range(channel) > Range(best)) best = channel;
    return best;
  }
  // Boxes that cover many pixels over a wide range are split first.
  double Priority() const {
    return entries.size() < 2 ? -1 : double(Range(WidestChannel())) * std::sqrt(double(population));
  }
  QRgb Mean() const {
    double r = 0, g = 0, b = 0;
    for (const Entry& e : entries)
      r += qRed(e.colour) * double(e.count), g += qGreen(e.colour) * double(e.count),
          b += qBlue(e.colour) * double(e.count);
    return qRgb(int(r / population + 0.5), int(g / population + 0.5), int(b / population + 0.5));
  }
};

Box MakeBox(std::vector<Entry> entries) {
  Box box{std::move(entries)};
  for (const Entry& e : box.entries) box.population += e.count;
  return box;
}

std::pair<Box, Box> Split(const Box& box) {
  const int channel = box.WidestChannel();
  std::vector<Entry> sorted = box.entries;
  std::sort(sorted.begin(), sorted.end(), [channel](const Entry& a, const Entry& b) {
    return Channel(a.colour, channel) < Channel(b.colour, channel);
  });
  qint64 seen = 0;
  size_t cut = 1;
  for (; cut < sorted.size() - 1; ++cut) {
    seen += sorted[cut - 1].count;
    if (seen * 2 >= box.population) break;
  }
  return {MakeBox({sorted.begin(), sorted.begin() + cut}),
          MakeBox({sorted.begin() + cut, sorted.end()})};
}

int Distance(QRgb a, QRgb b) {
  const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
  return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

}  // namespace

QImage To256Colours(const QImage& picture) {
  const QImage source = picture.convertToFormat(QImage::Format_RGB32);
  QHash<QRgb, qint64> counts;
  for (int y = 0; y < source.height(); ++y)
    for (int x = 0; x < source.width(); ++x) ++counts[source.pixel(x, y) | 0xff000000];

  std::vector<Entry> entries;
  for (auto it = counts.cbegin(); it != counts.cend(); ++it)
    entries.push_back({it.key(), it.value()});
  std::sort(entries.begin(), entries.end(),
            [](const Entry& a, const Entry& b) { return a.colour < b.colour; });

  std::vector<Box> boxes{MakeBox(std::move(entries))};
  while (boxes.size() < 256) {
    auto widest = std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) {
      return a.Priority() < b.Priority();
    });
    if (widest->Priority() < 0) break;
    auto [first, second] = Split(*widest);
    *widest = std::move(first);
    boxes.push_back(std::move(second));
  }

  QList<QRgb> table;
  for (const Box& box : boxes) table.append(box.Mean());
  QHash<QRgb, uchar> nearest;
  for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
    int best = 0;
    for (int i = 1; i < table.size(); ++i)
      if (Distance(it.key(), table[i]) < Distance(it.key(), table[best])) best = i;
    nearest.insert(it.key(), uchar(best));
  }

  QImage indexed(source.size(), QImage::Format_Indexed8);
  indexed.setColorTable(table);
  for (int y = 0; y < source.height(); ++y) {
    uchar* line = indexed.scanLine(y);
    for (int x = 0; x < source.width(); ++x)
      line[x] = nearest.value(source.pixel(x, y) | 0xff000000);
  }
  return indexed;
}

}  // namespace artwork
