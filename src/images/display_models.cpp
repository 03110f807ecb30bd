#include "images/display_models.h"

namespace tochkograf {

namespace {

// An OLED's unlit pixel is as dark as the glass around it.
constexpr QRgb kOledGlass = 0xff0b0c0e;
constexpr QRgb kOledWhite = 0xffeef4ff;
constexpr QRgb kOledBlue = 0xff3cb4ff;
constexpr QRgb kOledYellow = 0xffffd21e;

// The 0.96" modules: 21.74 x 10.86 mm of active area for 128 x 64, a
// pitch of 0.17 mm and a pixel of 0.154 mm, as their panels' data sheets
// give them.
constexpr QSizeF kSmallOledPitch(0.17, 0.17);
constexpr double kSmallOledFill = 0.154 / 0.17;

// The PCD8544 glass of the Nokia 3310 and 5110, also sold on its own as a
// module: 84 x 48 pixels over about 30 x 20 mm, a little taller than wide,
// with narrow gaps; grey-green with dark ink. The sizes are an estimate
// from the module's outline: no data sheet at hand gives the glass's pitch.
constexpr QSizeF kNokiaPitch(0.36, 0.42);
constexpr double kNokiaFill = 0.9;
constexpr QRgb kNokiaPaper = 0xffa9b9a0;
constexpr QRgb kNokiaInk = 0xff1f271d;

}  // namespace

const std::vector<DisplayModel>& DisplayModels() {
  static const std::vector<DisplayModel> models{
      {QStringLiteral("SSD1306 0,96″, белый"), QSize(128, 64), kSmallOledPitch, kSmallOledFill,
       kOledGlass, kOledWhite},
      {QStringLiteral("SSD1306 0,96″, синий"), QSize(128, 64), kSmallOledPitch, kSmallOledFill,
       kOledGlass, kOledBlue},
      // The two-colour module: its top 16 rows are yellow, the rest blue.
      {QStringLiteral("SSD1306 0,96″, жёлто-синий"), QSize(128, 64), kSmallOledPitch,
       kSmallOledFill, kOledGlass, kOledBlue, 16, kOledYellow},
      // 0.91" strips: 22.38 x 5.58 mm for 128 x 32, a pitch of 0.175 mm and
      // a pixel of 0.159 mm.
      {QStringLiteral("SSD1306 0,91″ 128 × 32"), QSize(128, 32), QSizeF(0.175, 0.175),
       0.159 / 0.175, kOledGlass, kOledWhite},
      // The 1.3" modules: 29.42 x 14.7 mm for 128 x 64, a pitch of 0.23 mm
      // and a pixel of 0.21 mm.
      {QStringLiteral("SH1106 1,3″, белый"), QSize(128, 64), QSizeF(0.23, 0.23), 0.21 / 0.23,
       kOledGlass, kOledWhite},
      {QStringLiteral("PCD8544 (Nokia 5110)"), QSize(84, 48), kNokiaPitch, kNokiaFill, kNokiaPaper,
       kNokiaInk},
      // The common 12864 modules: 66.52 x 33.24 mm of active area, a pitch
      // of 0.52 mm and a dot of 0.48 mm, white dots on a blue backlight.
      {QStringLiteral("ST7920, синий"), QSize(128, 64), QSizeF(0.52, 0.52), 0.48 / 0.52, 0xff1d45c8,
       0xffe4ecff},
      // A 2.13" panel of 250 x 122 over 48.55 x 23.71 mm, held landscape;
      // e-paper's pixels touch.
      {QStringLiteral("Электронная бумага 2,13″"), QSize(250, 122), QSizeF(0.194, 0.194), 1.0,
       0xffebe8df, 0xff17181a},
      {QStringLiteral("Телефон Nokia 3310"), QSize(84, 48), kNokiaPitch, kNokiaFill, 0xffb3c49b,
       kNokiaInk},
      // A phone that shows EMS pictures: 101 x 64 pixels over about
      // 30 x 24 mm (an estimate, as the Nokia's), its pixels taller than
      // wide, on a pale grey.
      {QStringLiteral("Телефон Siemens C45"), QSize(101, 64), QSizeF(0.30, 0.37), 0.88, 0xffc3cdc9,
       0xff20242c},
  };
  return models;
}

}  // namespace tochkograf
