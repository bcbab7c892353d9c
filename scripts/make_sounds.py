#!/usr/bin/env python3
"""Writes the program's default event sounds (short tones, 16-bit mono WAV) into a folder:
finish_rec.wav (messages received), newmsg.wav (new messages), sent.wav (message sent),
tap-icon.wav (a command tapped), phone-tone.wav (a dialer key)."""
import math
import os
import struct
import sys
import wave

RATE = 22050


def tone(path, notes):
    frames = bytearray()
    for freq, ms in notes:
        n = RATE * ms // 1000
        for i in range(n):
            fade = min(1.0, i / 200.0, (n - i) / 200.0)
            frames += struct.pack("<h", int(9000 * fade * math.sin(2 * math.pi * freq * i / RATE)))
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(bytes(frames))


def dual(path, low, high, ms):
    frames = bytearray()
    n = RATE * ms // 1000
    for i in range(n):
        fade = min(1.0, i / 200.0, (n - i) / 200.0)
        v = math.sin(2 * math.pi * low * i / RATE) + math.sin(2 * math.pi * high * i / RATE)
        frames += struct.pack("<h", int(4500 * fade * v))
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(bytes(frames))


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "."
    os.makedirs(out, exist_ok=True)
    tone(os.path.join(out, "finish_rec.wav"), [(660, 90), (880, 120)])
    tone(os.path.join(out, "newmsg.wav"), [(880, 80), (1175, 80), (880, 80)])
    tone(os.path.join(out, "sent.wav"), [(880, 90), (660, 120)])
    tone(os.path.join(out, "tap-icon.wav"), [(1320, 30)])
    # A keypad tone: the two frequencies of a key sounded together.
    dual(os.path.join(out, "phone-tone.wav"), 770, 1336, 120)


if __name__ == "__main__":
    main()
