// 'smile', 16x8px
#include <Arduino.h>
const unsigned char smile [] PROGMEM = {
	B00111100, 0b01000010, 0xA5, 0x81, /* eyes */ 0245, 129, 0x99U, 0x42,
	0x3c, 0, 0, 0, 0, 0, 0, 0,
};
char *s = "{1, 2}"; char c = '{';
void setup() {}
