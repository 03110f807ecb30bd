#!/usr/bin/env python3
"""Makes the subsets of the misc-fixed fonts kept in src/picture/fonts.

Run once by hand, not by the build (which reads the subsets it makes):

    apt-get install xfonts-base pcf2bdf
    tools/bdf_fonts/subset.py /usr/share/fonts/X11/misc src/picture/fonts

Each subset keeps the source's header and its glyphs for the characters
below, as the source draws them, and adds the rouble sign, which the
sources lack, drawn for this program in their style.
"""
import gzip
import os
import subprocess
import sys
import tempfile

# Latin, Latin-1's letters and signs, Russian and its neighbours' Cyrillic,
# dashes, quotes, the bullet, the ellipsis, №, €, ₽ and ™.
CODES = (list(range(0x20, 0x7F)) + list(range(0xA0, 0x100)) +
         [c for c in range(0x400, 0x460) if c not in (0x400, 0x40D, 0x450, 0x45D)] +
         [0x490, 0x491] + list(range(0x2010, 0x2016)) + list(range(0x2018, 0x201F)) +
         [0x2022, 0x2026, 0x2116, 0x20AC, 0x20BD, 0x2122])

SOURCES = {"small.bdf": "4x6", "normal.bdf": "6x10", "large.bdf": "10x20"}

# The rouble sign in each size: rows from the top of the font's box.
ROUBLE = {
    "4x6": [".##.", ".#.#", ".##.", "###.", ".#..", "...."],
    "6x10": ["......", ".###..", ".#..#.", ".#..#.", ".###..", "###...", ".#....", ".#....",
             "......", "......"],
    "10x20": ["..........", "..........", "..........", "..#####...", "..##..##..", "..##...##.",
              "..##...##.", "..##...##.", "..##..##..", "..#####...", "..##......", "#######...",
              "#######...", "..##......", "..##......", "..##......", "..........", "..........",
              "..........", ".........."],
}


def bdf_of(pcf_gz):
    with tempfile.TemporaryDirectory() as folder:
        pcf = os.path.join(folder, "font.pcf")
        with gzip.open(pcf_gz) as source, open(pcf, "wb") as target:
            target.write(source.read())
        bdf = os.path.join(folder, "font.bdf")
        subprocess.run(["pcf2bdf", "-o", bdf, pcf], check=True)
        with open(bdf, encoding="latin-1") as f:
            return f.read()


def split(bdf):
    head, _, rest = bdf.partition("\nCHARS ")
    glyphs = {}
    for block in rest.split("STARTCHAR ")[1:]:
        block = "STARTCHAR " + block.split("ENDCHAR")[0] + "ENDCHAR\n"
        code = int(block.split("ENCODING ")[1].split()[0])
        glyphs[code] = block
    return head, glyphs


def drawn_glyph(rows, box):
    width, height, x_offset, y_offset = box
    bits = []
    for row in rows:
        value = int(row.replace("#", "1").replace(".", "0"), 2) << (8 * ((width + 7) // 8) - width)
        bits.append("%0*X" % (2 * ((width + 7) // 8), value))
    return ("STARTCHAR uni20BD\nCOMMENT drawn for Tochkograf in the style of the font\n"
            "ENCODING 8381\nSWIDTH 640 0\nDWIDTH %d 0\nBBX %d %d %d %d\nBITMAP\n%s\nENDCHAR\n"
            % (width, width, height, x_offset, y_offset, "\n".join(bits)))


def main(source_folder, target_folder):
    for target, name in SOURCES.items():
        head, glyphs = split(bdf_of(os.path.join(source_folder, name + ".pcf.gz")))
        box = [int(v) for v in head.split("FONTBOUNDINGBOX ")[1].split("\n")[0].split()]
        glyphs[0x20BD] = drawn_glyph(ROUBLE[name], box)
        kept = [glyphs[c] for c in CODES]
        comment = ("COMMENT A subset of the misc-fixed font %s (public domain) from the X.Org\n"
                   "COMMENT fonts of Debian's xfonts-base, made by tools/bdf_fonts/subset.py;\n"
                   "COMMENT the rouble sign is drawn for Tochkograf and public domain too.\n"
                   % name)
        first, _, others = head.partition("\n")
        with open(os.path.join(target_folder, target), "w", encoding="latin-1") as f:
            f.write(first + "\n" + comment + others + "\nCHARS %d\n" % len(kept))
            f.write("".join(kept) + "ENDFONT\n")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
