#!/usr/bin/env python3
"""Draws the message list's and the folder tree's image strips (res/bitmaps/): 24-bit BMPs,
each image on its mask colour.
  list_images.bmp   (198) 16 x 16 on magenta: unread closed envelope, read open envelope
  header_images.bmp (130)  8 x 8  on magenta: small envelope, triangle up, triangle down
  folder_images.bmp (144) 16 x 15 on black:   inbox tray, outbox, sent, drafts
the splash splash.bmp (209, 400 x 250 on magenta, a dark plate under the text at (7, 50, 150, 100)),
the About banner about_banner.bmp (217, 338 x 100: 225 x 61 dialog units), and the context menu's 16 x 16 command icons (32-bit with an AND mask):
  copy_number.ico (199), reply_quote.ico (201), forward_name.ico (202), call_contact.ico (203),
  save_contact.ico (204)"""
import os
import struct
import sys

MAGENTA = (255, 0, 255)
BLACK = (0, 0, 0)


def write_bmp(path, width, height, rows):
    """rows[y][x] = (r, g, b), y from the top."""
    stride = (width * 3 + 3) & ~3
    data = bytearray()
    for y in range(height - 1, -1, -1):
        line = bytearray()
        for r, g, b in rows[y]:
            line += bytes((b, g, r))
        line += b"\0" * (stride - len(line))
        data += line
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


def canvas(width, height, colour):
    return [[colour] * width for _ in range(height)]


def rect(img, x0, y0, x1, y1, colour):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            img[y][x] = colour


def frame(img, x0, y0, x1, y1, colour):
    for x in range(x0, x1 + 1):
        img[y0][x] = img[y1][x] = colour
    for y in range(y0, y1 + 1):
        img[y][x0] = img[y][x1] = colour


def line(img, x0, y0, x1, y1, colour):
    n = max(abs(x1 - x0), abs(y1 - y0), 1)
    for i in range(n + 1):
        img[round(y0 + (y1 - y0) * i / n)][round(x0 + (x1 - x0) * i / n)] = colour


def envelope(img, ox, oy, w, h, paper, edge, opened):
    rect(img, ox, oy, ox + w - 1, oy + h - 1, paper)
    frame(img, ox, oy, ox + w - 1, oy + h - 1, edge)
    mid = ox + (w - 1) // 2
    if opened:
        # The flap stands open above the body.
        line(img, ox, oy, mid, oy - 4, edge)
        line(img, mid + (w - 1) % 2, oy - 4, ox + w - 1, oy, edge)
        line(img, ox, oy, mid, oy + h // 2, edge)
        line(img, ox + w - 1, oy, mid + (w - 1) % 2, oy + h // 2, edge)
    else:
        line(img, ox, oy, mid, oy + h // 2, edge)
        line(img, ox + w - 1, oy, mid + (w - 1) % 2, oy + h // 2, edge)


def list_images():
    img = canvas(32, 16, MAGENTA)
    envelope(img, 1, 4, 14, 10, (255, 236, 140), (120, 90, 0), False)
    envelope(img, 17, 6, 14, 9, (250, 250, 250), (110, 110, 110), True)
    return img


def header_images():
    img = canvas(24, 8, MAGENTA)
    envelope(img, 0, 1, 8, 6, (255, 255, 255), (80, 80, 80), False)
    grey = (90, 90, 90)
    for i in range(4):  # up, then down
        for x in range(8 + 4 - i - 1, 8 + 4 + i + 1):
            img[2 + i][x] = grey
            img[5 - i][16 + (x - 8)] = grey
    return img


def folder_images():
    img = canvas(64, 15, BLACK)
    # Inbox: a tray with an arrow into it.
    rect(img, 1, 8, 14, 13, (70, 130, 200))
    rect(img, 4, 8, 11, 10, (200, 225, 250))
    line(img, 7, 1, 7, 7, (30, 150, 60))
    line(img, 8, 1, 8, 7, (30, 150, 60))
    line(img, 5, 5, 7, 7, (30, 150, 60))
    line(img, 10, 5, 8, 7, (30, 150, 60))
    # Outbox: a tray with an arrow out of it.
    rect(img, 17, 8, 30, 13, (70, 130, 200))
    rect(img, 20, 8, 27, 10, (200, 225, 250))
    line(img, 23, 1, 23, 7, (220, 120, 20))
    line(img, 24, 1, 24, 7, (220, 120, 20))
    line(img, 21, 3, 23, 1, (220, 120, 20))
    line(img, 26, 3, 24, 1, (220, 120, 20))
    # Sent: an envelope with a tick.
    envelope(img, 33, 4, 14, 9, (250, 250, 250), (90, 90, 90), False)
    line(img, 41, 10, 43, 12, (30, 150, 60))
    line(img, 43, 12, 46, 6, (30, 150, 60))
    # Drafts: a sheet with a pencil.
    rect(img, 51, 1, 60, 13, (250, 250, 250))
    frame(img, 51, 1, 60, 13, (110, 110, 110))
    for y in (4, 6, 8):
        line(img, 53, y, 58, y, (150, 150, 150))
    line(img, 56, 13, 62, 7, (230, 170, 30))
    line(img, 57, 13, 63, 7, (230, 170, 30))
    return img


def write_ico(path, img):
    """img: 16 x 16 rows of (r, g, b) or None (transparent), y from the top."""
    size = 16
    xor = bytearray()
    mask = bytearray()
    for y in range(size - 1, -1, -1):
        bits = 0
        for x in range(size):
            p = img[y][x]
            if p is None:
                xor += bytes((0, 0, 0, 0))
                bits |= 1 << (15 - x)
            else:
                xor += bytes((p[2], p[1], p[0], 255))
        mask += struct.pack(">H", bits) + b"\0\0"
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    data = info + xor + mask
    head = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), 22)
    with open(path, "wb") as f:
        f.write(head + data)


def icon_canvas():
    return [[None] * 16 for _ in range(16)]


def copy_number_icon():
    img = icon_canvas()
    for ox, oy in ((1, 1), (6, 5)):
        rect(img, ox, oy, ox + 8, oy + 9, (255, 255, 255))
        frame(img, ox, oy, ox + 8, oy + 9, (60, 90, 150))
    for y in (8, 10, 12):
        line(img, 8, y, 12, y, (60, 90, 150))
    return img


def arrow_icon(colour, back):
    img = icon_canvas()
    envelope(img, 1, 8, 10, 7, (255, 255, 255), (90, 90, 90), False)
    if back:
        line(img, 6, 3, 14, 3, colour)
        line(img, 6, 4, 14, 4, colour)
        line(img, 6, 3, 9, 0, colour)
        line(img, 6, 4, 9, 7, colour)
    else:
        line(img, 2, 3, 10, 3, colour)
        line(img, 2, 4, 10, 4, colour)
        line(img, 10, 3, 7, 0, colour)
        line(img, 10, 4, 7, 7, colour)
    return img


def call_icon():
    img = icon_canvas()
    green = (40, 150, 60)
    rect(img, 2, 2, 5, 5, green)
    rect(img, 10, 10, 13, 13, green)
    line(img, 4, 5, 10, 11, green)
    line(img, 5, 5, 11, 11, green)
    line(img, 5, 6, 10, 12, green)
    return img


def save_contact_icon():
    img = icon_canvas()
    skin, shirt = (240, 200, 160), (50, 100, 190)
    for y in range(1, 7):
        for x in range(4, 10):
            if (x - 6.5) ** 2 + (y - 3.5) ** 2 <= 7:
                img[y][x] = skin
    rect(img, 2, 8, 11, 14, shirt)
    rect(img, 11, 9, 15, 10, (40, 150, 60))
    rect(img, 12, 7, 13, 12, (40, 150, 60))
    return img


def about_banner():
    w, h = 338, 100
    img = [[None] * w for _ in range(h)]
    for y in range(h):
        for x in range(w):
            t = x / (w - 1)
            img[y][x] = (int(30 + 60 * t), int(80 + 90 * t), int(170 + 70 * t))
    # A large envelope on the left, light waves to the right.
    envelope(img, 20, 22, 70, 48, (255, 255, 255), (20, 50, 120), False)
    for k in range(3):
        for x in range(110, 320):
            y = int(50 + (10 + 6 * k) * __import__("math").sin((x - 110) / (18 + 4 * k)))
            img[y][x] = (220, 235, 255)
            img[y + 1][x] = (220, 235, 255)
    return img


def splash():
    w, h, r = 400, 250, 28
    img = [[MAGENTA] * w for _ in range(h)]
    for y in range(h):
        for x in range(w):
            cx = min(max(x, r), w - 1 - r)
            cy = min(max(y, r), h - 1 - r)
            d = ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5
            if d > r:
                continue
            if d > r - 3:
                img[y][x] = (20, 40, 90)  # the outline
            else:
                t = y / (h - 1)
                img[y][x] = (int(70 + 60 * t), int(130 + 70 * t), int(220 + 30 * t))
    rect(img, 7, 50, 149, 99, (25, 35, 60))
    envelope(img, 220, 90, 140, 90, (255, 255, 255), (20, 50, 120), False)
    return img


def main(out):
    os.makedirs(out, exist_ok=True)
    write_bmp(os.path.join(out, "list_images.bmp"), 32, 16, list_images())
    write_bmp(os.path.join(out, "header_images.bmp"), 24, 8, header_images())
    write_bmp(os.path.join(out, "folder_images.bmp"), 64, 15, folder_images())
    write_bmp(os.path.join(out, "about_banner.bmp"), 338, 100, about_banner())
    write_bmp(os.path.join(out, "splash.bmp"), 400, 250, splash())
    write_ico(os.path.join(out, "copy_number.ico"), copy_number_icon())
    write_ico(os.path.join(out, "reply_quote.ico"), arrow_icon((40, 110, 200), True))
    write_ico(os.path.join(out, "forward_name.ico"), arrow_icon((220, 120, 20), False))
    write_ico(os.path.join(out, "call_contact.ico"), call_icon())
    write_ico(os.path.join(out, "save_contact.ico"), save_contact_icon())


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "res", "bitmaps"))
