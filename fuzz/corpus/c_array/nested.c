#define frames_width 8
#define frames_height 2
static const uint8_t frames[][2] = { {0x01, 0x80}, {0xff, 0x00,}, };
int big[] = {1000};
