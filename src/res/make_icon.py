#!/usr/bin/env python3
"""Writes the program icon: a 64 x 64, 24-bit monitor showing a yellow safety helmet.

Run from anywhere; it writes PC_Kovrin3.0.ico beside itself. Standard library only.
"""
import os
import struct

SIZE = 64


def in_round_rect(x, y, left, top, right, bottom, radius):
    if not (left <= x <= right and top <= y <= bottom):
        return False
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def pixel(x, y):
    """RGB of (x, y) counted from the top left, or None where the icon is transparent."""
    # Helmet: a dome over a brim, inside the screen.
    dome = ((x - 31.5) / 15.0) ** 2 + ((y - 34.0) / 14.0) ** 2 <= 1.0 and y <= 34
    brim = 12 <= x <= 51 and 34 <= y <= 37
    if dome or brim:
        edge = ((x - 31.5) / 15.0) ** 2 + ((y - 34.0) / 14.0) ** 2 > 0.80 and y <= 34
        if brim and (y == 37 or x in (12, 51)):
            return (176, 112, 0)
        if edge:
            return (204, 140, 0)
        if 29 <= x <= 34 and y <= 33:  # the raised ridge over the crown
            return (255, 236, 120)
        shade = max(0, min(40, (x - 20)))
        return (255, 210 - shade // 2, 20)
    # Screen: a blue gradient.
    if 8 <= x <= 55 and 9 <= y <= 42:
        t = (y - 9) / 33.0
        return (int(40 + 30 * t), int(110 + 60 * t), int(200 + 40 * t))
    # Bezel.
    if in_round_rect(x, y, 4, 5, 59, 46, 4):
        return (60, 64, 72) if in_round_rect(x, y, 5, 6, 58, 45, 3) else (30, 32, 36)
    # Stand: neck and foot.
    if 27 <= x <= 36 and 47 <= y <= 52:
        return (90, 94, 102)
    if in_round_rect(x, y, 16, 53, 47, 58, 2):
        return (70, 74, 82)
    return None


def build_icon():
    xor_rows = []
    and_rows = []
    for y in range(SIZE - 1, -1, -1):  # bitmaps are stored bottom-up
        row = bytearray()
        mask_bits = 0
        for x in range(SIZE):
            colour = pixel(x, y)
            if colour is None:
                row += b"\x00\x00\x00"
                mask_bits |= 1 << (SIZE - 1 - x)
            else:
                r, g, b = colour
                row += bytes((b, g, r))
        xor_rows.append(bytes(row))
        and_rows.append(mask_bits.to_bytes(SIZE // 8, "big"))
    xor_data = b"".join(xor_rows)   # 192 bytes a row: already a multiple of four
    and_data = b"".join(and_rows)   # 8 bytes a row: likewise
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 24, 0, len(xor_data) + len(and_data), 0, 0, 0, 0)
    image = header + xor_data + and_data
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 24, len(image), 6 + 16)
    return directory + entry + image


def main():
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "PC_Kovrin3.0.ico")
    with open(path, "wb") as out:
        out.write(build_icon())


if __name__ == "__main__":
    main()
