#!/usr/bin/python3
"""Prints the glyphs PIL reads from a PCF or BDF font (gzipped or not), one
line each: its character, its advance, then its ink as x,y pairs from the
origin on the baseline (y down); a character it has no glyph for prints
alone. PIL keeps 256 glyphs: byte i is glyph i of the font picked through
PICK (PIL's charset), and stands for the character MEANS decodes it to.

Usage: pil_glyphs.py pcf|bdf FILE PICK MEANS
"""
import gzip
import sys

from PIL import BdfFontFile, PcfFontFile

kind, path, pick, means = sys.argv[1:5]
opener = gzip.open if path.endswith(".gz") else open
with opener(path, "rb") as file:
    if kind == "pcf":
        font = PcfFontFile.PcfFontFile(file, charset_encoding=pick)
    else:
        font = BdfFontFile.BdfFontFile(file)
for byte in range(256):
    try:
        character = ord(bytes([byte]).decode(means))
    except UnicodeDecodeError:
        continue
    glyph = font[byte]
    if not glyph:
        print(character)
        continue
    (advance, _), (left, top, _, _), _, image = glyph
    ink = [f"{left + x},{top + y}" for y in range(image.size[1]) for x in range(image.size[0])
           if image.getpixel((x, y))]
    print(character, advance, *ink)
