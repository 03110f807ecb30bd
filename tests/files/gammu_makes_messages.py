#!/usr/bin/python3
"""Makes received messages with gammu's own SMS encoder, an independent
writer of them. Reads one message's description as JSON from standard
input: gammu's ID for what it carries ("EMSFixedBitmap", "EMSAnimation",
"NokiaOperatorLogo"...), its frames (each a list of rows, '#' for black),
the text, the network, the sender. Writes into the folder argv[1]:
with_centre.txt and without_centre.txt, the SMS-DELIVER PDUs in hex one a
line, with the service centre's address and without it (the latter in
reverse order), and backup.smsbackup, gammu's SMS backup of them.
Exits 77 where gammu's Python module is missing."""
import datetime
import json
import os
import sys

try:
    import gammu
except ImportError:
    sys.exit(77)

asked = json.load(sys.stdin)
bitmaps = []
for frame in asked["frames"]:
    width, height = len(frame[0]), len(frame)
    xpm = [b"%d %d 2 1" % (width, height), b"# c Black", b". c White"]
    bitmaps.append({"Type": "PictureImage", "Width": width, "Height": height,
                    "XPM": xpm + [row.encode() for row in frame],
                    "NetworkCode": asked.get("network", "")})
entries = [{"ID": asked["id"], "Bitmap": bitmaps}]
if asked.get("text"):
    entries.append({"ID": "ConcatenatedTextLong", "Buffer": asked["text"]})
messages = gammu.EncodeSMS({"Class": -1, "Unicode": True, "Entries": entries})
centre = {"Location": 0, "Number": "+79168999100", "Format": "Text",
          "Validity": "NA", "Class": -1, "Name": ""}
for message in messages:
    message.update(Number=asked["sender"], SMSC=centre, Type="Deliver",
                   DateTime=datetime.datetime(2024, 3, 5, 14, 30, 15))
    # gammu 1.42 counts the septets of a 7-bit message with a header
    # without the header's fill bits, which its own decoder then misreads:
    # what carries no text goes as 8-bit data instead.
    if message["Coding"].startswith("Default") and not message["Text"]:
        message.update(Coding="8bit", Text=b"")
pdus = [gammu.EncodePDU(message, "Deliver").hex() for message in messages]
folder = sys.argv[1]
with open(os.path.join(folder, "with_centre.txt"), "w") as out:
    out.write("\n".join(pdus) + "\n")
with open(os.path.join(folder, "without_centre.txt"), "w") as out:
    # The service centre's field is its length octet and as many more.
    out.write("\n".join(pdu[2 + 2 * int(pdu[:2], 16):] for pdu in reversed(pdus)) + "\n")
gammu.SaveSMSBackup(os.path.join(folder, "backup.smsbackup"), messages)
