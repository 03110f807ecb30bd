#include "cli/display_options.h"

namespace tochkograf {

CArrayOptions DisplayArrayOptions::Written() const {
  CArrayOptions options;
  options.layout = layout.value_or(options.layout);
  options.set_bit = set_bit.value_or(options.set_bit);
  options.progmem = progmem;
  options.compression = compression;
  return options;
}

SketchOptions DisplayArrayOptions::Sketch() const {
  SketchOptions options;
  options.address = address.value_or(options.address);
  options.panel_height = panel_height.value_or(options.panel_height);
  options.compression = compression;
  return options;
}

CArrayScan DisplayArrayOptions::Read(CArrayScan scan, const std::optional<QSize>& size) const {
  if (layout) scan.layout = layout;
  if (set_bit) scan.set_bit = set_bit;
  if (size) scan.size = size;
  return scan;
}

}  // namespace tochkograf
