#!/usr/bin/env python3
"""Writes the PNG, cut JPEG and cut GIF seeds of fuzz/corpus/image.

Each seed starts with the fuzz target's choice byte (even: the type is the
one the content shows), then the file. The PNGs are written chunk by chunk
here: every colour type and depth, with tRNS and palettes, interlaced or
not, and some cut short. Run it again only to change the seeds.
"""
import struct
import zlib
from pathlib import Path

HERE = Path(__file__).resolve().parent / "corpus" / "image"
CHANNELS = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}
# Adam7: first column and row, then steps across and down.
PASSES = [(0, 0, 8, 8), (4, 0, 8, 8), (0, 4, 4, 8), (2, 0, 4, 4), (0, 2, 2, 4), (1, 0, 2, 2),
          (0, 1, 1, 2)]


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def sample(x, y, c, depth):
    return (x * 7919 + y * 104729 + c * 1299709 + x * y * 31) % (1 << depth)


def rows(width, height, colour_type, depth, passes):
    out = bytearray()
    for x0, y0, dx, dy in passes:
        columns = range(x0, width, dx)
        if not columns or y0 >= height:
            continue
        for y in range(y0, height, dy):
            bits, count = 0, 0
            row = bytearray([0])
            for x in columns:
                for c in range(CHANNELS[colour_type]):
                    value = sample(x, y, c, depth)
                    if depth == 16:
                        row += struct.pack(">H", value)
                    elif depth == 8:
                        row.append(value)
                    else:
                        bits, count = bits << depth | value, count + depth
                        if count == 8:
                            row.append(bits)
                            bits, count = 0, 0
            if count:
                row.append(bits << (8 - count))
            out += row
    return bytes(out)


def png(width, height, colour_type, depth, interlaced=False, transparency=b""):
    header = struct.pack(">IIBBBBB", width, height, depth, colour_type, 0, 0, int(interlaced))
    data = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
    if colour_type == 3:
        data += chunk(b"PLTE", bytes((i * 7 % 256, 255 - i * 3 % 256, i * i % 256)[k]
                                     for i in range(1 << depth) for k in range(3)))
    if transparency:
        data += chunk(b"tRNS", transparency)
    passes = PASSES if interlaced else [(0, 0, 1, 1)]
    data += chunk(b"IDAT", zlib.compress(rows(width, height, colour_type, depth, passes)))
    return data + chunk(b"IEND", b"")


def write(name, data, choice=0):
    (HERE / name).write_bytes(bytes([choice]) + data)


def main():
    for colour_type, depths in {0: (1, 2, 4, 8, 16), 2: (8, 16), 3: (1, 2, 4, 8),
                                4: (8, 16), 6: (8, 16)}.items():
        for depth in depths:
            write(f"png_type{colour_type}_{depth}bit.png", png(13, 7, colour_type, depth))
    write("png_grey_trns.png", png(9, 5, 0, 8, transparency=b"\x00\x00"))
    write("png_rgb16_trns.png", png(9, 5, 2, 16, transparency=bytes(6)))
    write("png_palette_trns.png", png(9, 5, 3, 4, transparency=bytes(range(0, 160, 20))))
    write("png_interlaced_grey1.png", png(17, 11, 0, 1, interlaced=True))
    write("png_interlaced_rgba16.png", png(10, 9, 6, 16, interlaced=True), choice=0x9A)
    write("png_interlaced_3x2.png", png(3, 2, 3, 2, interlaced=True))
    whole = png(40, 30, 2, 8)
    for cut in (20, 40, len(whole) // 2, len(whole) - 6):
        write(f"png_cut_at_{cut}.png", whole[:cut])
    jpeg = (HERE / "jpeg_photo.jpg").read_bytes()[1:]
    write("jpeg_cut.jpg", jpeg[:len(jpeg) * 2 // 3])
    gif = (HERE / "gif_one_pixel.gif").read_bytes()[1:]
    write("gif_cut.gif", gif[:len(gif) - 4])


if __name__ == "__main__":
    main()
