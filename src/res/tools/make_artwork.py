#!/usr/bin/env python3
"""Draws every bitmap and icon of the program into src/res/images/.

    python3 src/res/tools/make_artwork.py

Standard library only; the output is the same byte for byte on every run, so
the generated files are kept in the tree and a Windows build never needs this
script. After writing, each file is read back and its headers checked.
"""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.dont_write_bytecode = True  # keep the source tree free of caches
sys.path.insert(0, HERE)

import art_banner  # noqa: E402
import art_small   # noqa: E402
import art_tiles   # noqa: E402
import fileformats  # noqa: E402

OUT = os.path.normpath(os.path.join(HERE, "..", "images"))

# file name -> (symbol, id); images.rc is written from this table.
RESOURCES = [
    ("banner.bmp", "IDB_BANNER", 323, "BITMAP"),
    ("info_strip.bmp", "IDB_INFO_STRIP", 328, "BITMAP"),
    ("command_run.ico", "IDI_MENU_RUN", 317, "ICON"),
    ("command_help.ico", "IDI_MENU_HELP", 336, "ICON"),
    ("command_config.ico", "IDI_MENU_CONFIG", 335, "ICON"),
    ("command_about.ico", "IDI_MENU_ABOUT", 321, "ICON"),
    ("command_exit.ico", "IDI_MENU_EXIT", 318, "ICON"),
    ("app.ico", "IDR_MAINFRAME", 128, "ICON"),
    ("button_menu.ico", "IDI_BUTTON_MENU", 329, "ICON"),
    ("button_minimize.ico", "IDI_BUTTON_MINIMIZE", 330, "ICON"),
    ("button_exit.ico", "IDI_BUTTON_EXIT", 346, "ICON"),
]

# What each icon must contain: list of (width, height, bits per pixel).
ICON_IMAGES = {
    "command_run.ico": [(95, 95, 32)],
    "command_help.ico": [(95, 95, 32)],
    "command_config.ico": [(95, 95, 32)],
    "command_about.ico": [(95, 95, 32)],
    "command_exit.ico": [(95, 95, 32)],
    "app.ico": [(64, 64, 24), (32, 32, 24), (16, 16, 24)],
    "button_menu.ico": [(22, 18, 32)],
    "button_minimize.ico": [(22, 18, 32)],
    "button_exit.ico": [(18, 16, 24)],
}
BITMAPS = {"banner.bmp": (440, 68), "info_strip.bmp": (440, 28)}


def build():
    files = {
        "banner.bmp": fileformats.bmp24(art_banner.banner().rows()),
        "info_strip.bmp": fileformats.bmp24(art_banner.strip().rows()),
        "app.ico": fileformats.ico([(art_small.to_hard_edge(art_small.app_icon(n)), 24)
                                    for n in (64, 32, 16)]),
        "button_menu.ico": fileformats.ico([(art_small.button_menu().rows(), 32)]),
        "button_minimize.ico": fileformats.ico([(art_small.button_minimize().rows(), 32)]),
        "button_exit.ico": fileformats.ico([(art_small.button_exit(), 24)]),
    }
    for name in art_tiles.SYMBOLS:
        files[name + ".ico"] = fileformats.ico([(art_tiles.render(name).rows(), 32)])
    return files


def rc_fragment():
    lines = []
    for fname, symbol, _, kind in RESOURCES:
        lines.append('%s %s "images/%s"' % (symbol, kind, fname))
    return "\n".join(lines) + "\n"


def check(name, data):
    if name in BITMAPS:
        h = fileformats.read_bmp_header(data)
        w, ht = BITMAPS[name]
        assert h["magic"] == b"BM" and h["file_size"] == len(data), name
        assert h["header_size"] == 40 and h["bpp"] == 24 and h["compression"] == 0, name
        assert (h["width"], h["height"]) == (w, ht), name  # positive height: bottom-up
        assert h["offset"] + ((w * 3 + 3) & ~3) * ht == len(data), name
        return
    images = fileformats.read_ico(data)
    want = ICON_IMAGES[name]
    assert [(i["width"], i["height"], i["bpp"]) for i in images] == want, name
    for img in images:
        assert img["header_size"] == 40 and img["planes"] == 1 and img["compression"] == 0, name
        assert img["bi_width"] == img["width"] and img["bi_height"] == 2 * img["height"], name
        assert img["bi_bpp"] == img["bpp"], name
        opaque = 0
        for y in range(img["height"]):
            for x in range(img["width"]):
                p, m = fileformats.ico_pixel(img, x, y)
                if img["bpp"] == 32:
                    # The mask must agree with alpha.
                    assert m == (1 if p[3] == 0 else 0), (name, x, y)
                elif m:
                    assert p == (0, 0, 0), (name, x, y)  # black under the mask
                opaque += not m
        assert opaque > 0, name


def main():
    os.makedirs(OUT, exist_ok=True)
    files = build()
    assert sorted(files) == sorted(r[0] for r in RESOURCES)
    for name in sorted(files):
        path = os.path.join(OUT, name)
        with open(path, "wb") as f:
            f.write(files[name])
        with open(path, "rb") as f:
            check(name, f.read())
        print("%-22s %7d bytes" % (name, len(files[name])))
    with open(os.path.join(OUT, "images.rc"), "w", newline="\n") as f:
        f.write(rc_fragment())
    print("images.rc")


if __name__ == "__main__":
    main()
