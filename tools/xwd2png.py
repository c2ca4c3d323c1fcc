"""Converts a 24/32-bit TrueColor XWD image (as xwd writes it) on stdin to PNG on stdout."""
import struct
import sys
import zlib


def png_bytes(width, height, rows):
    """A PNG file of 8-bit RGB pixels; rows holds each line as a 0 filter byte and R G B triples."""
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    out = b"\x89PNG\r\n\x1a\n"
    out += chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
    out += chunk(b"IDAT", zlib.compress(bytes(rows), 6))
    out += chunk(b"IEND", b"")
    return out


def main():
    data = sys.stdin.buffer.read()
    header = struct.unpack(">25I", data[:100])
    header_size, width, height = header[0], header[4], header[5]
    byte_order, bits_per_pixel, bytes_per_line = header[7], header[11], header[12]
    ncolors = header[19]
    pixels = data[header_size + ncolors * 12:]
    if bits_per_pixel not in (24, 32):
        sys.exit("only 24 and 32 bits per pixel are supported")
    step = bits_per_pixel // 8
    rows = bytearray()
    for y in range(height):
        line = pixels[y * bytes_per_line:(y * bytes_per_line) + width * step]
        rows.append(0)
        for x in range(0, width * step, step):
            if byte_order == 0:   # LSBFirst: B G R (X)
                b, g, r = line[x], line[x + 1], line[x + 2]
            else:
                r, g, b = line[x + step - 3], line[x + step - 2], line[x + step - 1]
            rows += bytes((r, g, b))
    sys.stdout.buffer.write(png_bytes(width, height, rows))


if __name__ == "__main__":
    main()
