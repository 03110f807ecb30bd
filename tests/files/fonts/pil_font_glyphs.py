#!/usr/bin/python3
"""Prints a font's glyphs as PIL's readers see them, one line each:
"BYTE ADVANCE x,y x,y ...", BYTE the character's Windows-1251 code, x and y
each inked pixel's place from the origin on the baseline (y negative above
it), and first a line "line N", the line's height in pixels: PIXEL_SIZE of a
PCF, FONT_ASCENT + FONT_DESCENT of a BDF.

    pil_font_glyphs.py pcf FONT.pcf[.gz]   PIL's PcfFontFile, at Windows-1251
    pil_font_glyphs.py bdf FONT.bdf        PIL's BdfFontFile, at Unicode codes

or, with "cp1251", the Unicode codes of Windows-1251's upper half as Python's
codec has them, comma-separated.
"""
import gzip
import io
import sys

from PIL import BdfFontFile, PcfFontFile


def pixels(dst, image):
    left, top = dst[0], dst[1]
    inked = []
    for y in range(image.size[1]):
        for x in range(image.size[0]):
            if image.getpixel((x, y)):
                inked.append("%d,%d" % (left + x, top + y))
    return inked


def line(byte, advance, dst, image):
    return " ".join(["%d %d" % (byte, advance)] + pixels(dst, image))


def pcf(path):
    data = open(path, "rb").read()
    if path.endswith(".gz"):
        data = gzip.decompress(data)
    font = PcfFontFile.PcfFontFile(io.BytesIO(data), "cp1251")
    print("line %d" % font.info[b"PIXEL_SIZE"])
    for byte, glyph in enumerate(font.glyph):
        if glyph:
            (advance, _), dst, _, image = glyph
            print(line(byte, advance, dst, image))


def bdf(path):
    with open(path, "rb") as fp:
        font = BdfFontFile.BdfFontFile(fp)  # checks the header and properties
    # Its table holds codes below 256 only; every character is read with the
    # same routine it reads each of them with.
    with open(path, "rb") as fp:
        height = 0
        while True:
            words = fp.readline().split()
            if words[0] == b"ENDPROPERTIES":
                break
            if words[0] in (b"FONT_ASCENT", b"FONT_DESCENT"):
                height += int(words[1])
        print("line %d" % height)
        while True:
            char = BdfFontFile.bdf_char(fp)
            if not char:
                break
            _, code, ((advance, _), dst, _), image = char
            byte = chr(code).encode("cp1251", "strict")[0]
            print(line(byte, advance, dst, image))
    del font


def cp1251():
    upper = bytes(range(128, 256)).decode("cp1251", "ignore")
    print(",".join(str(ord(c)) for c in upper))


if __name__ == "__main__":
    {"pcf": pcf, "bdf": bdf, "cp1251": cp1251}[sys.argv[1]](*sys.argv[2:])
