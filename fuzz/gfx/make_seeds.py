#!/usr/bin/env python3
"""Writes the seed inputs of fuzz_image_decoders into corpus/: small bitmap, icon and cursor
files covering each depth, run-length coding and a PNG image inside an icon."""
import os
import struct
import zlib

here = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")
os.makedirs(here, exist_ok=True)


def info(w, h, bits, compression=0, used=0, size=0):
    return struct.pack("<IiiHHIIiiII", 40, w, h, 1, bits, compression, size, 2835, 2835, used, 0)


def bmp(dib_header, table, pixels):
    off = 14 + len(dib_header) + len(table)
    return b"BM" + struct.pack("<IHHI", off + len(pixels), 0, 0, off) + dib_header + table + pixels


def palette(n):
    return b"".join(struct.pack("<BBBB", (i * 40) & 255, (i * 90) & 255, (i * 17) & 255, 0) for i in range(n))


def save(name, data):
    with open(os.path.join(here, name), "wb") as f:
        f.write(data)


save("bmp1.bmp", bmp(info(9, 2, 1), palette(2), b"\xaa\x80\0\0\x55\x00\0\0"))
save("bmp4.bmp", bmp(info(3, -2, 4), palette(16), b"\x12\x30\0\0\x45\x60\0\0"))
save("bmp8.bmp", bmp(info(3, 2, 8, 0, 4), palette(4), b"\0\1\2\0\3\2\1\0"))
save("bmp16.bmp", bmp(info(2, 2, 16), b"", struct.pack("<HHHH", 0x7c00, 0x03e0, 0x001f, 0x7fff)))
save("bmp565.bmp", bmp(info(2, 1, 16, 3), struct.pack("<III", 0xF800, 0x07E0, 0x001F), struct.pack("<HH", 0xF800, 0x07E0)))
save("bmp24.bmp", bmp(info(2, 2, 24), b"", b"\0\0\xff\0\xff\0\0\0\xff\0\0\0\xff\xff\xff\0"))
save("bmp32.bmp", bmp(info(2, 1, 32), b"", b"\1\2\3\4\5\6\7\x08"))
save("rle8.bmp", bmp(info(6, 4, 8, 1, 4), palette(4), bytes([3, 1, 0, 3, 2, 3, 1, 0, 0, 0, 0, 2, 2, 1, 2, 3, 0, 0, 6, 2, 0, 1])))
save("rle4.bmp", bmp(info(8, 1, 4, 2, 6), palette(6), bytes([5, 0x23, 0, 3, 0x45, 0x10, 0, 1])))
save("core.bmp", bmp(struct.pack("<IHHHH", 12, 2, 2, 1, 8), palette(3)[:9], b"\0\1\0\0\2\1\0\0"))


def png(w, h):
    rows = b"".join(b"\0" + b"".join(bytes((x * 50 & 255, y * 70 & 255, 100, 200)) for x in range(w)) for y in range(h))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))


def ico(kind, images):
    head = struct.pack("<HHH", 0, kind, len(images))
    offset = 6 + 16 * len(images)
    entries, blobs = b"", b""
    for w, h, a, b, blob in images:
        entries += struct.pack("<BBBBHHII", w, h, 0, 0, a, b, len(blob), offset)
        offset += len(blob)
        blobs += blob
    return head + entries + blobs


icon4 = info(4, 8, 4) + palette(16) + b"\x01\x23\0\0" * 4 + b"\xa0\0\0\0" * 4
icon32 = info(2, 4, 32) + b"\x10\x20\x30\x80" * 4 + b"\0\0\0\0" * 2
save("icon.ico", ico(1, [(4, 4, 1, 4, icon4), (2, 2, 1, 32, icon32), (3, 2, 1, 32, png(3, 2))]))
save("cursor.cur", ico(2, [(4, 4, 2, 3, icon4)]))
