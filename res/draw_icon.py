#!/usr/bin/python3
"""Draws the program's icon: a blue card on the window's gold, with the
white lines of a number on it and a red key badge in the corner.

    res/draw_icon.py res/tervalo.ico

One image, 32 x 32 pixels, 24-bit colour, with its transparency mask."""
import struct
import sys

SIZE = 32
GOLD = (243, 207, 110)
BLUE = (0, 0, 255)
DARK_BLUE = (0, 0, 150)
WHITE = (255, 255, 255)
RED = (255, 0, 0)
DARK_RED = (150, 0, 0)


def inside_rounded(x, y, left, top, right, bottom, radius):
    """Is pixel (x, y) inside the rectangle with rounded corners?"""
    if not (left <= x <= right and top <= y <= bottom):
        return False
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius


def pixel(x, y):
    """Colour of pixel (x, y), y down, or None where the icon is clear."""
    badge = (x - 24.5) ** 2 + (y - 24.5) ** 2
    if badge <= 6.5 ** 2:
        if 3.2 ** 2 >= badge >= 1.4 ** 2:
            return WHITE  # the ring of a key bow
        return RED if badge <= 5.5 ** 2 else DARK_RED
    if inside_rounded(x, y, 1, 4, 30, 27, 4):
        if not inside_rounded(x, y, 2, 5, 29, 26, 3):
            return DARK_BLUE
        if 8 <= y <= 9 and 5 <= x <= 26:
            return WHITE  # the thirteen digits
        if 13 <= y <= 14 and 5 <= x <= 17:
            return WHITE
        if 18 <= y <= 19 and 5 <= x <= 13:
            return GOLD
        return BLUE
    if inside_rounded(x, y, 0, 0, 31, 31, 6):
        return GOLD
    return None


def icon_bytes():
    rows = [[pixel(x, y) for x in range(SIZE)] for y in range(SIZE)]
    colour = b""
    mask = b""
    for row in reversed(rows):  # DIB rows run bottom up
        for rgb in row:
            r, g, b = rgb if rgb else (0, 0, 0)
            colour += bytes((b, g, r))
        bits = 0
        for x, rgb in enumerate(row):
            if rgb is None:
                bits |= 1 << (31 - x)
        mask += struct.pack(">I", bits)  # 32 bits: already a whole DWORD
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 24, 0,
                         len(colour) + len(mask), 0, 0, 0, 0)
    image = header + colour + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 24, len(image), 6 + 16)
    return directory + entry + image


if __name__ == "__main__":
    with open(sys.argv[1], "wb") as out:
        out.write(icon_bytes())
