#!/usr/bin/env python3
"""Draws the images of the program's tool dialogs into res/bitmaps: the browse icon (a folder),
and the browse tree's busy cursor (ten frames of a turning ring of dots). The speaker icon of the
sound dialog's play buttons is the frame's (scripts/make_frame_images.py)."""
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


# ---- dialer skins ------------------------------------------------------------------------------
# 240 x 260 pictures of a keypad, every key, button and hotspot where the dialer's hotspot table
# puts it. "chess" has dark keys on a light board and a light number panel (black number);
# "chess-w" light keys on a dark board and a dark panel (white number).

FONT = {  # 3 x 5 glyphs, rows from the top
    "0": ["111", "101", "101", "101", "111"], "1": ["010", "110", "010", "010", "111"],
    "2": ["111", "001", "111", "100", "111"], "3": ["111", "001", "111", "001", "111"],
    "4": ["101", "101", "111", "001", "001"], "5": ["111", "100", "111", "001", "111"],
    "6": ["111", "100", "111", "101", "111"], "7": ["111", "001", "010", "010", "010"],
    "8": ["111", "101", "111", "101", "111"], "9": ["111", "101", "111", "001", "111"],
    "*": ["101", "010", "111", "010", "101"], "#": ["101", "111", "101", "111", "101"],
    "C": ["111", "100", "100", "100", "111"], "<": ["001", "010", "100", "010", "001"],
}

KEYS = [("1", 4, 109, 54, 138), ("2", 60, 109, 110, 138), ("3", 116, 109, 166, 138),
        ("4", 4, 145, 54, 174), ("5", 60, 145, 110, 174), ("6", 116, 145, 166, 174),
        ("7", 4, 183, 54, 212), ("8", 60, 183, 110, 212), ("9", 116, 183, 166, 212),
        ("*", 4, 220, 54, 249), ("0", 60, 220, 110, 249), ("#", 116, 220, 166, 249)]


def skin(white):
    w, h = 240, 260
    # Palette indexes.
    board_a, board_b, key, key_edge, glyph, panel, dial, clear, button = range(9)
    if white:
        palette = [(0x30, 0x30, 0x38), (0x20, 0x20, 0x28), (0xE8, 0xE8, 0xE0), (0xFF, 0xFF, 0xFF),
                   (0x20, 0x20, 0x28), (0x08, 0x18, 0x30), (0x30, 0xB0, 0x40), (0xC8, 0x30, 0x30),
                   (0xA0, 0xA8, 0xB8)]
    else:
        palette = [(0xF0, 0xF0, 0xE8), (0xD8, 0xD8, 0xD0), (0x30, 0x30, 0x38), (0x10, 0x10, 0x10),
                   (0xF8, 0xF8, 0xF8), (0xE0, 0xF0, 0xE0), (0x30, 0xB0, 0x40), (0xC8, 0x30, 0x30),
                   (0x60, 0x68, 0x78)]
    img = [[board_a if ((x // 20) + (y // 20)) % 2 == 0 else board_b for x in range(w)] for y in range(h)]

    def box(x0, y0, x1, y1, fill, edge):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                img[y][x] = edge if x in (x0, x1) or y in (y0, y1) else fill

    def text(s, x0, y0, x1, y1, colour, scale):
        width = len(s) * 4 * scale - scale
        ox = x0 + (x1 - x0 + 1 - width) // 2
        oy = y0 + (y1 - y0 + 1 - 5 * scale) // 2
        for n, ch in enumerate(s):
            for r, row in enumerate(FONT[ch]):
                for c, bit in enumerate(row):
                    if bit == "1":
                        for dy in range(scale):
                            for dx in range(scale):
                                img[oy + r * scale + dy][ox + n * 4 * scale + c * scale + dx] = colour

    # The number panel the dialer writes into.
    box(5, 66, 232, 107, panel, key_edge)
    for ch, x0, y0, x1, y1 in KEYS:
        box(x0, y0, x1, y1, key, key_edge)
        text(ch, x0, y0, x1, y1, glyph, 3)
    box(171, 108, 236, 138, dial, key_edge)
    box(171, 145, 236, 175, clear, key_edge)
    text("C", 171, 145, 236, 175, glyph, 3)
    # The dial key: a handset bar.
    for y in range(119, 128):
        for x in range(188, 220):
            if y < 122 or x < 193 or x > 214:
                img[y][x] = glyph
    box(199, 36, 239, 63, key, key_edge)
    text("<", 199, 36, 239, 63, glyph, 3)
    # Copy, paste, edit, contacts, outgoing: small buttons with a mark each.
    for x0, y0, x1, y1 in [(15, 10, 33, 30), (42, 10, 61, 30), (69, 10, 88, 30), (102, 10, 121, 30),
                           (196, 6, 215, 26)]:
        box(x0, y0, x1, y1, button, key_edge)
    for y in range(15, 24):  # copy: two sheets
        for x in range(19, 27):
            if x in (19, 26) or y in (15, 23):
                img[y][x] = glyph
            if x + 3 in (22, 29) and y + 3 <= 26 or (y + 3 in (18, 26) and 22 <= x + 3 <= 29):
                img[y + 3][x + 3] = glyph
    for y in range(14, 27):  # paste: a board
        for x in range(46, 58):
            if x in (46, 57) or y in (14, 26):
                img[y][x] = glyph
    for i in range(10):  # edit: a pencil
        img[25 - i][72 + i] = glyph
        img[24 - i][72 + i] = glyph
    for y in range(13, 28):  # contacts: a head and shoulders
        for x in range(104, 120):
            if (x - 111.5) ** 2 + (y - 17) ** 2 <= 10 or (y >= 22 and abs(x - 111.5) <= (y - 19)):
                img[y][x] = glyph
    for i in range(12):  # outgoing: an arrow up and right
        img[22 - i][199 + i] = glyph
    for i in range(5):
        img[10][206 + i] = glyph
        img[10 + i][210] = glyph
    return w, h, palette, img


def lzw_gif_data(pixels, min_code):
    """The LZW code stream of a GIF image (variable code width, clear and end codes)."""
    clear, end = 1 << min_code, (1 << min_code) + 1
    out, bits, nbits = bytearray(), 0, 0
    width = min_code + 1

    def emit(code):
        nonlocal bits, nbits
        bits |= code << nbits
        nbits += width
        while nbits >= 8:
            out.append(bits & 0xFF)
            bits >>= 8
            nbits -= 8

    table = {(i,): i for i in range(clear)}
    next_code = end + 1
    emit(clear)
    prefix = (pixels[0],)
    for p in pixels[1:]:
        cand = prefix + (p,)
        if cand in table:
            prefix = cand
            continue
        emit(table[prefix])
        if next_code < 4096:
            table[cand] = next_code
            next_code += 1
            if next_code > (1 << width) and width < 12:
                width += 1
        else:
            emit(clear)
            table = {(i,): i for i in range(clear)}
            next_code = end + 1
            width = min_code + 1
        prefix = (p,)
    emit(table[prefix])
    emit(end)
    if nbits:
        out.append(bits & 0xFF)
    return bytes(out)


def write_gif(path, w, h, palette, img):
    colours = 16
    pal = list(palette) + [(0, 0, 0)] * (colours - len(palette))
    head = b"GIF89a" + struct.pack("<HHBBB", w, h, 0x80 | 0x70 | 3, 0, 0)
    head += b"".join(bytes(c) for c in pal)
    data = lzw_gif_data([v for row in img for v in row], 4)
    blocks = b"".join(bytes([len(data[i:i + 255])]) + data[i:i + 255] for i in range(0, len(data), 255))
    body = b"," + struct.pack("<HHHHB", 0, 0, w, h, 0) + bytes([4]) + blocks + b"\0"
    with open(path, "wb") as f:
        f.write(head + body + b";")


def skins(out):
    os.makedirs(out, exist_ok=True)
    write_gif(os.path.join(out, "chess.gif"), *skin(False))
    write_gif(os.path.join(out, "chess-w.gif"), *skin(True))


def main(out):
    os.makedirs(out, exist_ok=True)
    with open(os.path.join(out, "browse_folder.ico"), "wb") as f:
        f.write(icon_file(16, folder_icon()))
    with open(os.path.join(out, "browse_busy.ani"), "wb") as f:
        f.write(animated_cursor([busy_frame(i) for i in range(10)], 6))
    skins(os.path.join(out, "..", "skins"))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "res", "bitmaps"))
