#include "images/png_rows.h"

#include <png.h>

#include <QIODevice>
#include <csetjmp>
#include <vector>

namespace tochkograf {

namespace {

constexpr int kSignatureBytes = 8;
constexpr int kAdam7Passes = 7;
// Most a single ancillary chunk may take decoded; the greys need none of
// them, and those that cost most are not decoded at all (kSkipped).
constexpr png_alloc_size_t kMostChunkBytes = 8 << 20;

// Ancillary chunks of text, colour profiles and metadata, read past
// without being decompressed or kept.
constexpr png_byte kSkipped[] = "eXIf\0iCCP\0iTXt\0sPLT\0tEXt\0zTXt";
constexpr int kSkippedCount = sizeof(kSkipped) / 5;

// What libpng's read callback reaches.
struct Source {
  QIODevice* device;
  bool ran_out;  // the file ended before libpng had what it asked for
};

// libpng's error callback must not return: it goes back to the setjmp of
// the Guarded* call under way. Nothing is printed.
[[noreturn]] void Fail(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void Ignore(png_structp, png_const_charp) {}

// Where the file ends first, png_error jumps out of this frame too: it holds
// nothing with a destructor by then.
void ReadBytes(png_structp png, png_bytep data, size_t length) {
  auto* source = static_cast<Source*>(png_get_io_ptr(png));
  if (source->device->read(reinterpret_cast<char*>(data), qint64(length)) != qint64(length)) {
    source->ran_out = true;
    png_error(png, "cut short");
  }
}

// Each libpng call that may fail runs in one of these: the only frames
// libpng jumps back to. They hold only trivially destructible values, so
// the jump skips no destructor, and the C++ around them never sees it.
bool GuardedReadInfo(png_structp png, png_infop info) {
  if (setjmp(png_jmpbuf(png))) return false;
  // The sides are judged by the caller, against kMostPngSide, not by libpng.
  png_set_user_limits(png, PNG_UINT_31_MAX, PNG_UINT_31_MAX);
  png_set_chunk_malloc_max(png, kMostChunkBytes);
  png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, kSkipped, kSkippedCount);
  png_read_info(png, info);
  return true;
}

// Every kind of pixel to 8-bit samples: palettes looked up, greys of 1, 2
// and 4 bits spread over 0..255, tRNS made alpha, 16 bits rounded to 8.
// Interlacing is left to the caller, pass by pass.
bool GuardedSetUp(png_structp png, png_infop info) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_expand(png);
  png_set_scale_16(png);
  png_read_update_info(png, info);
  return true;
}

bool GuardedReadRow(png_structp png, png_bytep row) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_row(png, row, nullptr);
  return true;
}

bool GuardedReadEnd(png_structp png) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_end(png, nullptr);
  return true;
}

// libpng's structures, freed however the reading ends.
class PngReader {
 public:
  PngReader()
      : png_(png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, Fail, Ignore)),
        info_(png_ ? png_create_info_struct(png_) : nullptr) {}
  ~PngReader() { png_destroy_read_struct(&png_, &info_, nullptr); }
  PngReader(const PngReader&) = delete;
  PngReader& operator=(const PngReader&) = delete;

  png_structp png() const { return png_; }
  png_infop info() const { return info_; }

 private:
  png_structp png_;
  png_infop info_;
};

bool HasPngSignature(QIODevice& device) {
  const QByteArray start = device.peek(kSignatureBytes);
  return start.size() == kSignatureBytes &&
         png_sig_cmp(reinterpret_cast<png_const_bytep>(start.constData()), 0, kSignatureBytes) == 0;
}

// The passes of an interlaced image, or its rows as they are; false where
// a row cannot be read.
bool ReadAllRows(png_structp png, QSize size, int channels, bool interlaced, PngRowSink& sink) {
  std::vector<uchar> samples(static_cast<std::size_t>(size.width()) * channels);
  PngRow row;
  row.channels = channels;
  row.samples = samples.data();
  for (int pass = 0; pass < (interlaced ? kAdam7Passes : 1); ++pass) {
    const int rows = interlaced ? PNG_PASS_ROWS(size.height(), pass) : size.height();
    row.count = interlaced ? PNG_PASS_COLS(size.width(), pass) : size.width();
    row.first = interlaced ? PNG_PASS_START_COL(pass) : 0;
    row.step = interlaced ? 1 << PNG_PASS_COL_SHIFT(pass) : 1;
    // libpng skips the passes that hold no pixels of a small image.
    if (row.count == 0) continue;
    for (int r = 0; r < rows; ++r) {
      if (!GuardedReadRow(png, samples.data())) return false;
      row.y = interlaced ? PNG_ROW_FROM_PASS_ROW(r, pass) : r;
      sink.Take(row);
    }
  }
  return true;
}

}  // namespace

FormatStatus ReadPngRows(QIODevice& device, PngRowSink& sink) {
  if (!HasPngSignature(device)) return FormatStatus::NotThisFormat;
  const PngReader reader;
  png_structp png = reader.png();
  png_infop info = reader.info();
  if (!png || !info) return FormatStatus::TooLarge;  // no memory even for libpng
  Source source{&device, false};
  png_set_read_fn(png, &source, ReadBytes);
  const auto failure = [&source] {
    return source.ran_out ? FormatStatus::Truncated : FormatStatus::Damaged;
  };

  if (!GuardedReadInfo(png, info)) return failure();
  const png_uint_32 width = png_get_image_width(png, info);
  const png_uint_32 height = png_get_image_height(png, info);
  if (width > kMostPngSide || height > kMostPngSide) return FormatStatus::TooLarge;
  const bool interlaced = png_get_interlace_type(png, info) == PNG_INTERLACE_ADAM7;
  if (!GuardedSetUp(png, info)) return failure();
  const QSize size(static_cast<int>(width), static_cast<int>(height));
  sink.Start(size);
  if (!ReadAllRows(png, size, png_get_channels(png, info), interlaced, sink) ||
      !GuardedReadEnd(png))
    return failure();
  return FormatStatus::Ok;
}

}  // namespace tochkograf
