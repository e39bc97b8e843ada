"""Reads the skin manifest: one entry per line,
path | WxH | key colour or - | key pixels or - | used by."""

from collections import namedtuple

Entry = namedtuple('Entry', 'path size key key_points use line')


class ManifestError(ValueError):
    pass


def _points(text, size):
    if text == '-':
        return []
    w, h = size
    if text == 'corners':
        return [(0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1)]
    points = []
    for item in text.split(';'):
        x, y = (int(v) for v in item.split(','))
        points.append((x, y))
    return points


def parse_manifest(text):
    entries = []
    seen = set()
    for number, raw in enumerate(text.splitlines(), 1):
        line = raw.strip()
        if not line or line.startswith('#'):
            continue
        cells = [c.strip() for c in line.split('|')]
        if len(cells) != 5:
            raise ManifestError(f'line {number}: expected 5 cells, found {len(cells)}')
        path, size_text, key_text, points_text, use = cells
        if path in seen:
            raise ManifestError(f'line {number}: {path} listed twice')
        seen.add(path)
        try:
            if size_text == 'wav':
                size = None
            else:
                w, h = (int(v) for v in size_text.split('x'))
                if w <= 0 or h <= 0:
                    raise ValueError
                size = (w, h)
            key = None if key_text == '-' else tuple(bytes.fromhex(key_text))
            if key is not None and len(key) != 3:
                raise ValueError
            points = _points(points_text, size) if size else []
        except ValueError:
            raise ManifestError(f'line {number}: cannot read "{line}"') from None
        if points and key is None:
            raise ManifestError(f'line {number}: key pixels without a key colour')
        for x, y in points:
            if not (0 <= x < size[0] and 0 <= y < size[1]):
                raise ManifestError(f'line {number}: key pixel {x},{y} outside {size_text}')
        entries.append(Entry(path, size, key, points, use, number))
    return entries


def read_manifest(path):
    with open(path, encoding='utf-8') as f:
        return parse_manifest(f.read())
