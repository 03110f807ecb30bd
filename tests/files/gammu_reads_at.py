#!/usr/bin/python3
"""Reads a file of AT commands for a modem through gammu's own SMS decoder,
an independent reader of the messages: prints each picture (its kind, its
size and its rows, '#' for black; each frame of an EMS animation is one)
and the text the linked messages carry.
Exits 77 where gammu's Python module is missing."""
import sys

try:
    import gammu
except ImportError:
    sys.exit(77)

lines = open(sys.argv[1], encoding="utf-8", newline="").read().split("\r\n")
messages = []
for i, line in enumerate(lines):
    if line.startswith("AT+CMGS="):
        pdu = bytes.fromhex(lines[i + 1])
        if int(line[len("AT+CMGS="):]) != len(pdu) - 1 or pdu[0] != 0:
            sys.exit("AT+CMGS does not count the octets after the service centre")
        messages.append([gammu.DecodePDU(pdu, True)])
for linked in gammu.LinkSMS(messages):
    decoded = gammu.DecodeSMS(linked)
    if decoded is None:
        print("text", "".join(m["Text"] for m in linked))
        continue
    for entry in decoded["Entries"]:
        for bitmap in entry.get("Bitmap") or []:
            xpm = [row.decode() for row in bitmap["XPM"]]
            width, height, colours = (int(v) for v in xpm[0].split()[:3])
            black = next(row[0] for row in xpm[1:1 + colours] if "Black" in row)
            print("picture", entry["ID"], width, height, bitmap.get("NetworkCode", ""))
            for row in xpm[1 + colours:1 + colours + height]:
                print("".join("#" if c == black else "." for c in row))
            if bitmap.get("Text"):
                print("text", bitmap["Text"])
        if entry.get("Buffer"):
            print("text", entry["Buffer"])
