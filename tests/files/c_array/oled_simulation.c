/* Runs an Arduino Uno's firmware in simavr with an SSD1306 display on its
 * I2C bus, and prints the display's memory whenever it has changed, every
 * few milliseconds of simulated time:
 *
 *   oled_simulation FIRMWARE.elf HEIGHT ADDRESS STEP_MS END_MS
 *
 * prints lines "screen MS FLAGS HEX": the time, the display's flags (bit 1
 * on, bit 0 inverted, bit 2 columns not remapped, bit 3 COM scan not
 * reversed) and its memory, page by page, 128 bytes each. The display part
 * answers at 0x3C only; at any other ADDRESS the bus is rewired so that it
 * answers there, and at 0x3C nothing does. Other lines are simavr's own. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "avr_twi.h"
#include "sim_avr.h"
#include "sim_elf.h"
#include "ssd1306_virt.h"

static ssd1306_t display;
static unsigned address;

/* Moves the part to `address`: the part itself only knows 0x3C. Every
 * message on the bus names the address it goes to. */
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
    elf_firmware_t firmware;
    avr_t *avr;
    avr_irq_t *bus;
    int height, page, column;
    double step_ms, end_ms, at_ms;
    static uint8_t shown[SSD1306_VIRT_PAGES][SSD1306_VIRT_COLUMNS];
    uint16_t shown_flags = 0xffff;
    const char *names[] = {"bus"};

    if (argc != 6) {
        fprintf(stderr, "usage: oled_simulation FIRMWARE.elf HEIGHT ADDRESS STEP_MS END_MS\n");
        return 2;
    }
    memset(&firmware, 0, sizeof firmware);
    if (elf_read_firmware(argv[1], &firmware) != 0)
        return 2;
    height = atoi(argv[2]);
    address = (unsigned)strtoul(argv[3], NULL, 0);
    step_ms = atof(argv[4]);
    end_ms = atof(argv[5]);
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
    memset(shown, 0, sizeof shown);
    for (at_ms = 0; at_ms <= end_ms; at_ms += step_ms) {
        const avr_cycle_count_t until = (avr_cycle_count_t)(at_ms * (avr->frequency / 1000));
        while (avr->cycle < until) {
            const int state = avr_run(avr);
            if (state == cpu_Done || state == cpu_Crashed) {
                fprintf(stderr, "the firmware stopped at %.0f ms\n", at_ms);
                return 1;
            }
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
