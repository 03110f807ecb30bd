// How often the C-array import reads an array in the layout it was written
// in, with no comment naming it: every kind of sample picture at the sizes
// of small displays, in each of the four layouts, with the size named and
// without it. Photos given as arguments are brought down to black and
// white at each size as the conversion dialog would, and count as kinds
// of their own.
#include <QCoreApplication>
#include <QImage>
#include <cstdio>

#include "fakes/sample_pictures.h"
#include "files/c_array/c_array_format.h"
#include "files/c_array/c_array_reading.h"

using namespace tochkograf;

namespace {

struct Tally {
  int layouts = 0, sizes = 0, cases = 0;
};

// The array as the editor writes it, pasted without its comment; with its
// size's definitions where `named`.
QByteArray Pasted(const Picture& picture, ByteLayout layout, bool named) {
  const QByteArray header = EncodeCArray(picture, {layout, SetBit::Ink, QStringLiteral("art")});
  const QByteArray array = header.mid(header.indexOf("static const"));
  if (!named) return array;
  return QStringLiteral("#define ART_WIDTH %1\n#define ART_HEIGHT %2\n")
             .arg(picture.width)
             .arg(picture.height)
             .toLatin1() +
         array;
}

void Count(const QString& kind, const Picture& picture, Tally& named, Tally& unnamed) {
  int wrong = 0;
  QString missed;
  for (const LayoutName& layout : LayoutNames())
    for (const bool with_size : {true, false}) {
      CArrayScan scan;
      ScanCArray(Pasted(picture, layout.layout, with_size), scan);
      const CArrayReading reading = GuessedReading(scan);
      Tally& tally = with_size ? named : unnamed;
      ++tally.cases;
      const bool size_right = reading.size == QSize(picture.width, picture.height);
      tally.sizes += size_right;
      tally.layouts += reading.layout == layout.layout && size_right;
      if (reading.layout != layout.layout || !size_right) {
        ++wrong;
        missed += QStringLiteral(" %1%2→%3 %4x%5")
                      .arg(layout.option, with_size ? QStringLiteral("(size)") : QString(),
                           NameOf(reading.layout).option)
                      .arg(reading.size.width())
                      .arg(reading.size.height());
      }
    }
  std::printf("%-20s %3dx%-3d wrong %d/8%s\n", qPrintable(kind), picture.width, picture.height,
              wrong, qPrintable(missed));
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  const QList<QSize> sizes = {{128, 64}, {128, 32}, {84, 48}, {72, 14}};
  QMap<QString, std::pair<Tally, Tally>> tallies;
  for (const QSize& size : sizes) {
    for (const SampleKind kind : {SampleKind::Text, SampleKind::Frames, SampleKind::Circles,
                                  SampleKind::DitheredPhoto, SampleKind::OrderedPhoto}) {
      auto& [named, unnamed] = tallies[KindName(kind)];
      Count(KindName(kind), SamplePicture(kind, size.width(), size.height()), named, unnamed);
    }
    for (int i = 1; i < argc; ++i) {
      const QImage photo = QImage(QString::fromLocal8Bit(argv[i]))
                               .convertToFormat(QImage::Format_Grayscale8)
                               .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
      if (photo.isNull()) continue;
      for (const Dithering dithering : {Dithering::FloydSteinberg, Dithering::Bayer}) {
        const QString kind = QStringLiteral("photo %1 %2")
                                 .arg(i)
                                 .arg(dithering == Dithering::Bayer ? "bayer" : "fs");
        auto& [named, unnamed] = tallies[kind];
        Count(kind, Monochrome(photo, OtsuThreshold(photo), dithering, false), named, unnamed);
      }
    }
  }
  std::printf("\n%-20s %-22s %s\n", "kind", "layout, size named", "layout and size, none named");
  for (auto it = tallies.cbegin(); it != tallies.cend(); ++it)
    std::printf("%-20s %2d/%-19d %d/%d (size %d)\n", qPrintable(it.key()), it->first.layouts,
                it->first.cases, it->second.layouts, it->second.cases, it->second.sizes);
  return 0;
}
