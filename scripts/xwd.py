# SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads an X window dump (xwd) of a 24- or 32-bit TrueColor screen.

usage: xwd.py pixels FILE X,Y [X,Y ...]   prints each pixel's colour as r,g,b
       xwd.py png FILE OUT.png            writes the picture as PNG
"""
import struct
import sys
import zlib


class Dump:
    def __init__(self, data):
        fields = struct.unpack(">25I", data[:100])
        header_size, self.width, self.height = fields[0], fields[4], fields[5]
        self.bits_per_pixel, self.bytes_per_line = fields[11], fields[12]
        self.byte_order = "<" if fields[7] == 0 else ">"
        self.masks = fields[14:17]
        self.data = data
        self.start = header_size + 12 * fields[19]

    def pixel(self, x, y):
        step = self.bits_per_pixel // 8
        offset = self.start + y * self.bytes_per_line + x * step
        raw = self.data[offset:offset + step]
        value = int.from_bytes(raw, "little" if self.byte_order == "<" else "big")
        return tuple((value & mask) >> ((mask & -mask).bit_length() - 1) for mask in self.masks)

    def png(self):
        return png(self.width, self.height, self.pixel)


def png(width, height, pixel):
    """A picture as PNG, from its size and its pixels' colours."""
    rows = b"".join(b"\0" + b"".join(bytes(pixel(x, y)[:3]) for x in range(width)) for y in range(height))

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(rows, 9))
            + chunk(b"IEND", b""))


def main():
    command, path = sys.argv[1:3]
    with open(path, "rb") as f:
        dump = Dump(f.read())
    if command == "pixels":
        points = (tuple(int(n) for n in arg.split(",")) for arg in sys.argv[3:])
        print(" ".join(",".join(map(str, dump.pixel(x, y))) for x, y in points))
    elif command == "png":
        with open(sys.argv[3], "wb") as out:
            out.write(dump.png())
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
