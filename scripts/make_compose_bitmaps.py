#!/usr/bin/env python3
"""Draws the compose window's pictures (res/bitmaps/), 24-bit BMPs:
  compose_toolbar.bmp (149) six 24 x 24 buttons on RGB(192, 192, 192): cut, copy, paste,
                            save to Drafts, save to Outbox, send
  letter_strip.bmp    (170) 240 x 17: "#ABCDEFGHIJKLMNOPQRSTUVWXYZ", three letters in each of the
                            nine zones whose right edges are 26, 52, 78, 104, 130, 156, 181, 205, 240
  emoticon_*.bmp (173-179)  16 x 16 faces on magenta: 173 ":-D", 174 ":((", 175 ":-(", 176 ":-O",
                            177 ":-)", 178 ":p", 179 ";-)"."""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_app_bitmaps import canvas, frame, line, rect, write_bmp  # noqa: E402

GREY = (192, 192, 192)
MAGENTA = (255, 0, 255)
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)

ZONE_RIGHT = [26, 52, 78, 104, 130, 156, 181, 205, 240]
LETTERS = "#ABCDEFGHIJKLMNOPQRSTUVWXYZ"

# 5 x 7 glyphs, one string per row, "X" set.
FONT = {
    "#": [".X.X.", ".X.X.", "XXXXX", ".X.X.", "XXXXX", ".X.X.", ".X.X."],
    "A": [".XXX.", "X...X", "X...X", "XXXXX", "X...X", "X...X", "X...X"],
    "B": ["XXXX.", "X...X", "X...X", "XXXX.", "X...X", "X...X", "XXXX."],
    "C": [".XXX.", "X...X", "X....", "X....", "X....", "X...X", ".XXX."],
    "D": ["XXXX.", "X...X", "X...X", "X...X", "X...X", "X...X", "XXXX."],
    "E": ["XXXXX", "X....", "X....", "XXXX.", "X....", "X....", "XXXXX"],
    "F": ["XXXXX", "X....", "X....", "XXXX.", "X....", "X....", "X...."],
    "G": [".XXX.", "X...X", "X....", "X.XXX", "X...X", "X...X", ".XXXX"],
    "H": ["X...X", "X...X", "X...X", "XXXXX", "X...X", "X...X", "X...X"],
    "I": [".XXX.", "..X..", "..X..", "..X..", "..X..", "..X..", ".XXX."],
    "J": ["..XXX", "...X.", "...X.", "...X.", "...X.", "X..X.", ".XX.."],
    "K": ["X...X", "X..X.", "X.X..", "XX...", "X.X..", "X..X.", "X...X"],
    "L": ["X....", "X....", "X....", "X....", "X....", "X....", "XXXXX"],
    "M": ["X...X", "XX.XX", "X.X.X", "X.X.X", "X...X", "X...X", "X...X"],
    "N": ["X...X", "XX..X", "X.X.X", "X..XX", "X...X", "X...X", "X...X"],
    "O": [".XXX.", "X...X", "X...X", "X...X", "X...X", "X...X", ".XXX."],
    "P": ["XXXX.", "X...X", "X...X", "XXXX.", "X....", "X....", "X...."],
    "Q": [".XXX.", "X...X", "X...X", "X...X", "X.X.X", "X..X.", ".XX.X"],
    "R": ["XXXX.", "X...X", "X...X", "XXXX.", "X.X..", "X..X.", "X...X"],
    "S": [".XXXX", "X....", "X....", ".XXX.", "....X", "....X", "XXXX."],
    "T": ["XXXXX", "..X..", "..X..", "..X..", "..X..", "..X..", "..X.."],
    "U": ["X...X", "X...X", "X...X", "X...X", "X...X", "X...X", ".XXX."],
    "V": ["X...X", "X...X", "X...X", "X...X", "X...X", ".X.X.", "..X.."],
    "W": ["X...X", "X...X", "X...X", "X.X.X", "X.X.X", "X.X.X", ".X.X."],
    "X": ["X...X", "X...X", ".X.X.", "..X..", ".X.X.", "X...X", "X...X"],
    "Y": ["X...X", "X...X", ".X.X.", "..X..", "..X..", "..X..", "..X.."],
    "Z": ["XXXXX", "....X", "...X.", "..X..", ".X...", "X....", "XXXXX"],
}


def glyph(img, ch, ox, oy, colour):
    for y, row in enumerate(FONT[ch]):
        for x, c in enumerate(row):
            if c == "X":
                img[oy + y][ox + x] = colour


def letter_strip():
    img = canvas(240, 17, (250, 250, 245))
    frame(img, 0, 0, 239, 16, (150, 160, 180))
    left = 0
    for k, right in enumerate(ZONE_RIGHT):
        if k > 0:
            line(img, left, 3, left, 13, (200, 205, 215))
        width = right - left
        step = width // 3
        for i in range(3):
            # Each letter centred in its third of the zone.
            ox = left + i * step + (step - 5) // 2
            glyph(img, LETTERS[3 * k + i], ox, 5, (30, 50, 110))
        left = right
    return img


def circle(img, cx, cy, r, colour, fill=True):
    for y in range(len(img)):
        for x in range(len(img[0])):
            d = (x - cx) ** 2 + (y - cy) ** 2
            if (fill and d <= r * r) or (not fill and r * r - 2 * r <= d <= r * r + r):
                img[y][x] = colour


def face(mouth, eyes="open", tear=False):
    img = canvas(16, 16, MAGENTA)
    circle(img, 7.5, 7.5, 7.4, (255, 214, 0))
    circle(img, 7.5, 7.5, 7.4, (170, 120, 0), fill=False)
    if eyes == "wink":
        line(img, 4, 5, 6, 5, BLACK)
    else:
        rect(img, 5, 4, 5, 6, BLACK)
    rect(img, 10, 4, 10, 6, BLACK)
    if tear:
        rect(img, 4, 7, 4, 9, (60, 140, 255))
        rect(img, 11, 7, 11, 9, (60, 140, 255))
    if mouth == "grin":
        rect(img, 4, 9, 11, 10, BLACK)
        rect(img, 5, 11, 10, 11, BLACK)
        rect(img, 5, 9, 10, 9, WHITE)
    elif mouth == "smile":
        line(img, 4, 9, 6, 11, BLACK)
        line(img, 6, 11, 9, 11, BLACK)
        line(img, 9, 11, 11, 9, BLACK)
    elif mouth == "sad":
        line(img, 4, 12, 6, 10, BLACK)
        line(img, 6, 10, 9, 10, BLACK)
        line(img, 9, 10, 11, 12, BLACK)
    elif mouth == "open":
        frame(img, 6, 9, 9, 12, BLACK)
    elif mouth == "tongue":
        line(img, 4, 10, 11, 10, BLACK)
        rect(img, 7, 11, 9, 12, (230, 60, 80))
    return img


def toolbar():
    img = canvas(6 * 24, 24, GREY)
    # cut: scissors
    o = 0
    circle_at = [(o + 7, 17), (o + 16, 17)]
    for cx, cy in circle_at:
        for y in range(24):
            for x in range(o, o + 24):
                d = (x - cx) ** 2 + (y - cy) ** 2
                if 4 <= d <= 10:
                    img[y][x] = (20, 20, 120)
    line(img, o + 9, 15, o + 16, 3, (60, 60, 60))
    line(img, o + 14, 15, o + 7, 3, (60, 60, 60))
    # copy: two pages
    o = 24
    for dx, dy in ((3, 3), (9, 8)):
        rect(img, o + dx, dy, o + dx + 10, dy + 12, WHITE)
        frame(img, o + dx, dy, o + dx + 10, dy + 12, (40, 40, 40))
        for ly in range(dy + 3, dy + 11, 2):
            line(img, o + dx + 2, ly, o + dx + 8, ly, (90, 90, 160))
    # paste: clipboard with a page
    o = 48
    rect(img, o + 4, 4, o + 17, 21, (170, 120, 60))
    frame(img, o + 4, 4, o + 17, 21, (90, 60, 20))
    rect(img, o + 8, 2, o + 13, 5, (120, 120, 120))
    rect(img, o + 10, 9, o + 20, 22, WHITE)
    frame(img, o + 10, 9, o + 20, 22, (40, 40, 40))
    # save to Drafts: a floppy disk
    o = 72
    rect(img, o + 3, 3, o + 20, 20, (40, 70, 150))
    rect(img, o + 6, 3, o + 17, 9, WHITE)
    rect(img, o + 14, 4, o + 16, 8, (40, 70, 150))
    rect(img, o + 6, 13, o + 17, 20, (220, 220, 220))
    # save to Outbox: a tray with an arrow out
    o = 96
    rect(img, o + 3, 14, o + 20, 20, (90, 140, 60))
    frame(img, o + 3, 14, o + 20, 20, (40, 80, 20))
    rect(img, o + 10, 4, o + 13, 12, (200, 40, 40))
    for i in range(5):
        line(img, o + 7 + i, 4 + i, o + 16 - i, 4 + i, (200, 40, 40))
    # send: an envelope with a green arrow
    o = 120
    rect(img, o + 2, 7, o + 17, 18, (255, 236, 140))
    frame(img, o + 2, 7, o + 17, 18, (120, 90, 0))
    line(img, o + 2, 7, o + 9, 13, (120, 90, 0))
    line(img, o + 17, 7, o + 10, 13, (120, 90, 0))
    rect(img, o + 15, 3, o + 21, 5, (0, 150, 0))
    line(img, o + 19, 1, o + 22, 4, (0, 150, 0))
    line(img, o + 19, 7, o + 22, 4, (0, 150, 0))
    return img


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "res", "bitmaps")
    write_bmp(os.path.join(out, "compose_toolbar.bmp"), 144, 24, toolbar())
    write_bmp(os.path.join(out, "letter_strip.bmp"), 240, 17, letter_strip())
    faces = {
        173: face("grin"),
        174: face("sad", tear=True),
        175: face("sad"),
        176: face("open"),
        177: face("smile"),
        178: face("tongue"),
        179: face("smile", eyes="wink"),
    }
    for number, img in faces.items():
        write_bmp(os.path.join(out, "emoticon_%d.bmp" % number), 16, 16, img)


if __name__ == "__main__":
    main()
