#!/usr/bin/env python3
"""Draws the images of the program's tool dialogs into res/bitmaps: the browse icon (a folder),
the browse tree's busy cursor (ten frames of a turning ring of dots) and the speaker icon of the
sound dialog's play buttons."""
import math
import os
import struct
import sys


def ico_image(size, img):
    """BITMAPINFOHEADER, 32-bit colours and the AND mask of one image; img rows of (r, g, b) or
    None (transparent), y from the top."""
    xor = bytearray()
    mask = bytearray()
    stride = ((size + 31) // 32) * 4
    for y in range(size - 1, -1, -1):
        bits = bytearray(stride)
        for x in range(size):
            p = img[y][x]
            if p is None:
                xor += bytes((0, 0, 0, 0))
                bits[x // 8] |= 0x80 >> (x % 8)
            else:
                xor += bytes((p[2], p[1], p[0], 255))
        mask += bits
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return info + xor + mask


def icon_file(size, img, cursor=False, hotspot=(0, 0)):
    data = ico_image(size, img)
    if cursor:
        head = struct.pack("<HHH", 0, 2, 1) + struct.pack("<BBBBHHII", size, size, 0, 0, hotspot[0], hotspot[1],
                                                          len(data), 22)
    else:
        head = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), 22)
    return head + data


def canvas(size):
    return [[None] * size for _ in range(size)]


def fill(img, x0, y0, x1, y1, colour):
    for y in range(y0, y1):
        for x in range(x0, x1):
            img[y][x] = colour


def folder_icon():
    img = canvas(16)
    edge = (0x9A, 0x6A, 0x10)
    fill(img, 1, 3, 7, 5, (0xE8, 0xB8, 0x40))
    fill(img, 1, 5, 15, 14, (0xF6, 0xCC, 0x55))
    fill(img, 1, 5, 15, 6, (0xFF, 0xE2, 0x8A))
    for x in range(1, 15):
        img[13][x] = edge
    for y in range(3, 14):
        img[y][1] = edge
        if y >= 5:
            img[y][14] = edge
    for x in range(1, 7):
        img[3][x] = edge
    return img


def speaker_icon():
    img = canvas(16)
    body = (0x30, 0x30, 0x30)
    fill(img, 2, 6, 5, 10, body)
    for i in range(5):
        fill(img, 5 + i, 5 - i, 6 + i, 11 + i, body)
    wave = (0x20, 0x60, 0xC0)
    for r in (3, 5):
        for a in range(-40, 41, 5):
            x = 10 + int(round(r * math.cos(math.radians(a))))
            y = 8 + int(round(r * math.sin(math.radians(a))))
            if 0 <= x < 16 and 0 <= y < 16:
                img[y][x] = wave
    return img


def busy_frame(frame):
    """A ring of ten dots; the dot at the frame's place is dark, the ones behind it fade."""
    size = 32
    img = canvas(size)
    for i in range(10):
        a = 2 * math.pi * i / 10 - math.pi / 2
        cx, cy = 16 + 10 * math.cos(a), 16 + 10 * math.sin(a)
        age = (frame - i) % 10
        level = 0x20 + min(age, 6) * 0x20
        colour = (level, level, min(255, level + 0x40))
        for y in range(size):
            for x in range(size):
                if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= 2.6 ** 2:
                    img[y][x] = colour
    return img


def riff_chunk(tag, data):
    pad = b"\0" if len(data) % 2 else b""
    return tag + struct.pack("<I", len(data)) + data + pad


def animated_cursor(frames, rate):
    anih = struct.pack("<IIIIIIIII", 36, len(frames), len(frames), 0, 0, 0, 0, rate, 1)
    icons = b"".join(riff_chunk(b"icon", icon_file(32, f, cursor=True, hotspot=(16, 16))) for f in frames)
    body = b"ACON" + riff_chunk(b"anih", anih) + riff_chunk(b"LIST", b"fram" + icons)
    return b"RIFF" + struct.pack("<I", len(body)) + body


def main(out):
    os.makedirs(out, exist_ok=True)
    with open(os.path.join(out, "browse_folder.ico"), "wb") as f:
        f.write(icon_file(16, folder_icon()))
    with open(os.path.join(out, "speaker.ico"), "wb") as f:
        f.write(icon_file(16, speaker_icon()))
    with open(os.path.join(out, "browse_busy.ani"), "wb") as f:
        f.write(animated_cursor([busy_frame(i) for i in range(10)], 6))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "res", "bitmaps"))
