/* Tochkograf: рисунок 10 x 2 точек для дисплея, 10 байт.
 * Раскладка: страницы по 8 строк, старший бит сверху (--layout pages-msb);
 * установленный бит — чёрная точка (--set-bit ink). */
#pragma once

#include <stdint.h>

#define PAGES_MSB_WIDTH 10
#define PAGES_MSB_HEIGHT 2

const uint8_t pages_msb[] = {0x40, 0x80, 0x80, 0xc0, 0x80, 0x00, 0x00, 0x80, 0x00, 0x00};
