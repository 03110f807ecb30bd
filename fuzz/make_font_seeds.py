#!/usr/bin/env python3
"""Writes the BDF, PCF and gzipped seeds of fuzz/corpus/fonts.

Small subsets of X11's misc-fixed fonts: the program's own small font and
xfonts-base's 4x6 in KOI8-R, each as BDF and as PCF in bdftopcf's several
layouts (padding, bit and byte order, metrics of one byte or two), one
gzipped. Needs bdftopcf and pcf2bdf (xfonts-utils, pcf2bdf) and
xfonts-base. Run it again only to change the seeds.
"""
import gzip
import re
import subprocess
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
HERE = ROOT / "fuzz" / "corpus" / "fonts"


def subset(bdf, keep):
    """The font with only the glyphs whose code `keep` accepts."""
    head, rest = bdf.split(b"\nCHARS ", 1)
    glyphs = re.findall(rb"STARTCHAR.*?ENDCHAR\n", rest, re.S)
    kept = [g for g in glyphs if keep(int(re.search(rb"ENCODING (-?\d+)", g).group(1)))]
    return head + b"\nCHARS %d\n" % len(kept) + b"".join(kept) + b"ENDFONT\n"


def pcf(bdf, *options):
    return subprocess.run(["bdftopcf", *options], input=bdf, capture_output=True,
                          check=True).stdout


def main():
    HERE.mkdir(parents=True, exist_ok=True)
    small = (ROOT / "src" / "picture" / "fonts" / "small.bdf").read_bytes()
    latin = subset(small, lambda code: 0x41 <= code <= 0x5A or 0x410 <= code <= 0x415)
    koi8 = subprocess.run(["pcf2bdf", "/usr/share/fonts/X11/misc/4x6-KOI8-R.pcf.gz"],
                          capture_output=True, check=True).stdout
    koi8 = subset(koi8, lambda code: 0x30 <= code <= 0x39 or 0xE0 <= code <= 0xE8)
    wide = latin.replace(b"DWIDTH 4 0", b"DWIDTH 200 0", 1)
    seeds = {
        "latin.bdf": latin,
        "koi8.bdf": koi8,
        "latin.pcf": pcf(latin),
        "latin_lsb_p1_u2.pcf": pcf(latin, "-p1", "-l", "-L", "-u2"),
        "latin_msb_p2_u4.pcf": pcf(latin, "-M", "-m", "-p2", "-u4"),
        "latin_wide.pcf": pcf(wide, "-M"),
        "koi8.pcf": pcf(koi8),
        "latin.pcf.gz": gzip.compress(pcf(latin), mtime=0),
        "hand.bdf": b"STARTFONT 2.1\nFONT hand\nFONTBOUNDINGBOX 3 3 0 -1\nCHARS 2\n"
                    b"STARTCHAR none\nENCODING -1\nBBX 1 1 0 0\nBITMAP\n80\nENDCHAR\n"
                    b"STARTCHAR A\nENCODING 65\nDWIDTH 4 0\nBBX 3 3 0 -1\nBITMAP\nE0\nA\n4\n"
                    b"ENDCHAR\nENDFONT\n",
    }
    for name, data in seeds.items():
        (HERE / name).write_bytes(data)


main()
