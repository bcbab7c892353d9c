#!/usr/bin/env python3
"""Draws the program icon (res/icons/corvane.ico): a blue tile with a white letter envelope,
at 16, 32 and 48 pixels, 32-bit colour with an AND mask."""
import os
import struct
import sys


def pixel(size, x, y):
    """BGRA of the pixel (x, y), y from the top."""
    u, v = (x + 0.5) / size, (y + 0.5) / size
    # Tile with rounded corners.
    r = 0.18
    cx = min(max(u, r), 1 - r)
    cy = min(max(v, r), 1 - r)
    if (u - cx) ** 2 + (v - cy) ** 2 > r * r:
        return (0, 0, 0, 0)
    top = (0xD8, 0x7A, 0x1E)     # BGR: a mid blue
    bottom = (0x9C, 0x4A, 0x0C)
    b, g, rr = [int(top[i] + (bottom[i] - top[i]) * v) for i in range(3)]
    colour = (b, g, rr, 255)
    # Envelope: a white rectangle with a blue fold.
    if 0.2 <= u <= 0.8 and 0.3 <= v <= 0.72:
        fold = 0.3 + (0.5 - abs(u - 0.5)) * 0.62
        line = 1.6 / size
        if abs(v - fold) < line:
            return (0x9C, 0x4A, 0x0C, 255)
        return (255, 255, 255, 255)
    return colour


def image(size):
    rows = []
    for y in range(size - 1, -1, -1):   # bottom-up
        rows.append(b"".join(struct.pack("BBBB", *pixel(size, x, y)) for x in range(size)))
    xor = b"".join(rows)
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for y in range(size - 1, -1, -1):
        bits = bytearray(mask_stride)
        for x in range(size):
            if pixel(size, x, y)[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return header + xor + bytes(mask)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "res", "icons", "corvane.ico")
    sizes = [16, 32, 48]
    images = [image(s) for s in sizes]
    data = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, img in zip(sizes, images):
        data += struct.pack("<BBBBHHII", s, s, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    data += b"".join(images)
    with open(out, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
