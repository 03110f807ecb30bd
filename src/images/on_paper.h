#pragma once

#include <QRgb>
#include <QtGlobal>

#include "files/brightness.h"

namespace tochkograf {

// A colour as it shows on white paper: what transparency lets through is
// white.
inline QRgb OnPaper(QRgb colour) {
  const int alpha = qAlpha(colour);
  return qRgb(OnWhitePaper(qRed(colour), alpha), OnWhitePaper(qGreen(colour), alpha),
              OnWhitePaper(qBlue(colour), alpha));
}

// How light a colour is, for telling which of two is darker.
inline int BrightnessOf(QRgb colour) {
  return Brightness(qRed(colour), qGreen(colour), qBlue(colour));
}

// The grey of a colour as it shows on white paper, 0..255. Its own grey is
// shown through its transparency, which rounds once where each channel
// shown on paper first would round four times.
inline uchar GreyOnPaper(QRgb colour) {
  return static_cast<uchar>(
      OnWhitePaper(Grey(qRed(colour), qGreen(colour), qBlue(colour)), qAlpha(colour)));
}

}  // namespace tochkograf
