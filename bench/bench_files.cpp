// Writing and reading a 128 x 96 picture as an .ems file, and decoding a
// 128 x 96 BMP, per picture, against copying the same bytes in memory.

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>

#include "bench/stats.h"
#include "commands/ems_file.h"
#include "files/formats/bmp_format.h"
#include "files/formats/ems_format.h"

using namespace tochkograf;
using namespace tochkograf::bench;

namespace {

class NoView : public PictureView {
 public:
  double InnerWidth() const override { return 305; }
  double InnerHeight() const override { return 305; }
  void RepaintCell(int, int) override {}
  void RepaintAll() override {}
  void SetSizeLabel(const QString&) override {}
};
class NoCaption : public CaptionView {
 public:
  void SetCaption(const QString&) override {}
};
class NoMessages : public UserMessages {
 public:
  SaveAnswer AskSaveChanges(const QString&) override { return SaveAnswer::Cancel; }
  void ShowFailure(const QString& message) override {
    std::fprintf(stderr, "failure: %s\n", qPrintable(message));
  }
  bool AskReplace(const QString&, const QString&) override { return true; }
  RecoverAnswer AskRecover(const QString&) override { return RecoverAnswer::Later; }
};

// A 128 x 96 one-bit BMP, laid out by hand: headers, two colours, rows.
QByteArray LargestBmp() {
  const int stride = BmpStride(128), data = stride * 96, offset = 62;
  QByteArray bytes(offset + data, '\0');
  auto put = [&](int at, quint32 value, int size) {
    for (int i = 0; i < size; ++i) bytes[at + i] = char(value >> (8 * i));
  };
  bytes[0] = 'B', bytes[1] = 'M';
  put(2, bytes.size(), 4), put(10, offset, 4), put(14, 40, 4), put(18, 128, 4), put(22, 96, 4);
  put(26, 1, 2), put(28, 1, 2), put(34, data, 4);
  put(58, 0xFFFFFF, 4);  // entry 0 black (zeros), entry 1 white
  QRandomGenerator random(5);
  for (int i = offset; i < bytes.size(); ++i) bytes[i] = char(random.bounded(256));
  return bytes;
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QTemporaryDir dir;
  QDir::setCurrent(dir.path());

  DocumentState state;
  state.MX = 128, state.MY = 96, state.FileName = QStringLiteral("bench.ems");
  QRandomGenerator random(7);
  for (int y = 1; y <= 96; ++y)
    for (int x = 1; x <= 128; ++x) state.Pixels(x, y) = random.bounded(2) ? kOn : kOff;
  NoView view;
  NoCaption caption;
  NoMessages messages;
  DocumentContext document{state, view, caption, messages};

  const Picture largest{128, 96, state.Pixels};
  const QByteArray ems = EncodeEms(largest);
  const QByteArray bmp = LargestBmp();
  QByteArray copy(4096, '\0');
  Picture decoded, picture;

  std::printf("== Files, 128 x 96 picture (%lld .ems bytes, %lld BMP bytes)\n",
              static_cast<long long>(ems.size()), static_cast<long long>(bmp.size()));
  const Figure copy_ems =
      Measure([&] { std::memcpy(copy.data(), ems.constData(), ems.size()); }, 31, 20000);
  const Figure copy_bmp =
      Measure([&] { std::memcpy(copy.data(), bmp.constData(), bmp.size()); }, 31, 20000);
  const Figure encode = Measure([&] { (void)EncodeEms(largest); }, 31, 2000);
  const Figure decode = Measure([&] { DecodeEms(ems, decoded); }, 31, 2000);
  const Figure decode_bmp = Measure([&] { DecodeBmp(bmp, picture); }, 31, 2000);
  const Figure write = Measure([&] { WriteEmsFile(document, state.FileName); }, 11, 20);
  const Figure read = Measure([&] { ReadEmsFile(document, state.FileName); }, 11, 200);
  Print("copy of the .ems bytes in memory", copy_ems);
  Print("copy of the BMP bytes in memory", copy_bmp);
  Print("encode .ems (bytes only)", encode);
  Print("decode .ems (bytes only)", decode);
  Print("decode BMP (bytes only)", decode_bmp);
  Print("write .ems file (safe save, synced)", write);
  Print("read .ems file", read);
  PrintRatio("encode .ems / copy", encode, copy_ems, "report only");
  PrintRatio("decode .ems / copy", decode, copy_ems, "report only");
  PrintRatio("decode BMP / copy", decode_bmp, copy_bmp, "report only");
  PrintRatio("write .ems file / copy", write, copy_ems, "report only");
  PrintRatio("read .ems file / copy", read, copy_ems, "report only");
  std::printf("\n");
  return 0;
}
