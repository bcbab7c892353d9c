#!/usr/bin/env python3
"""Draws the main window's images into res/bitmaps/frame/:
  standard_toolbar.bmp (128) 32 x 32 buttons on RGB(192,192,192): new, reply, forward, delete, receive, send,
                             send + receive
  corvane_toolbar.bmp  (136) 16 x 16 buttons on RGB(192,192,192): call, search, import, export, sound,
                             SMS settings, settings, about
  the command icons, each at the size the frame loads it (32-bit with an AND mask), drawn by the same
  functions as the tool-bar images so that both look alike, and
  busy.avi (207) a 16 x 16 busy animation, eight frames of a turning ring of dots, uncompressed 8-bit DIBs.
Every picture is drawn in unit coordinates (0..1) and sampled at pixel centres, so it fits any size."""
import math
import os
import struct
import sys

from make_tool_images import icon_file

MASK = (192, 192, 192)

# Colours of the artwork.
PAPER = (255, 252, 235)
PAPER_EDGE = (120, 95, 30)
BLUE = (40, 100, 200)
DARK_BLUE = (20, 50, 120)
GREEN = (30, 150, 60)
ORANGE = (225, 120, 20)
RED = (205, 30, 30)
DARK = (45, 45, 45)
GREY = (110, 110, 110)
LIGHT = (235, 235, 240)
YELLOW = (240, 200, 40)
SILVER = (170, 175, 185)


class Canvas:
    """A square picture of size x size pixels; None is transparent."""

    def __init__(self, size):
        self.size = size
        self.px = [[None] * size for _ in range(size)]

    def each(self, test, colour):
        n = self.size
        for y in range(n):
            for x in range(n):
                if test((x + 0.5) / n, (y + 0.5) / n):
                    self.px[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        self.each(lambda u, v: x0 <= u <= x1 and y0 <= v <= y1, colour)

    def frame(self, x0, y0, x1, y1, colour, w=None):
        w = w or max(1.0 / self.size, 0.06)
        self.each(lambda u, v: x0 <= u <= x1 and y0 <= v <= y1 and
                  (u < x0 + w or u > x1 - w or v < y0 + w or v > y1 - w), colour)

    def ellipse(self, cx, cy, rx, ry, colour):
        self.each(lambda u, v: ((u - cx) / rx) ** 2 + ((v - cy) / ry) ** 2 <= 1.0, colour)

    def ring(self, cx, cy, r0, r1, colour, a0=0.0, a1=360.0):
        def test(u, v):
            d = math.hypot(u - cx, v - cy)
            a = math.degrees(math.atan2(v - cy, u - cx)) % 360
            inside = a0 <= a <= a1 if a0 <= a1 else (a >= a0 or a <= a1)
            return r0 <= d <= r1 and inside
        self.each(test, colour)

    def polygon(self, pts, colour):
        def test(u, v):
            inside = False
            j = len(pts) - 1
            for i in range(len(pts)):
                xi, yi = pts[i]
                xj, yj = pts[j]
                if (yi > v) != (yj > v) and u < (xj - xi) * (v - yi) / (yj - yi) + xi:
                    inside = not inside
                j = i
            return inside
        self.each(test, colour)

    def line(self, x0, y0, x1, y1, colour, w=None):
        w = w or max(1.2 / self.size, 0.07)

        def test(u, v):
            dx, dy = x1 - x0, y1 - y0
            t = max(0.0, min(1.0, ((u - x0) * dx + (v - y0) * dy) / (dx * dx + dy * dy or 1)))
            return math.hypot(u - (x0 + t * dx), v - (y0 + t * dy)) <= w / 2
        self.each(test, colour)


# ---- pieces ---------------------------------------------------------------------------------------

def envelope(c, x0, y0, x1, y1, paper=PAPER, edge=PAPER_EDGE):
    c.rect(x0, y0, x1, y1, paper)
    c.frame(x0, y0, x1, y1, edge)
    c.line(x0, y0, (x0 + x1) / 2, (y0 + y1) / 2 + 0.04, edge)
    c.line(x1, y0, (x0 + x1) / 2, (y0 + y1) / 2 + 0.04, edge)


def arrow(c, x0, y0, x1, y1, colour, head=0.16, w=None):
    """A straight arrow from (x0, y0) to (x1, y1) with a filled head."""
    w = w or max(2.0 / c.size, 0.12)
    d = math.hypot(x1 - x0, y1 - y0)
    ux, uy = (x1 - x0) / d, (y1 - y0) / d
    bx, by = x1 - ux * head, y1 - uy * head
    c.line(x0, y0, bx, by, colour, w)
    px, py = -uy * head * 0.8, ux * head * 0.8
    c.polygon([(x1 + ux * 0.02, y1 + uy * 0.02), (bx + px, by + py), (bx - px, by - py)], colour)


def phone(c, x0, y0, x1, y1):
    """A mobile phone: body, screen and keys."""
    c.rect(x0, y0, x1, y1, DARK)
    w, h = x1 - x0, y1 - y0
    c.rect(x0 + w * 0.18, y0 + h * 0.1, x1 - w * 0.18, y0 + h * 0.42, (150, 210, 150))
    for row in range(3):
        for col in range(3):
            kx = x0 + w * (0.2 + col * 0.25)
            ky = y0 + h * (0.55 + row * 0.14)
            c.rect(kx, ky, kx + w * 0.12, ky + h * 0.07, SILVER)


def handset(c, s=1.0, ox=0.0, oy=0.0):
    """A telephone handset lying on its back."""
    def p(x, y):
        return (ox + x * s, oy + y * s)
    c.ring(p(0.5, 0.6)[0], p(0.5, 0.6)[1], 0.26 * s, 0.46 * s, DARK, 195, 345)
    c.ellipse(*p(0.13, 0.5), 0.13 * s, 0.16 * s, DARK)
    c.ellipse(*p(0.87, 0.5), 0.13 * s, 0.16 * s, DARK)
    c.rect(*p(0.28, 0.62), *p(0.72, 0.94), GREEN)
    c.frame(*p(0.28, 0.62), *p(0.72, 0.94), (20, 90, 40))


def gear(c, cx, cy, r, colour=GREY):
    for i in range(8):
        a = math.radians(i * 45)
        c.line(cx + math.cos(a) * r * 0.55, cy + math.sin(a) * r * 0.55, cx + math.cos(a) * r,
               cy + math.sin(a) * r, colour, r * 0.42)
    c.ellipse(cx, cy, r * 0.72, r * 0.72, colour)
    c.ellipse(cx, cy, r * 0.3, r * 0.3, LIGHT)


def sheet(c, x0, y0, x1, y1):
    c.rect(x0, y0, x1, y1, (255, 255, 255))
    c.frame(x0, y0, x1, y1, GREY)
    h = y1 - y0
    for i in range(1, 4):
        y = y0 + h * i / 4.5
        c.line(x0 + 0.08, y, x1 - 0.08, y, SILVER, max(1.0 / c.size, 0.05))


def cross(c, cx, cy, r, colour=RED):
    w = max(2.0 / c.size, r * 0.45)
    c.line(cx - r, cy - r, cx + r, cy + r, colour, w)
    c.line(cx + r, cy - r, cx - r, cy + r, colour, w)


# ---- pictures -------------------------------------------------------------------------------------

def draw_new(c):
    envelope(c, 0.06, 0.3, 0.8, 0.86)
    star = []
    for i in range(10):
        a = math.radians(-90 + i * 36)
        r = 0.2 if i % 2 == 0 else 0.09
        star.append((0.76 + r * math.cos(a), 0.26 + r * math.sin(a)))
    c.polygon(star, YELLOW)


def draw_reply(c):
    envelope(c, 0.22, 0.34, 0.94, 0.88)
    arrow(c, 0.6, 0.18, 0.06, 0.18, BLUE)


def draw_forward(c):
    envelope(c, 0.06, 0.34, 0.78, 0.88)
    arrow(c, 0.4, 0.18, 0.94, 0.18, ORANGE)


def draw_delete(c):
    envelope(c, 0.06, 0.3, 0.8, 0.86)
    cross(c, 0.72, 0.3, 0.2)


def draw_receive(c):
    phone(c, 0.46, 0.06, 0.9, 0.94)
    arrow(c, 0.22, 0.06, 0.22, 0.9, GREEN)


def draw_send(c):
    phone(c, 0.46, 0.06, 0.9, 0.94)
    arrow(c, 0.22, 0.9, 0.22, 0.06, ORANGE)


def draw_send_receive(c):
    phone(c, 0.52, 0.06, 0.94, 0.94)
    arrow(c, 0.14, 0.9, 0.14, 0.08, ORANGE, 0.14, max(2.0 / c.size, 0.09))
    arrow(c, 0.36, 0.08, 0.36, 0.9, GREEN, 0.14, max(2.0 / c.size, 0.09))


def draw_call(c):
    handset(c)


def draw_search(c):
    c.ring(0.4, 0.4, 0.2, 0.33, DARK_BLUE)
    c.ellipse(0.4, 0.4, 0.2, 0.2, (200, 230, 255))
    c.line(0.64, 0.64, 0.92, 0.92, DARK, 0.2)


def draw_import(c):
    sheet(c, 0.36, 0.06, 0.94, 0.94)
    arrow(c, 0.02, 0.5, 0.62, 0.5, GREEN, 0.22, 0.2)


def draw_export(c):
    sheet(c, 0.06, 0.06, 0.64, 0.94)
    arrow(c, 0.36, 0.5, 0.98, 0.5, ORANGE, 0.22, 0.2)


def draw_speaker(c):
    c.rect(0.1, 0.37, 0.32, 0.63, DARK)
    c.polygon([(0.3, 0.37), (0.58, 0.1), (0.58, 0.9), (0.3, 0.63)], DARK)
    c.ring(0.6, 0.5, 0.16, 0.24, BLUE, 300, 60)
    c.ring(0.6, 0.5, 0.3, 0.38, BLUE, 300, 60)


def draw_sms_settings(c):
    envelope(c, 0.04, 0.1, 0.72, 0.62)
    gear(c, 0.7, 0.7, 0.28)


def draw_settings(c):
    gear(c, 0.5, 0.5, 0.46)


def draw_about(c):
    c.ellipse(0.5, 0.5, 0.46, 0.46, BLUE)
    c.ellipse(0.5, 0.27, 0.09, 0.09, (255, 255, 255))
    c.rect(0.41, 0.42, 0.59, 0.82, (255, 255, 255))


def draw_exit(c):
    c.rect(0.08, 0.06, 0.56, 0.94, (150, 90, 40))
    c.frame(0.08, 0.06, 0.56, 0.94, (90, 50, 20))
    c.ellipse(0.46, 0.52, 0.05, 0.05, YELLOW)
    arrow(c, 0.4, 0.5, 0.98, 0.5, RED, 0.24, 0.22)


def draw_cut(c):
    c.line(0.3, 0.06, 0.62, 0.62, GREY, 0.1)
    c.line(0.7, 0.06, 0.38, 0.62, GREY, 0.1)
    c.ring(0.3, 0.76, 0.09, 0.18, RED)
    c.ring(0.7, 0.76, 0.09, 0.18, RED)


def draw_copy(c):
    sheet(c, 0.06, 0.06, 0.6, 0.7)
    sheet(c, 0.4, 0.3, 0.94, 0.94)


def draw_rebuild(c):
    c.ellipse(0.4, 0.28, 0.17, 0.17, (230, 180, 140))
    c.ellipse(0.4, 0.78, 0.32, 0.26, BLUE)
    c.ring(0.72, 0.7, 0.14, 0.26, GREEN, 180, 90)
    c.polygon([(0.98, 0.6), (0.84, 0.74), (0.72, 0.58)], GREEN)


def draw_delete_all(c):
    envelope(c, 0.22, 0.04, 0.94, 0.46)
    envelope(c, 0.06, 0.3, 0.78, 0.72)
    cross(c, 0.7, 0.72, 0.22)


def draw_clear_history(c):
    sheet(c, 0.06, 0.04, 0.7, 0.96)
    c.polygon([(0.5, 0.62), (0.78, 0.34), (0.98, 0.54), (0.7, 0.82)], (235, 120, 150))
    c.polygon([(0.5, 0.62), (0.62, 0.5), (0.82, 0.7), (0.7, 0.82)], (250, 250, 250))


def picture(draw, size):
    c = Canvas(size)
    draw(c)
    return c.px


# ---- files ----------------------------------------------------------------------------------------

def write_bmp(path, width, height, rows):
    """24-bit; rows[y][x] = (r, g, b), y from the top."""
    stride = (width * 3 + 3) & ~3
    data = bytearray()
    for y in range(height - 1, -1, -1):
        line = bytearray()
        for r, g, b in rows[y]:
            line += bytes((b, g, r))
        data += line + b"\0" * (stride - len(line))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


def strip(draws, size):
    rows = [[MASK] * (size * len(draws)) for _ in range(size)]
    for i, draw in enumerate(draws):
        img = picture(draw, size)
        for y in range(size):
            for x in range(size):
                if img[y][x] is not None:
                    rows[y][i * size + x] = img[y][x]
    return rows


def write_ico(path, img):
    """One image, 32-bit colour with its AND mask."""
    with open(path, "wb") as f:
        f.write(icon_file(len(img), img))


def chunk(tag, data):
    return tag + struct.pack("<I", len(data)) + data + (b"\0" if len(data) % 2 else b"")


def riff_list(kind, data):
    return chunk(b"LIST", kind + data)


def busy_frames(count=8, size=16):
    """Palette indices: 0 the background (the control takes the top-left pixel as transparent),
    1..count dots from dark to light."""
    frames = []
    for f in range(count):
        img = [[0] * size for _ in range(size)]
        for i in range(count):
            a = 2 * math.pi * i / count - math.pi / 2
            cx, cy = 8 + 5 * math.cos(a), 8 + 5 * math.sin(a)
            age = (f - i) % count
            for y in range(size):
                for x in range(size):
                    if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= 1.7 ** 2:
                        img[y][x] = 1 + age
        frames.append(img)
    return frames


def write_avi(path, frames, ms_per_frame=100):
    size = len(frames[0])
    count = len(frames)
    palette = [(192, 192, 192)]
    for age in range(count):
        level = min(230, 30 + age * 30)
        palette.append((level, level, min(255, level + 60)))
    palette += [(0, 0, 0)] * (256 - len(palette))
    frame_bytes = size * size  # 16 is a multiple of 4: no row padding
    avih = struct.pack("<IIIIIIIIII4I", ms_per_frame * 1000, frame_bytes * 1000 // ms_per_frame, 0, 0x10,
                       count, 0, 1, frame_bytes, size, size, 0, 0, 0, 0)
    strh = struct.pack("<4s4sIHHIIIIIIII4h", b"vids", b"DIB ", 0, 0, 0, 0, ms_per_frame, 1000, 0, count,
                       frame_bytes, 0xFFFFFFFF, 0, 0, 0, size, size)
    bih = struct.pack("<IiiHHIIiiII", 40, size, size, 1, 8, 0, frame_bytes, 0, 0, 256, 0)
    strf = bih + b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    hdrl = riff_list(b"hdrl", chunk(b"avih", avih) + riff_list(b"strl", chunk(b"strh", strh) + chunk(b"strf", strf)))
    movi_data = b""
    index = b""
    offset = 4
    for img in frames:
        data = bytes(v for row in reversed(img) for v in row)  # bottom-up rows
        index += struct.pack("<4sIII", b"00db", 0x10, offset, len(data))
        piece = chunk(b"00db", data)
        movi_data += piece
        offset += len(piece)
    movi = riff_list(b"movi", movi_data)
    body = b"AVI " + hdrl + movi + chunk(b"idx1", index)
    with open(path, "wb") as f:
        f.write(b"RIFF" + struct.pack("<I", len(body)) + body)


STANDARD = [draw_new, draw_reply, draw_forward, draw_delete, draw_receive, draw_send, draw_send_receive]
CORVANE = [draw_call, draw_search, draw_import, draw_export, draw_speaker, draw_sms_settings, draw_settings,
           draw_about]
ICONS = [  # file, picture, size
    ("exit.ico", draw_exit, 16),  # 131
    ("about.ico", draw_about, 16),  # 132
    ("receive.ico", draw_receive, 32),  # 133
    ("send.ico", draw_send, 32),  # 134
    ("send_receive.ico", draw_send_receive, 32),  # 135
    ("call.ico", draw_call, 24),  # 139
    ("new.ico", draw_new, 32),  # 140
    ("reply.ico", draw_reply, 32),  # 141
    ("forward.ico", draw_forward, 32),  # 142
    ("delete.ico", draw_delete, 32),  # 143
    ("copy.ico", draw_copy, 24),  # 155
    ("cut.ico", draw_cut, 24),  # 156
    ("speaker.ico", draw_speaker, 16),  # 184
    ("search.ico", draw_search, 16),  # 190
    ("settings.ico", draw_settings, 16),  # 191
    ("import.ico", draw_import, 16),  # 192
    ("export.ico", draw_export, 16),  # 193
    ("rebuild_names.ico", draw_rebuild, 16),  # 195
    ("delete_all.ico", draw_delete_all, 16),  # 196
    ("clear_history.ico", draw_clear_history, 16),  # 197
    ("sms_settings.ico", draw_sms_settings, 16),  # 205
]


def main(out):
    os.makedirs(out, exist_ok=True)
    write_bmp(os.path.join(out, "standard_toolbar.bmp"), 32 * len(STANDARD), 32, strip(STANDARD, 32))
    write_bmp(os.path.join(out, "corvane_toolbar.bmp"), 16 * len(CORVANE), 16, strip(CORVANE, 16))
    for name, draw, size in ICONS:
        write_ico(os.path.join(out, name), picture(draw, size))
    write_avi(os.path.join(out, "busy.avi"), busy_frames())


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "res", "bitmaps",
                                                            "frame"))
