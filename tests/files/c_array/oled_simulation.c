/* Runs an Arduino Uno's firmware in simavr with an SSD1306 display on its
 * I2C bus at ADDRESS, and every STEP_MS of simulated time up to END_MS,
 * where the display has changed, prints "screen MS FLAGS HEX": its flags
 * (bit 0 inverted, 1 on, 2 columns not remapped, 3 COM scan not reversed)
 * and its memory page by page, 128 bytes each. simavr's part answers at
 * 0x3C only: the bus is rewired so that it answers at ADDRESS, and nothing
 * at 0x3C unless that is ADDRESS.
 *   oled_simulation FIRMWARE.elf HEIGHT ADDRESS STEP_MS END_MS */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "avr_twi.h"
#include "sim_avr.h"
#include "sim_elf.h"
#include "ssd1306_virt.h"

static ssd1306_t display;
static unsigned address;

/* Every message on the bus names the address it goes to. */
static void rewire(struct avr_irq_t *irq, uint32_t value, void *param)
{
    avr_twi_msg_irq_t message;
    unsigned to;
    (void)irq;
    (void)param;
    message.u.v = value;
    to = message.u.twi.addr >> 1;
    to = to == address ? SSD1306_I2C_ADDRESS : to == SSD1306_I2C_ADDRESS ? 0x7f : to;
    message.u.twi.addr = (uint8_t)((to << 1) | (message.u.twi.addr & 1));
    avr_raise_irq(display.irq + IRQ_SSD1306_TWI_OUT, message.u.v);
}

int main(int argc, char **argv)
{
    static elf_firmware_t firmware;
    static uint8_t shown[SSD1306_VIRT_PAGES][SSD1306_VIRT_COLUMNS];
    const char *names[] = {"bus"};
    uint16_t shown_flags = 0xffff;
    avr_t *avr;
    avr_irq_t *bus;
    int height, page, column;
    double at_ms;

    if (argc != 6 || elf_read_firmware(argv[1], &firmware) != 0)
        return 2;
    height = atoi(argv[2]);
    address = (unsigned)strtoul(argv[3], NULL, 0);
    avr = avr_make_mcu_by_name("atmega328p");
    if (!avr || avr_init(avr) != 0)
        return 2;
    avr_load_firmware(avr, &firmware);
    avr->frequency = 16000000;
    ssd1306_init(avr, &display, SSD1306_VIRT_COLUMNS, height);
    bus = avr_alloc_irq(&avr->irq_pool, 0, 1, names);
    avr_connect_irq(avr_io_getirq(avr, AVR_IOCTL_TWI_GETIRQ(0), TWI_IRQ_OUTPUT), bus);
    avr_irq_register_notify(bus, rewire, NULL);
    avr_connect_irq(display.irq + IRQ_SSD1306_TWI_IN,
                    avr_io_getirq(avr, AVR_IOCTL_TWI_GETIRQ(0), TWI_IRQ_INPUT));
    for (at_ms = 0; at_ms <= atof(argv[5]); at_ms += atof(argv[4])) {
        while (avr->cycle < (avr_cycle_count_t)(at_ms * 16000)) {
            const int state = avr_run(avr);
            if (state == cpu_Done || state == cpu_Crashed)
                return 1;
        }
        if (display.flags == shown_flags && memcmp(shown, display.vram, sizeof shown) == 0)
            continue;
        memcpy(shown, display.vram, sizeof shown);
        shown_flags = display.flags;
        printf("screen %.0f %x ", at_ms, (unsigned)(display.flags & 0x0f));
        for (page = 0; page < height / 8; ++page)
            for (column = 0; column < SSD1306_VIRT_COLUMNS; ++column)
                printf("%02x", display.vram[page][column]);
        printf("\n");
    }
    return 0;
}
