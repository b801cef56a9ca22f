#!/usr/bin/env python3
"""Writes a Windows icon file holding each XPM picture given, in 32-bit colour, or one XPM
picture as a PNG file (for the web page).

    xpm_to_ico.py OUTPUT.ico PICTURE.xpm...
    xpm_to_ico.py --png OUTPUT.png PICTURE.xpm [SIZE]

A PNG may be made larger than the picture (SIZE pixels square, a whole multiple of it), each
pixel becoming a square block, so that its edges stay as sharp as the picture's.

Only what the form's pictures use is read: one character per pixel, colours as #RRGGBB or
None (transparent). Each picture becomes one image of the icon: a bottom-up 32-bit
BGRA bitmap followed by its 1-bit transparency mask, as Windows expects them.
"""
import re
import struct
import sys
import zlib


def read_xpm(path):
    rows = re.findall(r'"([^"]*)"', open(path, encoding="ascii").read())
    width, height, colours, per_pixel = (int(n) for n in rows[0].split()[:4])
    if per_pixel != 1:
        raise SystemExit(f"{path}: only one character per pixel is supported")
    palette = {}
    for line in rows[1 : 1 + colours]:
        key, value = line[0], line[1:].split()[-1]
        if value.lower() == "none":
            palette[key] = None
        elif re.fullmatch(r"#[0-9A-Fa-f]{6}", value):
            palette[key] = tuple(int(value[i : i + 2], 16) for i in (1, 3, 5))
        else:
            raise SystemExit(f"{path}: colour {value!r} is not #RRGGBB or None")
    pixels = [[palette[c] for c in row] for row in rows[1 + colours : 1 + colours + height]]
    if len(pixels) != height or any(len(row) != width for row in pixels):
        raise SystemExit(f"{path}: the picture is not {width} x {height}")
    return width, height, pixels


def icon_image(width, height, pixels):
    # The header's height counts the colour bitmap and the mask together.
    header = struct.pack("<IiiHHIIiiII", 40, width, 2 * height, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = bytearray()
    mask = bytearray()
    mask_row_bytes = ((width + 31) // 32) * 4
    for row in reversed(pixels):
        bits = bytearray(mask_row_bytes)
        for x, pixel in enumerate(row):
            if pixel is None:
                colour += bytes(4)
                bits[x // 8] |= 0x80 >> (x % 8)
            else:
                red, green, blue = pixel
                colour += bytes((blue, green, red, 255))
        mask += bits
    return header + bytes(colour) + bytes(mask)


def write_png(output, picture, size=None):
    """An 8-bit RGBA PNG of the picture, transparent where the XPM says None."""
    width, height, pixels = read_xpm(picture)
    if size is not None:
        scale = int(size) // width
        if scale * width != int(size) or width != height:
            raise SystemExit(f"{picture}: {size} is not a whole multiple of {width}")
        pixels = [[p for p in row for _ in range(scale)] for row in pixels for _ in range(scale)]
        width = height = int(size)
    rows = b"".join(
        b"\0" + bytes(b for pixel in row for b in (pixel + (255,) if pixel else (0, 0, 0, 0)))
        for row in pixels)

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    with open(output, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                  chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


def main(output, *pictures):
    images = [(w, h, icon_image(w, h, p)) for w, h, p in map(read_xpm, pictures)]
    data = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for width, height, image in images:
        data += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    data += b"".join(image for _, _, image in images)
    with open(output, "wb") as out:
        out.write(data)


if __name__ == "__main__":
    if len(sys.argv) in (4, 5) and sys.argv[1] == "--png":
        write_png(*sys.argv[2:])
    elif len(sys.argv) >= 3 and sys.argv[1] != "--png":
        main(*sys.argv[1:])
    else:
        raise SystemExit(__doc__)
