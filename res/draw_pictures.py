#!/usr/bin/env python3
"""Draws every picture of Talvex's resources: page and dialog backgrounds
(8-bit, per language and DPI), the label images of the colour adjustment
dialog, the temperature scale, the monitor picture, the two application
icons and the pointing-hand cursor.

Usage: draw_pictures.py OUTDIR     write every file into OUTDIR
       draw_pictures.py --list     print the file names, one a line

The backgrounds are drawn around the controls of the dialog templates in
Talvex.rc and Talvex_ja.rc, beside this script, placed in pixels as the
windows place them.

Standard library only: the BMP, ICO and CUR bytes are written here.
"""
import collections
import math
import os
import struct
import sys

RED = (239, 69, 74)          # the program's accent colour (COLORREF 0x4A45EF)


# ---------------------------------------------------------------- file formats

def bmp_file(width, height, bits, palette, rows):
    """rows: top-down list of bytes, already in the pixel format of `bits`."""
    stride = (width * bits // 8 + 3) & ~3
    body = b"".join(row.ljust(stride, b"\0") for row in reversed(rows))
    pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(body),
                       2835, 2835, len(palette), 0)
    offset = 14 + len(info) + len(pal)
    head = struct.pack("<2sIHHI", b"BM", offset + len(body), 0, 0, offset)
    return head + info + pal + body


def bmp24(width, height, pixels):
    """pixels: top-down list of (r, g, b)."""
    rows = []
    for y in range(height):
        line = pixels[y * width:(y + 1) * width]
        rows.append(b"".join(struct.pack("BBB", b, g, r) for r, g, b in line))
    return bmp_file(width, height, 24, [], rows)


def bmp8(width, height, palette, indices):
    rows = [bytes(indices[y * width:(y + 1) * width]) for y in range(height)]
    return bmp_file(width, height, 8, palette, rows)


def mask_rows(width, height, opaque):
    """1-bit AND mask, bottom-up, rows padded to 32 bits: 1 = transparent."""
    stride = ((width + 31) // 32) * 4
    out = bytearray()
    for y in reversed(range(height)):
        row = bytearray(stride)
        for x in range(width):
            if not opaque(x, y):
                row[x // 8] |= 0x80 >> (x % 8)
        out += row
    return bytes(out)


def icon_image(size, rgba):
    """One 32-bit icon image (BITMAPINFOHEADER, BGRA bottom-up, AND mask)."""
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    body = bytearray()
    for y in reversed(range(size)):
        for r, g, b, a in rgba[y * size:(y + 1) * size]:
            body += bytes((b, g, r, a))
    mask = mask_rows(size, size, lambda x, y: rgba[y * size + x][3] > 0)
    return info + bytes(body) + mask


def ico_file(images):
    """images: list of (size, rgba)."""
    head = struct.pack("<HHH", 0, 1, len(images))
    blobs = [icon_image(size, rgba) for size, rgba in images]
    offset = 6 + 16 * len(images)
    entries = b""
    for (size, _), blob in zip(images, blobs):
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32,
                               len(blob), offset)
        offset += len(blob)
    return head + entries + b"".join(blobs)


def cur_file(art, hotspot):
    """A 32 x 32 monochrome cursor from text art: '#' black, 'o' white,
    anything else transparent."""
    size = 32
    cell = lambda x, y: art[y][x] if y < len(art) and x < len(art[y]) else " "
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = struct.pack("<BBBBBBBB", 0, 0, 0, 0, 255, 255, 255, 0)
    xor = bytearray()
    for y in reversed(range(size)):
        row = bytearray(4)
        for x in range(size):
            if cell(x, y) == "o":
                row[x // 8] |= 0x80 >> (x % 8)
        xor += row
    mask = mask_rows(size, size, lambda x, y: cell(x, y) in "#o")
    image = info + palette + bytes(xor) + mask
    entry = struct.pack("<BBBBHHII", size, size, 2, 0, hotspot[0], hotspot[1],
                        len(image), 6 + 16)
    return struct.pack("<HHH", 0, 2, 1) + entry + image


# ------------------------------------------------------------ vector drawing

def lerp(a, b, t):
    return tuple(int(round(p + (q - p) * t)) for p, q in zip(a, b))


def grey(rgb, level=1.0):
    lum = 0.3 * rgb[0] + 0.59 * rgb[1] + 0.11 * rgb[2]
    v = int(round(lum * level))
    return (v, v, v)


class Raster:
    """An RGBA picture drawn at `scale` times its size and averaged down, so
    edges come out smooth. Coordinates are in output pixels."""

    def __init__(self, size, scale=6):
        self.size, self.scale = size, scale
        n = size * scale
        self.n = n
        self.px = [(0.0, 0.0, 0.0, 0.0)] * (n * n)

    def _blend(self, i, rgb, alpha):
        r, g, b, a = self.px[i]
        out_a = alpha + a * (1 - alpha)
        if out_a <= 0:
            return
        k = alpha / out_a
        self.px[i] = (r + (rgb[0] - r) * k, g + (rgb[1] - g) * k,
                      b + (rgb[2] - b) * k, out_a)

    def polygon(self, points, paint, alpha=1.0):
        """Even-odd fill; paint is an (r, g, b) or a function of (x, y)."""
        s = self.scale
        pts = [(x * s, y * s) for x, y in points]
        ys = [p[1] for p in pts]
        y0, y1 = max(0, int(min(ys))), min(self.n - 1, int(max(ys)) + 1)
        edges = list(zip(pts, pts[1:] + pts[:1]))
        for sy in range(y0, y1 + 1):
            cy = sy + 0.5
            xs = sorted(ax + (cy - ay) * (bx - ax) / (by - ay)
                        for (ax, ay), (bx, by) in edges
                        if (ay <= cy < by) or (by <= cy < ay))
            for left, right in zip(xs[0::2], xs[1::2]):
                for sx in range(max(0, int(math.ceil(left - 0.5))),
                                min(self.n, int(math.ceil(right - 0.5)))):
                    rgb = paint((sx + 0.5) / s, cy / s) if callable(paint) else paint
                    self._blend(sy * self.n + sx, rgb, alpha)

    def circle(self, cx, cy, r, paint, alpha=1.0, steps=48):
        self.polygon([(cx + r * math.cos(2 * math.pi * i / steps),
                       cy + r * math.sin(2 * math.pi * i / steps)) for i in range(steps)],
                     paint, alpha)

    def rect(self, x0, y0, x1, y1, paint, alpha=1.0):
        self.polygon([(x0, y0), (x1, y0), (x1, y1), (x0, y1)], paint, alpha)

    def round_rect(self, x0, y0, x1, y1, radius, paint, alpha=1.0):
        pts = []
        for cx, cy, start in ((x1 - radius, y0 + radius, -90), (x1 - radius, y1 - radius, 0),
                              (x0 + radius, y1 - radius, 90), (x0 + radius, y0 + radius, 180)):
            for i in range(7):
                a = math.radians(start + 15 * i)
                pts.append((cx + radius * math.cos(a), cy + radius * math.sin(a)))
        self.polygon(pts, paint, alpha)

    def line(self, x0, y0, x1, y1, width, paint):
        dx, dy = x1 - x0, y1 - y0
        length = math.hypot(dx, dy) or 1
        nx, ny = -dy / length * width / 2, dx / length * width / 2
        self.polygon([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny),
                      (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)], paint)

    def polyline(self, points, width, paint):
        for (ax, ay), (bx, by) in zip(points, points[1:]):
            self.line(ax, ay, bx, by, width, paint)
        for x, y in points[1:-1]:
            self.circle(x, y, width / 2, paint, steps=12)

    def pixels(self):
        """Averaged-down RGBA tuples, top-down."""
        s, n, out = self.scale, self.n, []
        for y in range(self.size):
            for x in range(self.size):
                r = g = b = a = 0.0
                for sy in range(y * s, y * s + s):
                    for pr, pg, pb, pa in self.px[sy * n + x * s: sy * n + x * s + s]:
                        r += pr * pa
                        g += pg * pa
                        b += pb * pa
                        a += pa
                if a <= 0:
                    out.append((0, 0, 0, 0))
                else:
                    out.append((int(round(r / a)), int(round(g / a)),
                                int(round(b / a)), int(round(255 * a / (s * s)))))
        return out

    def flattened(self, background):
        """The picture on an opaque background, as (r, g, b)."""
        out = []
        for r, g, b, a in self.pixels():
            t = a / 255.0
            out.append(tuple(int(round(bg + (c - bg) * t))
                             for c, bg in zip((r, g, b), background)))
        return out


# ----------------------------------------------------------- application icon

def draw_monitor(ras, size, present):
    """The program's monitor: a dark bezel on a stand, the screen lit by a red
    accent while a monitor is connected, greyed and crossed when none is."""
    u = size / 48.0
    tone = (lambda c: c) if present else (lambda c: grey(c, 0.9))
    bezel_top, bezel_bottom = tone((74, 78, 88)), tone((30, 32, 37))
    ras.round_rect(2 * u, 5 * u, 46 * u, 37 * u, 3.5 * u,
                   lambda x, y: lerp(bezel_top, bezel_bottom, (y / u - 5) / 32))
    ras.round_rect(3 * u, 6 * u, 45 * u, 36 * u, 2.6 * u,
                   lambda x, y: lerp(tone((44, 47, 54)), tone((20, 21, 25)), (y / u - 6) / 30))
    screen_top, screen_bottom = tone((34, 40, 56)), tone((8, 9, 13))
    ras.rect(5.5 * u, 8.5 * u, 42.5 * u, 32 * u,
             lambda x, y: lerp(screen_top, screen_bottom, (y / u - 8.5) / 23.5))
    ras.polygon([(20 * u, 37 * u), (28 * u, 37 * u), (30 * u, 42 * u), (18 * u, 42 * u)],
                tone((52, 55, 62)))
    ras.round_rect(11 * u, 41.5 * u, 37 * u, 45 * u, 1.6 * u,
                   lambda x, y: lerp(tone((80, 84, 94)), tone((36, 38, 43)), (y / u - 41.5) / 3.5))
    if present:
        # A forward chevron and an accent line: the screen is alive.
        ras.polygon([(17 * u, 13 * u), (27 * u, 20 * u), (17 * u, 27 * u),
                     (20.5 * u, 20 * u)], RED)
        ras.polygon([(24 * u, 13 * u), (34 * u, 20 * u), (24 * u, 27 * u),
                     (27.5 * u, 20 * u)], (255, 128, 130), 0.55)
        ras.rect(5.5 * u, 29.8 * u, 42.5 * u, 32 * u, RED)
        ras.rect(5.5 * u, 8.5 * u, 42.5 * u, 9.6 * u, (255, 255, 255), 0.10)
    else:
        w = max(3.2 * u, 2.2)
        outline = (16, 16, 18)
        for (x0, y0, x1, y1) in ((14, 11, 34, 30), (34, 11, 14, 30)):
            ras.line(x0 * u, y0 * u, x1 * u, y1 * u, w + 1.6 * u, outline)
        for (x0, y0, x1, y1) in ((14, 11, 34, 30), (34, 11, 14, 30)):
            ras.line(x0 * u, y0 * u, x1 * u, y1 * u, w, RED)


def app_icon(present):
    images = []
    for size in (48, 32, 16):
        ras = Raster(size, scale=8 if size < 32 else 5)
        draw_monitor(ras, size, present)
        images.append((size, ras.pixels()))
    return ico_file(images)


# ------------------------------------------------------------------- cursor

HAND = [
    "     ##",
    "    #oo#",
    "    #oo#",
    "    #oo#",
    "    #oo#",
    "    #oo###",
    "    #oo#oo###",
    "    #oo#oo#oo##",
    "    #oo#oo#oo#o#",
    "##  #oo#oo#oo#oo#",
    "#oo##ooooooooooo#",
    "#ooo#ooooooooooo#",
    " #ooooooooooooo#",
    "  #oooooooooooo#",
    "  #ooooooooooo#",
    "   #oooooooooo#",
    "   #oooooooooo#",
    "    #ooooooooo#",
    "    #oooooooo#",
    "     #ooooooo#",
    "     #########",
]


# -------------------------------------------------------------- small images

TILE = (27, 30, 35)
TILE_EDGE = (62, 67, 77)
TILE_AROUND = (20, 22, 26)


def tile(ras, size):
    ras.round_rect(0, 0, size, size, 3.2, TILE_EDGE)
    ras.round_rect(1, 1, size - 1, size - 1, 2.4,
                   lambda x, y: lerp((36, 40, 47), (21, 23, 27), y / size))


def sym_brightness(r, c):
    for i in range(8):
        a = math.radians(45 * i)
        r.line(12 + 5.6 * math.cos(a), 12 + 5.6 * math.sin(a),
               12 + 8.6 * math.cos(a), 12 + 8.6 * math.sin(a), 1.6, c((255, 200, 90)))
    r.circle(12, 12, 4.2, c((255, 221, 120)))


def sym_contrast(r, c):
    r.circle(12, 12, 7.4, c(RED))
    r.circle(12, 12, 6.0, c((18, 19, 22)))
    r.polygon([(12 + 6.0 * math.cos(math.radians(a)), 12 + 6.0 * math.sin(math.radians(a)))
               for a in range(90, 271, 10)], c((235, 237, 240)))


def sym_black_level(r, c):
    """Steps rising from deep blue to white on a red floor: enabled, it must
    read as colour, since its grey copy is the disabled picture."""
    for i, t in enumerate((0.0, 0.35, 0.7, 1.0)):
        h = 4 + 3 * i
        r.rect(4.5 + 4 * i, 19 - h, 7.5 + 4 * i, 19, c(lerp((40, 70, 170), (225, 240, 255), t)))
    r.rect(4, 19, 20, 20.6, c(RED))


def sym_gain(rgb):
    def draw(r, c):
        r.circle(12, 12, 7, c(rgb))
        r.circle(10, 9.6, 2.6, c((255, 255, 255)), 0.35)
    return draw


def sym_saturation(r, c):
    drop = [(12, 3.5)] + [(12 + 6.2 * math.cos(math.radians(a)), 14 + 6.2 * math.sin(math.radians(a)))
                          for a in range(-30, 211, 12)]
    r.polygon(drop, lambda x, y: c(lerp((255, 90, 200), (255, 170, 50), (y - 3) / 17)))


def sym_hue(r, c):
    hues = [(239, 69, 74), (250, 200, 60), (90, 210, 110), (60, 200, 230), (80, 110, 240), (200, 80, 220)]
    for i, rgb in enumerate(hues):
        a0, a1 = math.radians(60 * i - 90), math.radians(60 * i - 30)
        pts = [(12, 12)] + [(12 + 8 * math.cos(a0 + (a1 - a0) * k / 6),
                             12 + 8 * math.sin(a0 + (a1 - a0) * k / 6)) for k in range(7)]
        r.polygon(pts, c(rgb))
    r.circle(12, 12, 3.2, c(TILE))


def sym_gamma(r, c):
    r.polyline([(5, 4.5), (5, 19), (19.5, 19)], 1.1, c((110, 116, 128)))
    r.polyline([(5 + 14 * t / 10, 19 - 14 * (t / 10) ** 2.2) for t in range(11)], 1.8,
               c((110, 190, 255)))


def sym_contrast_enhancer(r, c):
    r.polyline([(5, 4.5), (5, 19), (19.5, 19)], 1.1, c((110, 116, 128)))
    pts = [(5 + 14 * t / 12, 19 - 14 * (0.5 - 0.5 * math.cos(math.pi * t / 12))) for t in range(13)]
    r.polyline(pts, 1.8, c((236, 238, 242)))
    r.line(9.5, 4.5, 9.5, 9.5, 1.5, c(RED))
    r.line(7, 7, 12, 7, 1.5, c(RED))


def sym_velocis(r, c):
    for x0, alpha in ((4.5, 0.55), (10.5, 1.0)):
        r.polygon([(x0, 6), (x0 + 3.2, 6), (x0 + 9.2, 12), (x0 + 3.2, 18), (x0, 18), (x0 + 6, 12)],
                  c(RED), alpha)


def sym_overdrive(r, c):
    r.polygon([(13.5, 3), (6.5, 13.2), (11.4, 13.2), (9.6, 21), (17.5, 10.4), (12.4, 10.4), (15.2, 3)],
              c((255, 196, 64)))


def sym_noise_reduction(r, c):
    noisy = [(4, 12), (5.5, 7.5), (7, 16), (8.5, 8.5), (10, 14.5), (11.5, 11)]
    r.polyline(noisy + [(14, 12), (20, 12)], 1.6, c((90, 214, 232)))


LABELS = [
    ("brightness", sym_brightness), ("contrast", sym_contrast),
    ("black_level", sym_black_level), ("gain_red", sym_gain((239, 69, 74))),
    ("gain_green", sym_gain((80, 200, 110))), ("gain_blue", sym_gain((70, 130, 240))),
    ("saturation", sym_saturation), ("hue", sym_hue), ("gamma", sym_gamma),
    ("contrast_enhancer", sym_contrast_enhancer), ("velocis", sym_velocis),
    ("overdrive", sym_overdrive), ("noise_reduction", sym_noise_reduction),
]
LABEL_SIZE = 24


def label_image(symbol, enabled):
    ras = Raster(LABEL_SIZE)
    tile(ras, LABEL_SIZE)
    symbol(ras, (lambda rgb: rgb) if enabled else (lambda rgb: grey(rgb, 0.55)))
    pixels = ras.flattened(TILE_AROUND)
    if not enabled:
        pixels = [grey(p) for p in pixels]     # the whole tile greys out
    return bmp24(LABEL_SIZE, LABEL_SIZE, pixels)


MONITOR_SIZE = 32


def monitor_picture():
    size = MONITOR_SIZE
    ras = Raster(size)
    tile(ras, size)
    inner = Raster(size)
    draw_monitor(inner, 24, True)
    # Centre the 24-pixel monitor on the tile.
    for y in range(inner.n):
        for x in range(inner.n):
            r, g, b, a = inner.px[y * inner.n + x]
            if a > 0:
                ras._blend((y + 4 * ras.scale) * ras.n + x + 4 * ras.scale, (r, g, b), a)
    return bmp24(size, size, ras.flattened(TILE_AROUND))


BAR_WIDTH, BAR_HEIGHT = 256, 8
WARM, MIDDLE, COOL = (255, 120, 30), (255, 236, 214), (40, 200, 255)


def bar_colour(x):
    t = x / (BAR_WIDTH - 1)
    return lerp(WARM, MIDDLE, t * 2) if t < 0.5 else lerp(MIDDLE, COOL, t * 2 - 1)


def colour_bar(grey_bar, low_colour):
    ramp = [bar_colour(x) for x in range(BAR_WIDTH)]
    if grey_bar:
        ramp = [grey(c, 0.8) for c in ramp]
    if low_colour:
        # 256 columns, 256 palette entries: the palette is the scale itself.
        return bmp8(BAR_WIDTH, BAR_HEIGHT, ramp, list(range(BAR_WIDTH)) * BAR_HEIGHT)
    return bmp24(BAR_WIDTH, BAR_HEIGHT, ramp * BAR_HEIGHT)


# ---------------------------------------------------------------- backgrounds

# Palette of the 8-bit backgrounds, in bands that the drawing addresses by
# index: a dark ramp for the surface, lighter steps for edges, greys for the
# small headings and a red ramp for the accents.
BASE, BASE_LEN = 0, 64
EDGE, EDGE_LEN = 64, 16
TEXT, TEXT_LEN = 80, 32
ACCENT, ACCENT_LEN = 112, 32


def background_palette():
    pal = [lerp((9, 10, 12), (46, 50, 58), i / (BASE_LEN - 1)) for i in range(BASE_LEN)]
    pal += [lerp((50, 54, 63), (98, 104, 116), i / (EDGE_LEN - 1)) for i in range(EDGE_LEN)]
    pal += [lerp((92, 97, 106), (226, 229, 233), i / (TEXT_LEN - 1)) for i in range(TEXT_LEN)]
    pal += [lerp((36, 10, 12), RED, i / (ACCENT_LEN - 1)) for i in range(ACCENT_LEN)]
    return pal + [(0, 0, 0)] * (256 - len(pal))


BAYER = [[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]

# A 5 x 7 face for the small panel headings (capitals, digits, a few signs).
GLYPHS = {
    "A": "01110 10001 10001 11111 10001 10001 10001", "B": "11110 10001 10001 11110 10001 10001 11110",
    "C": "01111 10000 10000 10000 10000 10000 01111", "D": "11110 10001 10001 10001 10001 10001 11110",
    "E": "11111 10000 10000 11110 10000 10000 11111", "F": "11111 10000 10000 11110 10000 10000 10000",
    "G": "01111 10000 10000 10011 10001 10001 01111", "H": "10001 10001 10001 11111 10001 10001 10001",
    "I": "11111 00100 00100 00100 00100 00100 11111", "J": "00111 00010 00010 00010 00010 10010 01100",
    "K": "10001 10010 10100 11000 10100 10010 10001", "L": "10000 10000 10000 10000 10000 10000 11111",
    "M": "10001 11011 10101 10101 10001 10001 10001", "N": "10001 11001 10101 10011 10001 10001 10001",
    "O": "01110 10001 10001 10001 10001 10001 01110", "P": "11110 10001 10001 11110 10000 10000 10000",
    "Q": "01110 10001 10001 10001 10101 10010 01101", "R": "11110 10001 10001 11110 10100 10010 10001",
    "S": "01111 10000 10000 01110 00001 00001 11110", "T": "11111 00100 00100 00100 00100 00100 00100",
    "U": "10001 10001 10001 10001 10001 10001 01110", "V": "10001 10001 10001 10001 10001 01010 00100",
    "W": "10001 10001 10001 10101 10101 10101 01010", "X": "10001 10001 01010 00100 01010 10001 10001",
    "Y": "10001 10001 01010 00100 00100 00100 00100", "Z": "11111 00001 00010 00100 01000 10000 11111",
    "0": "01110 10011 10101 10101 11001 10001 01110", "1": "00100 01100 00100 00100 00100 00100 01110",
    "2": "01110 10001 00001 00110 01000 10000 11111", "3": "11110 00001 00001 01110 00001 00001 11110",
    " ": "00000 00000 00000 00000 00000 00000 00000", "-": "00000 00000 00000 01110 00000 00000 00000",
}


class Surface:
    """An 8-bit picture in the background palette."""

    def __init__(self, width, height):
        self.w, self.h = width, height
        self.px = bytearray(width * height)

    def level(self, y):
        """Surface brightness of row y: lighter at the top, falling off."""
        t = y / max(1, self.h - 1)
        return 30.0 - 22.0 * t ** 0.8

    def shade(self, x0, y0, x1, y1, lift):
        """Dithered surface between the rows, lifted by `lift` palette steps."""
        x0, x1 = max(0, x0), min(self.w, x1)
        for y in range(max(0, y0), min(self.h, y1)):
            base = self.level(y) + lift
            pattern = bytes(BASE + max(0, min(BASE_LEN - 1, int(base + BAYER[y % 4][i] / 16.0)))
                            for i in range(4))
            row = (pattern * (self.w // 4 + 2))[x0 % 4: x0 % 4 + (x1 - x0)]
            self.px[y * self.w + x0: y * self.w + x1] = row

    def fill(self, x0, y0, x1, y1, index):
        x0, x1 = max(0, x0), min(self.w, x1)
        for y in range(max(0, y0), min(self.h, y1)):
            self.px[y * self.w + x0: y * self.w + x1] = bytes([index]) * (x1 - x0)

    def put(self, x, y, index):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y * self.w + x] = index

    def text(self, x, y, words, index):
        for ch in words:
            rows = GLYPHS.get(ch, GLYPHS[" "]).split()
            for gy, bits in enumerate(rows):
                for gx, bit in enumerate(bits):
                    if bit == "1":
                        self.put(x + gx + 1, y + gy + 1, BASE + 2)
                        self.put(x + gx, y + gy, index)
            x += 6

    def streaks(self):
        """Faint diagonal streaks in the upper right corner."""
        reach = min(self.w, self.h) * 0.55
        for y in range(int(reach)):
            for x in range(self.w - int(reach), self.w):
                d = (self.w - x) + y * 1.4
                if d < reach and (x + 2 * y) % 23 < 2:
                    fade = 1.0 - d / reach
                    self.px[y * self.w + x] = BASE + min(BASE_LEN - 1,
                                                         int(self.level(y) + 3 + 9 * fade))


# --------------------------------------------------------------- window layout

HERE = os.path.dirname(os.path.abspath(__file__))
SCRIPTS = ("Talvex.rc", "Talvex_ja.rc")       # English, Japanese
NORMAL_DPI, LARGE_DPI = 96, 120

# The dialog fonts as Wine measures them with the fonts tools/setup-deps.sh
# installs (Liberation Sans serves "Arial", IPA P Gothic "MS UI Gothic"), at both
# resolutions: the dialog base units, the height of a closed drop-down list
# and the top of a tab control's display area, below its row of tabs. The
# pictures' window test checks the outcome on the real windows.
Metrics = collections.namedtuple("Metrics", "base_x base_y combo_height tab_top")
METRICS = {
    ("Arial", 9): {NORMAL_DPI: Metrics(7, 14, 22, 26), LARGE_DPI: Metrics(9, 17, 25, 29)},
    ("MS UI Gothic", 9): {NORMAL_DPI: Metrics(7, 13, 21, 25), LARGE_DPI: Metrics(9, 16, 24, 28)},
}

Control = collections.namedtuple("Control", "name text cls style x y w h")
TEXT_KINDS = {"LTEXT": "Static", "CTEXT": "Static", "RTEXT": "Static", "GROUPBOX": "Button",
              "PUSHBUTTON": "Button", "DEFPUSHBUTTON": "Button"}
ID_KINDS = {"COMBOBOX": "ComboBox", "EDITTEXT": "Edit", "LISTBOX": "ListBox"}


def split_args(text):
    """Comma-separated arguments; a comma inside quotes does not split."""
    args, current, quoted = [], "", False
    for ch in text:
        if ch == '"':
            quoted = not quoted
        if ch == "," and not quoted:
            args.append(current.strip())
            current = ""
        else:
            current += ch
    return args + [current.strip()]


def parse_control(kind, rest):
    args = split_args(rest)
    if kind == "CONTROL":
        text, name, cls, style, numbers = args[0], args[1], args[2].strip('"'), args[3], args[4:8]
    elif kind in TEXT_KINDS:
        text, name, cls, numbers = args[0], args[1], TEXT_KINDS[kind], args[2:6]
        style = args[6] if len(args) > 6 else ""
    else:
        text, name, cls, numbers = "", args[0], ID_KINDS[kind], args[1:5]
        style = args[5] if len(args) > 5 else ""
    return Control(name, text, cls, style, *(int(n) for n in numbers))


def read_templates(path):
    """The dialog templates of a resource script by name: size and font in
    dialog units and points, and the controls."""
    templates, current = {}, None
    with open(path, encoding="utf-8") as script:
        for line in script:
            words = line.split()
            if len(words) > 2 and words[1] == "DIALOGEX":
                size = [int(n) for n in split_args(line.split("DIALOGEX", 1)[1])][2:4]
                current = {"size": tuple(size), "controls": []}
                templates[words[0]] = current
            elif current is None or not words:
                continue
            elif words[0] == "FONT":
                args = split_args(line.split("FONT", 1)[1])
                current["font"] = (args[1].strip('"'), int(args[0]))
            elif words[0] == "END":
                current = None
            elif words[0] == "CONTROL" or words[0] in TEXT_KINDS or words[0] in ID_KINDS:
                current["controls"].append(parse_control(words[0], line.split(None, 1)[1]))
    return templates


def mul_div(value, numerator, denominator):
    """Rounded to the nearest, halves up, as MulDiv does for positive values."""
    return (2 * value * numerator + denominator) // (2 * denominator)


def image_size(bitmap):
    return MONITOR_SIZE if bitmap == "IDB_MONITOR" else LABEL_SIZE


class Window:
    """A template's controls in the client pixels of its window, placed as
    the dialog manager places them: each position and size through the
    font's base units, drop-down lists as tall as their closed box, bitmap
    statics as large as their picture."""

    def __init__(self, template, dpi, size=None):
        m = self.metrics = METRICS[template["font"]][dpi]
        self.controls = []
        for c in template["controls"]:
            left, top = self.x(c.x), self.y(c.y)
            width, height = self.x(c.w), self.y(c.h)
            if c.cls == "ComboBox":
                height = m.combo_height
            if "SS_BITMAP" in c.style:
                width = height = image_size(c.text)
            self.controls.append((c.name, (left, top, left + width, top + height)))
        self.w, self.h = size or (self.x(template["size"][0]), self.y(template["size"][1]))

    def x(self, units):
        return mul_div(units, self.metrics.base_x, 4)

    def y(self, units):
        return mul_div(units, self.metrics.base_y, 8)

    def rects(self, names):
        return [rect for name, rect in self.controls if name in names]


def page_size(main, dpi):
    """A tab page fills the tab control's display area, 4 pixels in at the
    sides and the bottom and below the row of tabs, and the main window moves
    its left edge 2 pixels further out."""
    window = Window(main, dpi)
    left, top, right, bottom = window.rects(["IDC_TAB"])[0]
    return right - left - 6, bottom - top - window.metrics.tab_top - 4


def union(rects):
    return (min(r[0] for r in rects), min(r[1] for r in rects),
            max(r[2] for r in rects), max(r[3] for r in rects))


def overlaps(a, b):
    return a[0] < b[2] and b[0] < a[2] and a[1] < b[3] and b[1] < a[3]


class Layout:
    """Where a window's panels stand, in its client pixels: a stack of
    panels, one around each group of named controls, each clear of the
    controls and panels above and below it."""

    PAD = 8        # from a panel's edge to the controls it holds
    HEADING = 11   # the name tab above a panel's top edge
    CLEAR = 3      # the least room between a line and another control

    def __init__(self, window):
        self.win = window
        self.panels = []       # (x0, y0, x1, y1, heading), top down
        self.placed = []       # the same with their headings

    def span(self, groups):
        """The left and right edges that the groups' panels need at least.
        groups: (names, heading or None), top down."""
        margin = self.win.x(10)
        held = [union(self.win.rects(names)) for names, _ in groups]
        return (min([margin] + [h[0] - self.PAD for h in held]),
                max([self.win.w - margin] + [h[2] + self.PAD for h in held]))

    def stack(self, groups, x0, x1, top=None):
        """The groups' panels between x0 and x1; the first one's top edge at
        `top` where the controls above leave room for it."""
        for names, heading in groups:
            held = union(self.win.rects(names))
            band = [r for r in self.obstacles(names) if r[0] < x1 and x0 < r[2]]
            above = max([r[3] for r in band if r[3] <= held[1]] + [0])
            below = min([r[1] for r in band if r[1] >= held[3]] + [self.win.h])
            room = above + self.CLEAR + (self.HEADING if heading else 0)
            wanted = top if top is not None and not self.panels else held[1] - self.PAD
            y0 = max(wanted, room)
            y1 = min(held[3] + self.PAD, below - self.CLEAR)
            self.panels.append((x0, y0, x1, y1, heading))
            self.placed.append((x0, y0 - (self.HEADING if heading else 0), x1, y1))
        return self

    def obstacles(self, names):
        return [rect for name, rect in self.win.controls if name not in names] + self.placed

    def bottom_row(self, names):
        return min(r[1] for r in self.win.rects(names))

    def lowest(self):
        return max(p[3] for p in self.placed)


class Frames:
    """Panels, rules and bands drawn around a window's controls, in its
    client pixels. Every line drawn is kept, so that the picture can be
    refused when one of them would run under a control."""

    def __init__(self, surface, window):
        self.s, self.win = surface, window
        self.lines = []        # (x0, y0, x1, y1)

    def mark(self, x0, y0, x1, y1):
        self.lines.append((x0, y0, x1, y1))

    def panels(self, layout):
        for x0, y0, x1, y1, heading in layout.panels:
            self.draw_panel(x0, y0, x1, y1, heading)

    def draw_panel(self, x0, y0, x1, y1, heading):
        s, cut = self.s, 6
        for row in range(y0, y1):
            inset = max(0, cut - (row - y0))           # chamfered top right corner
            s.shade(x0, row, x1 - inset, row + 1, 5)
            s.put(x1 - inset - 1, row, EDGE + 4)
        s.fill(x0, y0, x1 - cut, y0 + 1, EDGE + 4)
        s.fill(x0, y1 - 1, x1, y1, EDGE + 1)
        s.fill(x0, y0, x0 + 1, y1, EDGE + 3)
        s.fill(x1 - 1, y0 + cut, x1, y1, EDGE + 2)
        self.mark(x0, y0, x1, y0 + 1)
        self.mark(x0, y1 - 1, x1, y1)
        self.mark(x0, y0, x0 + 1, y1)
        self.mark(x1 - cut - 1, y0, x1, y1)
        if heading:
            self.heading(x0, y0, heading)
        else:
            s.fill(x0, y0, x0 + max(14, (x1 - x0) // 9), y0 + 2, ACCENT + ACCENT_LEN - 1)
            self.mark(x0, y0, x0 + max(14, (x1 - x0) // 9), y0 + 2)

    def heading(self, x0, y0, words):
        """A tab above the panel's top left edge carrying its name."""
        s, width = self.s, 6 * len(words) + 12
        top = y0 - Layout.HEADING
        s.shade(x0, top, x0 + width, y0, 9)
        s.fill(x0, top, x0 + 3, y0, ACCENT + ACCENT_LEN - 1)
        s.fill(x0 + 3, top, x0 + width, top + 1, EDGE + 5)
        s.text(x0 + 8, top + 2, words, TEXT + 22)
        self.mark(x0, top, x0 + width, y0)

    def rule(self, y):
        """A rule across the window above the controls of its bottom row."""
        s = self.s
        s.fill(8, y, self.win.w - 8, y + 1, EDGE + 1)
        s.fill(8, y, 8 + max(40, self.win.w // 12), y + 1, ACCENT + ACCENT_LEN - 1)
        self.mark(8, y, self.win.w - 8, y + 1)

    def button_band(self, names):
        """A darker band along the bottom holding the named buttons, its
        edge halfway between them and the controls above."""
        buttons = union(self.win.rects(names))
        above = max(r[3] for _, r in self.win.controls if r[3] <= buttons[1])
        y0 = (above + buttons[1]) // 2
        s = self.s
        s.shade(0, y0, s.w, s.h, -4)
        s.fill(0, y0, s.w, y0 + 1, EDGE + 2)
        s.fill(0, y0, max(48, s.w // 8), y0 + 2, ACCENT + ACCENT_LEN - 1)
        self.mark(0, y0, s.w, y0 + 2)

    def check(self, what):
        """Refuses the picture when a line runs under a control."""
        for line in self.lines:
            for name, rect in self.win.controls:
                if overlaps(line, rect):
                    raise SystemExit("%s: a line at %s runs under %s at %s" % (what, line, name, rect))


SAME_MODELS = ["IDC_CHECK_SAME_MODELS_HOTKEY", "IDC_CHECK_SAME_MODELS_COLOR", "IDC_LINK"]
MONITOR = ["IDC_MONITOR_PICTURE", "IDC_COMBO_MONITOR"]


HOT_KEYS = [str(i) for i in range(1094, 1104)] + [str(i) for i in range(1110, 1120)]
COLOUR_MODE = ["IDC_STATIC_MODE_SELECTION", "IDC_COMBO_COLOR_MODE", "IDC_STATIC_PARAMETER",
               "IDC_BTN_COLOR", "IDC_BTN_TUNORA", "IDC_BTN_IMPORT", "IDC_BTN_EXPORT"]
APPLICATIONS = ["IDC_STATIC_APPLICATION", "IDC_COMBO_APPLICATION", "IDC_STATIC_APPLICATION_MODE",
                "IDC_COMBO_APPLICATION_MODE", "IDC_BTN_REGISTER", "IDC_BTN_DELETE"]


# The tab pages' panels by template, top down.
PAGE_PANELS = {
    "IDD_HOT_KEY": [(MONITOR, "MONITOR"), (HOT_KEYS, "HOT KEYS")],
    "IDD_COLOR": [(MONITOR, "MONITOR"), (COLOUR_MODE, "COLOR MODE")],
    "IDD_AUTO_COLOR": [(["IDC_CHECK_AUTO_COLOR"], None), (APPLICATIONS, "APPLICATIONS"),
                       (["IDC_COMBO_DEFAULT_MODE"], "DEFAULT MODE")],
}

PageFrame = collections.namedtuple("PageFrame", "x0 x1 top rule")
_page_frames = {}


def page_frame(ja, dpi):
    """What the tab pages share, so that their frames stay in place when the
    user switches tabs: the panels' left and right edges, the first panel's
    top and the rule above the bottom row, each taken from the page that
    needs it most."""
    if (ja, dpi) not in _page_frames:
        pages = [(page_window(t, ja, dpi), groups) for t, groups in PAGE_PANELS.items()]
        spans = [Layout(window).span(groups) for window, groups in pages]
        x0, x1 = min(s[0] for s in spans), max(s[1] for s in spans)
        alone = [Layout(window).stack(groups, x0, x1) for window, groups in pages]
        row = min(layout.bottom_row(SAME_MODELS) for layout in alone)
        lowest = max(layout.lowest() for layout in alone)
        _page_frames[ja, dpi] = PageFrame(x0, x1, min(layout.panels[0][1] for layout in alone),
                                          row - min(Layout.PAD, (row - lowest) // 2))
    return _page_frames[ja, dpi]


def tab_page(frames, template, ja, dpi):
    shared = page_frame(ja, dpi)
    frames.panels(Layout(frames.win).stack(PAGE_PANELS[template], shared.x0, shared.x1, shared.top))
    frames.rule(shared.rule)


def colour_dialog(frames):
    frames.button_band(["IDOK", "IDCANCEL", "IDC_BTN_RESET"])


# name, template, whether it is a tab page, drawing, and the bitmap sizes in
# pixels ((English normal, large), (Japanese normal, large)). These are the
# sizes the windows were designed around, but where a window is larger here
# (the Japanese fonts are taller, and at 120 dpi the base units wider) the
# bitmap has the window's size, so that its pattern never starts again
# inside the window.
PAGE_SIZES = (((500, 410), (644, 466)), ((503, 452), (649, 560)))
BACKGROUNDS = [
    ("color", "IDD_COLOR", True, tab_page, PAGE_SIZES),
    ("auto_color", "IDD_AUTO_COLOR", True, tab_page, PAGE_SIZES),
    ("hot_key", "IDD_HOT_KEY", True, tab_page, PAGE_SIZES),
    ("color_sub", "IDD_COLOR_SUB", False, colour_dialog, (((516, 510), (664, 578)), ((495, 546), (637, 672)))),
    ("tunora", "IDD_TUNORA_FUNCTIONS", False, colour_dialog, (((387, 343), (497, 389)), ((371, 341), (477, 420)))),
]

_templates = {}


def templates(ja):
    if ja not in _templates:
        _templates[ja] = read_templates(os.path.join(HERE, SCRIPTS[ja]))
    return _templates[ja]


def page_window(template, ja, dpi):
    dialogs = templates(ja)
    return Window(dialogs[template], dpi, page_size(dialogs["IDD_TALVEX_DIALOG"], dpi))


def background(name, template, is_page, draw, size, ja, dpi):
    window = page_window(template, ja, dpi) if is_page else Window(templates(ja)[template], dpi)
    what = "%s (%s, %d dpi)" % (name, "ja" if ja else "en", dpi)
    if size[0] < window.w or size[1] < window.h:
        raise SystemExit("%s: the bitmap %s is smaller than its window %s" % (what, size, (window.w, window.h)))
    surface = Surface(*size)
    surface.shade(0, 0, surface.w, surface.h, 0)
    surface.streaks()
    frames = Frames(surface, window)
    if is_page:
        draw(frames, template, ja, dpi)
    else:
        draw(frames)
    frames.check(what)
    return bmp8(surface.w, surface.h, background_palette(), surface.px)


# ------------------------------------------------------------------- catalogue

def catalogue():
    """Every output file with the function that makes its bytes."""
    files = {
        "app.ico": lambda: app_icon(True),
        "app_no_monitor.ico": lambda: app_icon(False),
        "hand.cur": lambda: cur_file(HAND, (5, 0)),
        "monitor.bmp": monitor_picture,
        "color_bar.bmp": lambda: colour_bar(False, False),
        "color_bar_low.bmp": lambda: colour_bar(False, True),
        "color_bar_grey.bmp": lambda: colour_bar(True, False),
        "color_bar_grey_low.bmp": lambda: colour_bar(True, True),
    }
    for name, symbol in LABELS:
        files["label_%s.bmp" % name] = lambda s=symbol: label_image(s, True)
        files["label_%s_off.bmp" % name] = lambda s=symbol: label_image(s, False)
    for name, template, is_page, draw, sizes in BACKGROUNDS:
        for lang, ja in (("en", False), ("ja", True)):
            for suffix, dpi, size in (("", NORMAL_DPI, sizes[ja][0]), ("_large", LARGE_DPI, sizes[ja][1])):
                files["back_%s%s_%s.bmp" % (name, suffix, lang)] = \
                    lambda a=(name, template, is_page, draw, size, ja, dpi): background(*a)
    return files


def main(argv):
    files = catalogue()
    if len(argv) == 2 and argv[1] == "--list":
        print("\n".join(sorted(files)))
        return 0
    if len(argv) != 2:
        sys.stderr.write(__doc__)
        return 2
    os.makedirs(argv[1], exist_ok=True)
    for name in sorted(files):
        data = files[name]()
        path = os.path.join(argv[1], name)
        with open(path + ".tmp", "wb") as out:
            out.write(data)
        os.replace(path + ".tmp", path)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
