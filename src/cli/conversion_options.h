#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

#include "cli/help_text.h"
#include "images/image_conversion.h"

class QCommandLineParser;

namespace tochkograf {

// How --convert turns an image into a picture where the defaults (those of
// the import's conversion dialog) will not do.
struct ConversionOptions {
  std::optional<QSize> size;           // --size WxH
  std::optional<int> threshold;        // --threshold N
  std::optional<Dithering> dithering;  // --dither none|floyd|bayer
  bool invert = false;                 // --invert
  std::optional<Framing> framing;      // --fit contain|cover

  bool Any() const { return size || threshold || dithering || invert || framing; }
  // The dialog's defaults for the image, with these in their place.
  ConversionSettings Settings(ImageConversion& conversion) const;
};

QList<QCommandLineOption> ConversionOptionList();

// Whether any of them was given.
bool AnyConversionOption(const QCommandLineParser& parser);

// Reads them once the parser has taken the arguments. What is wrong with
// them in Russian, or nothing.
QString ReadConversionOptions(const QCommandLineParser& parser, ConversionOptions& options);

// What is wrong with arguments the parser refused for something other than
// an unknown option, where it is one of these left without its value;
// otherwise nothing.
QString MissingConversionValue(const QStringList& arguments);

// Their entries in the help.
QList<HelpItem> ConversionOptionsHelp();

}  // namespace tochkograf
