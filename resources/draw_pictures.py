#!/usr/bin/env python3
"""Draws every picture the program and its sample presets carry.

Shapes are drawn here pixel by pixel; text is rasterised by ImageMagick (Debian's
imagemagick, with fonts-wqy-microhei for the Chinese characters). Run from the repository
root; the outputs are committed, so a build never needs this script.
"""
import math
import os
import struct
import subprocess

FONT = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"
WHITE = (255, 255, 255)


def canvas(w, h, colour=WHITE):
    return [[colour for _ in range(w)] for _ in range(h)]


def rect(img, x0, y0, x1, y1, colour):
    for y in range(max(0, y0), min(len(img), y1)):
        for x in range(max(0, x0), min(len(img[0]), x1)):
            img[y][x] = colour


def text_mask(w, h, lines):
    """Renders black text lines (text, pointsize, y) with ImageMagick; returns grey levels."""
    args = ["convert", "-size", f"{w}x{h}", "xc:white", "-font", FONT, "-fill", "black",
            "-gravity", "north"]
    for text, size, y in lines:
        args += ["-pointsize", str(size), "-annotate", f"+0+{y}", text]
    args += ["-depth", "8", "gray:-"]
    raw = subprocess.run(args, check=True, capture_output=True).stdout
    return [[raw[y * w + x] for x in range(w)] for y in range(h)]


def blend_text(img, mask, colour):
    for y, row in enumerate(mask):
        for x, level in enumerate(row):
            a = (255 - level) / 255.0
            if a > 0:
                img[y][x] = tuple(round(c * a + o * (1 - a)) for c, o in zip(colour, img[y][x]))


def bmp_bytes(img, bpp):
    """A bottom-up BI_RGB bitmap file of 24 or 32 bits per pixel."""
    h, w = len(img), len(img[0])
    row = bytearray()
    pixels = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray()
        for r, g, b in img[y]:
            row += bytes((b, g, r)) + (b"\xff" if bpp == 32 else b"")
        while len(row) % 4:
            row += b"\0"
        pixels += row
    header = struct.pack("<IiiHHIIiiII", 40, w, h, 1, bpp, 0, len(pixels), 3780, 3780, 0, 0)
    offset = 14 + len(header)
    return struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset) + header + pixels


def rle8_bmp_bytes(img):
    """A bottom-up BI_RLE8 bitmap file: at most 256 colours, each row as runs of one colour
    (at most 255 long) or, between runs, literal stretches of 3 to 255 indices."""
    h, w = len(img), len(img[0])
    palette = sorted({c for row in img for c in row})
    assert len(palette) <= 256, "too many colours for 8 bits"
    index = {c: i for i, c in enumerate(palette)}
    pixels = bytearray()
    for y in range(h - 1, -1, -1):
        row = [index[c] for c in img[y]]
        x = 0
        literal = []

        def flush():
            # Absolute mode needs 3 or more indices; shorter stretches go as runs of one.
            if len(literal) >= 3:
                pixels.extend((0, len(literal), *literal) + ((0,) if len(literal) % 2 else ()))
            else:
                for i in literal:
                    pixels.extend((1, i))
            literal.clear()

        while x < w:
            n = 1
            while x + n < w and n < 255 and row[x + n] == row[x]:
                n += 1
            if n >= 3:
                flush()
                pixels.extend((n, row[x]))
            else:
                literal.extend(row[x:x + n])
                if len(literal) >= 250:
                    flush()
            x += n
        flush()
        pixels.extend((0, 0))  # end of line
    pixels[-2:] = bytes((0, 1))  # end of bitmap
    colours = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    header = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, 1, len(pixels), 3780, 3780,
                         len(palette), 0)
    offset = 14 + len(header) + len(colours)
    return (struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset) + header + colours
            + pixels)


def icon_image(img):
    """One 24-bit icon image (RT_ICON data): header, colours, all-opaque AND mask."""
    h, w = len(img), len(img[0])
    xor = bmp_bytes(img, 24)[14 + 40:]
    mask_row = ((w + 31) // 32) * 4
    and_mask = b"\0" * (mask_row * h)
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 24, 0, len(xor) + len(and_mask), 0, 0,
                         0, 0)
    return header + xor + and_mask


def icon_group(image, w, h, image_id):
    """The icon group (RT_GROUP_ICON data) naming one image by its resource identifier."""
    return struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHIH", w, h, 0, 0, 1, 24, len(image),
                                                      image_id)


def monitor_icon():
    img = canvas(32, 32, (236, 236, 236))
    rect(img, 2, 3, 30, 24, (52, 56, 64))        # bezel
    rect(img, 4, 5, 28, 21, (40, 110, 200))      # screen
    rect(img, 5, 6, 16, 10, (120, 180, 240))     # glare
    rect(img, 14, 24, 18, 27, (80, 84, 92))      # neck
    rect(img, 8, 27, 24, 29, (52, 56, 64))       # foot
    rect(img, 25, 22, 27, 23, (90, 220, 120))    # power light
    return img


def logo_placeholder():
    img = canvas(120, 120)
    blend_text(img, text_mask(120, 120, [("LOGO", 30, 22), ("预览", 26, 66)]), (0, 0, 0))
    return img


def prohibition_sign():
    img = canvas(120, 120)
    red = (220, 20, 30)
    c, outer, inner, half_bar = 59.5, 54.0, 42.0, 6.0
    for y in range(120):
        for x in range(120):
            dx, dy = x - c, y - c
            d = math.hypot(dx, dy)
            on_ring = inner <= d <= outer
            # The bar runs from top-left to bottom-right inside the ring.
            on_bar = d < inner and abs(dx - dy) / math.sqrt(2) <= half_bar
            if on_ring or on_bar:
                img[y][x] = red
    return img


def maker_logo():
    img = canvas(30, 30, (255, 255, 255))
    for y in range(30):
        for x in range(30):
            if math.hypot(x - 14.5, y - 14.5) <= 14:
                img[y][x] = (24, 90, 170)
    mask = text_mask(30, 30, [("V", 20, 2)])
    blend_text(img, mask, (255, 255, 255))
    # The text was drawn black on white; recolour it white on the disc.
    for y in range(30):
        for x in range(30):
            if mask[y][x] < 128 and math.hypot(x - 14.5, y - 14.5) <= 14:
                img[y][x] = (255, 255, 255)
    return img


def brand_logo(name_lines, background, foreground):
    img = canvas(120, 120, background)
    rect(img, 6, 6, 114, 114, foreground)
    rect(img, 10, 10, 110, 110, background)
    blend_text_on(img, name_lines, foreground, background)
    return img


def blend_text_on(img, lines, colour, background):
    mask = text_mask(120, 120, lines)
    for y, row in enumerate(mask):
        for x, level in enumerate(row):
            a = (255 - level) / 255.0
            if a > 0:
                img[y][x] = tuple(round(c * a + b * (1 - a)) for c, b in zip(colour, background))


def write(path, data):
    os.makedirs(os.path.dirname(path) or ".", exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


SAMPLE_BRANDS = [
    ("Aurora PC", [("Aurora", 26, 30), ("PC", 26, 64)], (255, 255, 255), (30, 80, 160)),
    ("青松电脑", [("青松", 30, 26), ("电脑", 30, 64)], (245, 250, 245), (20, 120, 60)),
    ("Kestrel", [("Kestrel", 24, 46)], (255, 248, 235), (190, 90, 20)),
]


def main():
    image = icon_image(monitor_icon())
    # Written as raw resources so that the image keeps its identifier 30001.
    write("resources/icon_30001.bin", image)
    write("resources/icon_group_1.bin", icon_group(image, 32, 32, 30001))
    # The program carries its 120 x 120 pictures run-length coded and expands them to 32 bits
    # when loading; the tests compare what the windows show with the 32-bit originals.
    for name, img in [("logo_placeholder", logo_placeholder()), ("clean_oem", prohibition_sign())]:
        write(f"resources/{name}.bmp", rle8_bmp_bytes(img))
        write(f"tests/e2e/pictures/{name}.bmp", bmp_bytes(img, 32))
    write("resources/maker_logo.bmp", bmp_bytes(maker_logo(), 24))
    for name, lines, bg, fg in SAMPLE_BRANDS:
        write(f"data/oemdata/{name}/oemlogo.bmp", bmp_bytes(brand_logo(lines, bg, fg), 24))


if __name__ == "__main__":
    main()
