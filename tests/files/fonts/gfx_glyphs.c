/* Draws every glyph of an Adafruit GFX font, written to "font.h" with the
 * name `font`, as the library draws it, and prints each as
 * pil_font_glyphs.py does: "CODE ADVANCE x,y x,y ...", the inked pixels from
 * the origin on the baseline, after "line YADVANCE". */
#include <stdint.h>
#include <stdio.h>

/* As Adafruit's gfxfont.h has them. */
typedef struct {
  uint16_t bitmapOffset;
  uint8_t width;
  uint8_t height;
  uint8_t xAdvance;
  int8_t xOffset;
  int8_t yOffset;
} GFXglyph;

typedef struct {
  uint8_t *bitmap;
  GFXglyph *glyph;
  uint16_t first;
  uint16_t last;
  uint8_t yAdvance;
} GFXfont;

#include "font.h"

int main(void) {
  const GFXfont *f = &font;
  unsigned code;
  printf("line %u\n", (unsigned)f->yAdvance);
  for (code = f->first; code <= f->last; ++code) {
    const GFXglyph *g = &f->glyph[code - f->first];
    const uint8_t *bitmap = f->bitmap + g->bitmapOffset;
    unsigned bit = 0;
    uint8_t bits = 0;
    int x, y;
    printf("%u %u", code, (unsigned)g->xAdvance);
    /* The bits run on from row to row, the most significant first. */
    for (y = 0; y < g->height; ++y)
      for (x = 0; x < g->width; ++x) {
        if (!(bit++ & 7)) bits = *bitmap++;
        if (bits & 0x80) printf(" %d,%d", g->xOffset + x, g->yOffset + y);
        bits <<= 1;
      }
    printf("\n");
  }
  return 0;
}
