#!/usr/bin/env python3
"""Writes the hand-made BMP files of tests/data/bmp, byte by byte.

Every picture shows the same pattern: pixel (x, y), 1-based from the top
left, is dark when (3 * x + 5 * y) % 7 == 0 or x == y. Fill bits at the end
of each row are set to 1 and fill bytes to 0xAA, so that a reader which
takes them for pixels shows it. Run it again only to change the files.
"""
import struct
from pathlib import Path

HERE = Path(__file__).resolve().parent / "bmp"
BLACK, WHITE = (0, 0, 0), (255, 255, 255)


def dark(x, y):
    return (3 * x + 5 * y) % 7 == 0 or x == y


def rows(width, height, dark_index):
    stride = 4 * ((width + 31) // 32)
    out = []
    for y in range(1, height + 1):
        row = bytearray(b"\xaa" * stride)
        used = (width + 7) // 8
        for j in range(used):
            byte = 0
            for bit in range(8):
                x = 8 * j + bit + 1
                index = (dark_index if dark(x, y) else 1 - dark_index) if x <= width else 1
                byte |= index << (7 - bit)
            row[j] = byte
        out.append(bytes(row))
    return out


def bmp(width, height, *, table=(BLACK, WHITE), info_size=40, bits=1, compression=0,
        colours_used=0, top_down=False, cut=0):
    dark_index = 0 if sum(table[0]) < sum(table[1]) else 1
    pixel_rows = rows(width, abs(height), dark_index)
    stored = pixel_rows if top_down else list(reversed(pixel_rows))
    data = b"".join(stored)
    if info_size == 12:  # OS/2 1.x: 16-bit sizes, three-byte table entries
        palette = b"".join(struct.pack("<BBB", b, g, r) for (r, g, b) in table)
        info = struct.pack("<IHHHH", 12, width, height, 1, bits)
    else:
        palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in table)
        info = struct.pack("<IiiHHIIiiII", info_size, width, -abs(height) if top_down else height,
                           1, bits, compression, len(data), 2835, 2835, colours_used, 0)
    offset = 14 + info_size + len(palette)
    info += b"\0" * (info_size - len(info))
    whole = b"BM" + struct.pack("<IHHI", offset + len(data), 0, 0, offset) + info + palette + data
    return whole[:len(whole) - cut] if cut else whole


FILES = {
    "w1_h1.bmp": bmp(1, 1),
    "w8_h14.bmp": bmp(8, 14),
    "w14_h14.bmp": bmp(14, 14),
    "w16_h16.bmp": bmp(16, 16),
    "w32_h32.bmp": bmp(32, 32),
    "w72_h14.bmp": bmp(72, 14),
    "w128_h96.bmp": bmp(128, 96),
    "w16_h16_top_down.bmp": bmp(16, 16, top_down=True),
    "w24_h26_white_first.bmp": bmp(24, 26, table=(WHITE, BLACK)),
    "w32_h8_header108.bmp": bmp(32, 8, info_size=108),
    "w20_h10_header124.bmp": bmp(20, 10, info_size=124, colours_used=2),
    "w16_h16_os2.bmp": bmp(16, 16, info_size=12),
    "w40_h9_os2_white_first.bmp": bmp(40, 9, info_size=12, table=(WHITE, BLACK)),
    "w24_h10_os2v2.bmp": bmp(24, 10, info_size=64),
    # Refused:
    "w129_h14.bmp": bmp(129, 14),
    "w16_h97.bmp": bmp(16, 97),
    "w16_h96_truncated.bmp": bmp(16, 96, cut=1),
    "w16_h16_rle.bmp": bmp(16, 16, compression=1),
    "w16_h16_header12.bmp": bmp(16, 16)[:14] + struct.pack("<I", 12) + bmp(16, 16)[18:],
    "w8_h8_24bit.bmp": bmp(8, 8, bits=24),
    "not_a_bmp.bmp": "Это не рисунок, а просто текст.\n".encode("utf-8") * 4,
}

if __name__ == "__main__":
    HERE.mkdir(exist_ok=True)
    for name, data in FILES.items():
        (HERE / name).write_bytes(data)
