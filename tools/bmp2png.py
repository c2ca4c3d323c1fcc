"""Converts 24-bit BMP files (as the screenshot driver writes them) to PNG
files beside them and removes the BMP files: bmp2png.py FILE.bmp..."""
import os
import struct
import sys

from xwd2png import png_bytes


def convert(path):
    with open(path, "rb") as source:
        data = source.read()
    if data[:2] != b"BM":
        sys.exit("%s: not a BMP file" % path)
    offset = struct.unpack("<I", data[10:14])[0]
    width, height, _, bits = struct.unpack("<iiHH", data[18:30])
    if bits != 24 or width <= 0 or height == 0:
        sys.exit("%s: only 24-bit pictures are supported" % path)
    stride = (width * 3 + 3) & ~3
    lines = range(abs(height) - 1, -1, -1) if height > 0 else range(-height)   # bottom-up unless negative
    rows = bytearray()
    for y in lines:
        line = data[offset + y * stride:offset + y * stride + width * 3]
        rows.append(0)
        for x in range(0, width * 3, 3):
            rows += bytes((line[x + 2], line[x + 1], line[x]))
    with open(path[:-4] + ".png", "wb") as out:
        out.write(png_bytes(width, abs(height), rows))


def main(paths):
    for path in paths:
        convert(path)
        os.remove(path)


if __name__ == "__main__":
    main(sys.argv[1:])
