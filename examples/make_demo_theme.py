#!/usr/bin/env python3
"""Draws the demo theme's icons and writes them as GIF89a files.

Standard library only: each icon is a list of filled shapes painted in order
onto a small palette canvas, then LZW-compressed into a single-image GIF.

    python3 examples/make_demo_theme.py [output-folder]

The output folder defaults to demo-theme/ beside this script.
"""

import math
import struct
import sys
from pathlib import Path

# Palette index 0 is the background; it is marked transparent.
PALETTE = [
    (0, 0, 0),        # 0 background (transparent)
    (0, 0, 0),        # 1 black
    (255, 255, 255),  # 2 white
    (40, 170, 60),    # 3 green
    (220, 40, 40),    # 4 red
    (40, 110, 220),   # 5 blue
    (250, 200, 30),   # 6 yellow
    (130, 130, 140),  # 7 grey
    (70, 70, 80),     # 8 dark grey
    (160, 60, 200),   # 9 purple
    (250, 130, 20),   # 10 orange
    (30, 190, 200),   # 11 cyan
    (200, 200, 210),  # 12 light grey
    (120, 70, 30),    # 13 brown
    (255, 150, 190),  # 14 pink
    (20, 80, 40),     # 15 dark green
]
BACKGROUND = 0
BLACK, WHITE, GREEN, RED, BLUE, YELLOW, GREY, DARK_GREY = 1, 2, 3, 4, 5, 6, 7, 8
PURPLE, ORANGE, CYAN, LIGHT_GREY, BROWN, PINK, DARK_GREEN = 9, 10, 11, 12, 13, 14, 15


# Shapes: each is a predicate on a pixel centre (x + 0.5, y + 0.5).

def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def disc(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, r_outer, r_inner):
    return lambda x, y: r_inner * r_inner < (x - cx) ** 2 + (y - cy) ** 2 <= r_outer * r_outer


def polygon(*points):
    """Even-odd fill of a closed polygon."""
    def inside(x, y):
        hit = False
        for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                hit = not hit
        return hit
    return inside


def stroke(ax, ay, bx, by, width):
    """A straight line of the given width with round ends."""
    length2 = (bx - ax) ** 2 + (by - ay) ** 2

    def inside(x, y):
        t = max(0.0, min(1.0, ((x - ax) * (bx - ax) + (y - ay) * (by - ay)) / length2))
        px, py = ax + t * (bx - ax), ay + t * (by - ay)
        return (x - px) ** 2 + (y - py) ** 2 <= (width / 2) ** 2
    return inside


def paint(width, height, layers):
    pixels = [BACKGROUND] * (width * height)
    for shape, colour in layers:
        for y in range(height):
            for x in range(width):
                if shape(x + 0.5, y + 0.5):
                    pixels[y * width + x] = colour
    return pixels


# The icons.

def ok_icon():
    return 24, 24, [
        (disc(12, 12, 11.5), GREEN),
        (stroke(6.5, 12.5, 10.5, 16.5, 3), WHITE),
        (stroke(10.5, 16.5, 17.5, 7.5, 3), WHITE),
    ]


def back_icon():
    return 24, 24, [
        (rect(0, 0, 24, 24), BLUE),
        (polygon((3, 12), (11, 4), (11, 9), (20, 9), (20, 15), (11, 15), (11, 20)), WHITE),
    ]


def battery_full_icon():
    return 32, 16, [
        (rect(1, 2, 28, 14), DARK_GREY),
        (rect(28, 5, 31, 11), DARK_GREY),
        (rect(3, 4, 26, 12), WHITE),
        (rect(4, 5, 9, 11), GREEN),
        (rect(11, 5, 16, 11), GREEN),
        (rect(18, 5, 25, 11), GREEN),
    ]


def signal_3_icon():
    return 16, 12, [
        (rect(1, 9, 4, 12), BLACK),
        (rect(5, 6, 8, 12), BLACK),
        (rect(9, 3, 12, 12), BLACK),
        (rect(13, 0, 16, 12), LIGHT_GREY),
    ]


def menu_icon():
    layers = [(rect(0, 0, 32, 32), DARK_GREY)]
    for row in range(3):
        for column in range(3):
            x, y = 3 + column * 10, 3 + row * 10
            layers.append((rect(x, y, x + 6, y + 6), [ORANGE, YELLOW, CYAN][(row + column) % 3]))
    return 32, 32, layers


def call_icon():
    return 32, 32, [
        (disc(16, 16, 15.5), GREEN),
        (stroke(10, 9, 9, 15, 5), WHITE),
        (stroke(9, 15, 17, 23, 4), WHITE),
        (stroke(17, 23, 23, 22, 5), WHITE),
    ]


def message_icon():
    return 32, 24, [
        (rect(1, 2, 31, 22), YELLOW),
        (rect(3, 4, 29, 20), WHITE),
        (stroke(3.5, 4.5, 16, 14, 2), BROWN),
        (stroke(16, 14, 28.5, 4.5, 2), BROWN),
    ]


def camera_icon():
    return 40, 30, [
        (rect(13, 2, 27, 8), DARK_GREY),
        (rect(2, 7, 38, 28), DARK_GREY),
        (rect(30, 10, 35, 13), RED),
        (disc(20, 17.5, 9), LIGHT_GREY),
        (disc(20, 17.5, 6.5), BLUE),
        (disc(18, 15.5, 2), WHITE),
    ]


def music_icon():
    return 32, 32, [
        (disc(9, 25, 5), PURPLE),
        (disc(24, 22, 5), PURPLE),
        (rect(12, 5, 14.5, 25), PURPLE),
        (rect(27, 2, 29.5, 22), PURPLE),
        (polygon((12, 5), (29.5, 2), (29.5, 7), (12, 10)), PURPLE),
    ]


def settings_icon():
    teeth = []
    for k in range(8):
        angle = k * math.pi / 4
        cx, cy = 24 + 18 * math.cos(angle), 24 + 18 * math.sin(angle)
        teeth.append((stroke(24, 24, cx, cy, 8), GREY))
    return 48, 48, teeth + [
        (disc(24, 24, 15), GREY),
        (disc(24, 24, 7), BACKGROUND),
        (ring(24, 24, 9, 7), DARK_GREY),
    ]


def clock_icon():
    layers = [(disc(24, 24, 23.5), BLUE), (disc(24, 24, 20), WHITE)]
    for hour in range(12):
        angle = hour * math.pi / 6
        layers.append((disc(24 + 17 * math.sin(angle), 24 - 17 * math.cos(angle), 1.5), DARK_GREY))
    return 48, 48, layers + [
        (stroke(24, 24, 24, 11, 3), BLACK),
        (stroke(24, 24, 33, 28, 3), BLACK),
        (stroke(24, 24, 14, 34, 1.2), RED),
        (disc(24, 24, 2.5), RED),
    ]


def lock_icon():
    return 20, 24, [
        (ring(10, 9, 7, 4.5), GREY),
        (rect(2, 10, 18, 23), ORANGE),
        (disc(10, 15, 2.5), BLACK),
        (rect(9, 15, 11, 20), BLACK),
    ]


ICONS = {
    "ok": ok_icon,
    "back": back_icon,
    "battery_full": battery_full_icon,
    "signal_3": signal_3_icon,
    "menu": menu_icon,
    "call": call_icon,
    "message": message_icon,
    "camera": camera_icon,
    "music": music_icon,
    "settings": settings_icon,
    "clock": clock_icon,
    "lock": lock_icon,
}


# GIF encoding.

class BitWriter:
    """Packs variable-width codes least significant bit first."""

    def __init__(self):
        self.bytes = bytearray()
        self.accumulator = 0
        self.bits = 0

    def write(self, code, width):
        self.accumulator |= code << self.bits
        self.bits += width
        while self.bits >= 8:
            self.bytes.append(self.accumulator & 0xFF)
            self.accumulator >>= 8
            self.bits -= 8

    def finish(self):
        if self.bits:
            self.bytes.append(self.accumulator & 0xFF)
        return bytes(self.bytes)


def lzw_compress(indices, min_code_size):
    clear = 1 << min_code_size
    end = clear + 1
    out = BitWriter()

    def reset():
        return {bytes([i]): i for i in range(clear)}, end + 1

    table, next_code = reset()
    out.write(clear, min_code_size + 1)
    prefix = bytes([indices[0]])
    for index in indices[1:]:
        extended = prefix + bytes([index])
        if extended in table:
            prefix = extended
            continue
        # A code is as wide as the decoder, one table entry behind, needs.
        width = max(min_code_size + 1, (next_code - 1).bit_length())
        out.write(table[prefix], width)
        if next_code < 4096:
            table[extended] = next_code
            next_code += 1
        else:
            out.write(clear, 12)
            table, next_code = reset()
        prefix = bytes([index])
    width = max(min_code_size + 1, (next_code - 1).bit_length())
    out.write(table[prefix], width)
    out.write(end, min(12, max(min_code_size + 1, next_code.bit_length())))
    return out.finish()


def sub_blocks(data):
    blocks = bytearray()
    for start in range(0, len(data), 255):
        chunk = data[start:start + 255]
        blocks.append(len(chunk))
        blocks += chunk
    blocks.append(0)
    return bytes(blocks)


def encode_gif(width, height, pixels):
    colour_bits = (len(PALETTE) - 1).bit_length()
    table_size = 1 << colour_bits
    palette = PALETTE + [(0, 0, 0)] * (table_size - len(PALETTE))
    gif = bytearray(b"GIF89a")
    gif += struct.pack("<HHBBB", width, height, 0x80 | ((colour_bits - 1) << 4) | (colour_bits - 1), BACKGROUND, 0)
    for red, green, blue in palette:
        gif += bytes((red, green, blue))
    # Graphic control extension: index 0 is transparent.
    gif += struct.pack("<BBBBHBB", 0x21, 0xF9, 4, 0x01, 0, BACKGROUND, 0)
    gif += struct.pack("<BHHHHB", 0x2C, 0, 0, width, height, 0)
    min_code_size = max(2, colour_bits)
    gif.append(min_code_size)
    gif += sub_blocks(lzw_compress(pixels, min_code_size))
    gif.append(0x3B)
    return bytes(gif)


def main():
    folder = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent / "demo-theme"
    folder.mkdir(parents=True, exist_ok=True)
    for name, icon in ICONS.items():
        width, height, layers = icon()
        (folder / f"{name}.gif").write_bytes(encode_gif(width, height, paint(width, height, layers)))


if __name__ == "__main__":
    main()
