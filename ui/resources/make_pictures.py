#!/usr/bin/env python3
"""Draws the four 32 x 32 day-box pictures as palette PNGs (no third-party modules).

154  raised light-grey square, empty          (normal face)
155  the same square with "Tr" in purple       (a day whose transfer has begun)
156  grey square in a black frame, green check (selected / waiting)
158  grey square in a black frame, empty       (hover)

Run it from anywhere; it writes the PNGs beside itself.
"""
import math
import os
import struct
import zlib

SIZE = 32

LIGHT_GREY = (212, 208, 200)
WHITE = (255, 255, 255)
SLATE = (112, 128, 144)
PURPLE = (128, 0, 128)
GREY = (192, 192, 192)
BLACK = (0, 0, 0)
GREEN = (0, 192, 0)
NAVY = (0, 0, 128)


def write_png(path, pixels):
    palette = []
    for row in pixels:
        for colour in row:
            if colour not in palette:
                palette.append(colour)
    index = {c: i for i, c in enumerate(palette)}
    raw = b"".join(b"\x00" + bytes(index[c] for c in row) for row in pixels)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 3, 0, 0, 0)
    plte = b"".join(bytes(c) for c in palette)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", header))
        f.write(chunk(b"PLTE", plte))
        f.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        f.write(chunk(b"IEND", b""))


def raised_square():
    pixels = [[LIGHT_GREY] * SIZE for _ in range(SIZE)]
    last = SIZE - 1
    for y in range(SIZE):
        for x in range(SIZE):
            if (y < 2 and x < last - y) or (x < 2 and y < last - x):
                pixels[y][x] = WHITE
            elif y > last - 2 or x > last - 2:
                pixels[y][x] = SLATE
    return pixels


# "Tr", one character per string, '#' marks a purple pixel
LETTERS = [
    "##########  ........",
    "##########  ........",
    "....##....  ........",
    "....##....  ........",
    "....##....  ##.####.",
    "....##....  #######.",
    "....##....  ###...##",
    "....##....  ##......",
    "....##....  ##......",
    "....##....  ##......",
    "....##....  ##......",
    "....##....  ##......",
    "....##....  ##......",
    "....##....  ##......",
]


def transfer_begun():
    pixels = raised_square()
    top = (SIZE - len(LETTERS)) // 2
    left = (SIZE - len(LETTERS[0])) // 2
    for dy, row in enumerate(LETTERS):
        for dx, mark in enumerate(row):
            if mark == "#":
                pixels[top + dy][left + dx] = PURPLE
    return pixels


def framed_square():
    pixels = [[GREY] * SIZE for _ in range(SIZE)]
    for y in range(SIZE):
        for x in range(SIZE):
            if x < 2 or y < 2 or x >= SIZE - 2 or y >= SIZE - 2:
                pixels[y][x] = BLACK
    return pixels


def distance_to_segment(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def checked_square():
    pixels = framed_square()
    stroke = [(7.5, 16.5), (13.5, 22.5), (24.5, 9.5)]
    for y in range(SIZE):
        for x in range(SIZE):
            d = min(distance_to_segment(x + 0.5, y + 0.5, *stroke[i], *stroke[i + 1])
                    for i in range(len(stroke) - 1))
            if d <= 1.9:
                pixels[y][x] = GREEN
            elif d <= 3.0:
                pixels[y][x] = NAVY
    return pixels


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    write_png(os.path.join(here, "154.png"), raised_square())
    write_png(os.path.join(here, "155.png"), transfer_begun())
    write_png(os.path.join(here, "156.png"), checked_square())
    write_png(os.path.join(here, "158.png"), framed_square())
