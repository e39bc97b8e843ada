"""Reads the skins back as Windows will: a BITMAPFILEHEADER, a 40-byte
BITMAPINFOHEADER, 24 bits per pixel, no compression, rows bottom-up and
padded to four bytes. Anything else is refused with the reason."""

import struct
from collections import namedtuple


class BmpError(ValueError):
    pass


class Image(namedtuple('Image', 'width height rows')):
    """rows[y] is the top-down row y as bytes, three per pixel (B, G, R)."""

    def pixel(self, x, y):
        row = self.rows[y]
        return (row[3 * x + 2], row[3 * x + 1], row[3 * x])


def parse_bmp(data):
    if len(data) < 54:
        raise BmpError(f'{len(data)} bytes: shorter than the two headers')
    magic, file_size, _, _, offset = struct.unpack_from('<2sIHHI', data, 0)
    if magic != b'BM':
        raise BmpError('no "BM" signature')
    if file_size != len(data):
        raise BmpError(f'header says {file_size} bytes, file has {len(data)}')
    (info_size, width, height, planes, bits, compression, image_size,
     _, _, colours_used, _) = struct.unpack_from('<IiiHHIIiiII', data, 14)
    if info_size != 40:
        raise BmpError(f'info header of {info_size} bytes, not BITMAPINFOHEADER')
    if planes != 1 or bits != 24:
        raise BmpError(f'{planes} planes of {bits} bits, not one plane of 24')
    if compression != 0:
        raise BmpError(f'compression {compression}, not BI_RGB')
    if width <= 0 or height <= 0:
        raise BmpError(f'size {width} x {height}: not a bottom-up picture')
    if colours_used != 0:
        raise BmpError('a colour table on a 24-bit picture')
    stride = (width * 3 + 3) & ~3
    if offset != 54 or image_size not in (0, stride * height) or offset + stride * height != len(data):
        raise BmpError('pixel data not where the headers say')
    rows = []
    for y in range(height):
        start = offset + (height - 1 - y) * stride
        rows.append(data[start:start + width * 3])
    return Image(width, height, rows)


def read_bmp(path):
    with open(path, 'rb') as f:
        return parse_bmp(f.read())
