"""Writers (and read-back checks) for the two Windows image formats we ship:
24-bit BMP and ICO with 24-bit or 32-bit images."""
import struct


def _pad4(n):
    return (n + 3) & ~3


def bmp24(rows):
    """rows: top-down list of rows of (r, g, b[, a]) tuples -> BMP file bytes."""
    h, w = len(rows), len(rows[0])
    stride = _pad4(w * 3)
    pixels = bytearray()
    for row in reversed(rows):  # BMP stores the bottom row first
        line = bytearray()
        for p in row:
            line += bytes((p[2], p[1], p[0]))
        line += b"\0" * (stride - len(line))
        pixels += line
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return head + info + bytes(pixels)


def _and_mask(rows, opaque):
    h, w = len(rows), len(rows[0])
    stride = ((w + 31) // 32) * 4
    out = bytearray()
    for y in reversed(range(h)):
        line = bytearray(stride)
        for x in range(w):
            if not opaque(rows[y][x]):
                line[x >> 3] |= 0x80 >> (x & 7)
        out += line
    return bytes(out)


def _icon_image(rows, bpp):
    """One icon image (BITMAPINFOHEADER, XOR pixels, AND mask).

    32 bpp keeps the alpha channel and derives the mask from it; 24 bpp treats
    alpha as on/off (>= 128 is opaque) and blacks out the transparent pixels,
    which is what the AND/XOR drawing of such icons expects."""
    h, w = len(rows), len(rows[0])
    xor = bytearray()
    if bpp == 32:
        for row in reversed(rows):
            for r, g, b, a in row:
                xor += bytes((b, g, r, a)) if a else b"\0\0\0\0"
        mask = _and_mask(rows, lambda p: p[3] > 0)
    else:
        stride = _pad4(w * 3)
        for row in reversed(rows):
            line = bytearray()
            for r, g, b, a in row:
                line += bytes((b, g, r)) if a >= 128 else b"\0\0\0"
            line += b"\0" * (stride - len(line))
            xor += line
        mask = _and_mask(rows, lambda p: p[3] >= 128)
    info = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, bpp, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return info + bytes(xor) + mask


def ico(images):
    """images: list of (rows, bpp) -> ICO file bytes."""
    blobs = [(_icon_image(rows, bpp), len(rows[0]), len(rows), bpp) for rows, bpp in images]
    out = bytearray(struct.pack("<HHH", 0, 1, len(blobs)))
    offset = 6 + 16 * len(blobs)
    for blob, w, h, bpp in blobs:
        out += struct.pack("<BBBBHHII", w & 0xFF, h & 0xFF, 0, 0, 1, bpp, len(blob), offset)
        offset += len(blob)
    for blob, *_ in blobs:
        out += blob
    return bytes(out)


# ---- read-back ----------------------------------------------------------------

def read_bmp_header(data):
    magic, size, _, _, off = struct.unpack_from("<2sIHHI", data, 0)
    hsize, w, h, planes, bpp, comp = struct.unpack_from("<IiiHHI", data, 14)
    return dict(magic=magic, file_size=size, offset=off, header_size=hsize,
                width=w, height=h, planes=planes, bpp=bpp, compression=comp)


def read_ico(data):
    """-> list of dicts describing each image, with its decoded mask."""
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    assert reserved == 0 and kind == 1, "not an icon"
    out = []
    for i in range(count):
        w, h, colors, _, planes, bpp, size, off = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        hsize, bw, bh, bplanes, bbpp, comp = struct.unpack_from("<IiiHHI", data, off)
        w = w or 256
        h = h or 256
        xor_stride = _pad4(w * bbpp // 8)
        mask_stride = ((w + 31) // 32) * 4
        xor_at = off + hsize
        mask_at = xor_at + xor_stride * h
        assert mask_at + mask_stride * h == off + size, "image size does not add up"
        out.append(dict(width=w, height=h, bpp=bpp, header_size=hsize, bi_width=bw, bi_height=bh,
                        bi_bpp=bbpp, planes=bplanes, compression=comp, data=data,
                        xor_at=xor_at, xor_stride=xor_stride, mask_at=mask_at,
                        mask_stride=mask_stride))
    return out


def ico_pixel(img, x, y):
    """(b, g, r[, a]) and mask bit of pixel (x, y) counted from the top."""
    d = img["data"]
    row = img["height"] - 1 - y
    n = img["bi_bpp"] // 8
    p = tuple(d[img["xor_at"] + row * img["xor_stride"] + x * n + k] for k in range(n))
    m = (d[img["mask_at"] + row * img["mask_stride"] + (x >> 3)] >> (7 - (x & 7))) & 1
    return p, m
