# SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the Windows icon from the XPM: one 32 by 32 image, 256 colours.

usage: python3 xpm2ico.py marvendo.xpm marvendo.ico
Reads the XPM this folder holds (one character a pixel, "None" for clear).
"""
import re
import struct
import sys


def read_xpm(path):
    rows = re.findall(r'"([^"]*)"', open(path, encoding="ascii").read())
    width, height, colours, _ = (int(n) for n in rows[0].split())
    palette = {}
    for line in rows[1:1 + colours]:
        key, value = line[0], line.split()[-1]
        palette[key] = None if value == "None" else tuple(int(value[i:i + 2], 16) for i in (1, 3, 5))
    return width, height, palette, rows[1 + colours:1 + colours + height]


def write_ico(path, width, height, palette, pixels):
    colours = [c for c in palette.values() if c is not None]
    index = {key: (colours.index(c) if c is not None else 0) for key, c in palette.items()}
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in colours).ljust(256 * 4, b"\0")
    xor = b"".join(bytes(index[ch] for ch in row) for row in reversed(pixels))
    mask_row = (width + 31) // 32 * 4
    mask = b""
    for row in reversed(pixels):
        bits = "".join("1" if palette[ch] is None else "0" for ch in row).ljust(mask_row * 8, "0")
        mask += int(bits, 2).to_bytes(mask_row, "big")
    header = struct.pack("<IiiHHIIiiII", 40, width, 2 * height, 1, 8, 0, len(xor) + len(mask), 0, 0, 256, 0)
    image = header + table + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", width, height, 0, 0, 1, 8, len(image), 22)
    with open(path, "wb") as out:
        out.write(directory + image)


if __name__ == "__main__":
    write_ico(sys.argv[2], *read_xpm(sys.argv[1]))
