"""Review pictures of the rendered skins, written as PNG:

    python3 contact_sheet.py MANIFEST RENDERED_DIR OUT_DIR

- skins-contact-sheet.png: every bitmap of the manifest with its path,
  pictures of at most 40 x 40 pixels four times enlarged, keys as drawn;
- skins-desktop.png: the cover with its panel, gadgets and a list window
  put together the way the program shows them, key colours cut away;
- skins-windows.png: the options, usage and report windows with a page
  each, and the information browser's stretched frame.
Labels the program draws itself are imitated with the art's pixel font
only to judge the room left for them."""

import os
import struct
import sys
import zlib

sys.dont_write_bytecode = True  # builds must not write into the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from manifest import read_manifest  # noqa: E402
from pixels import FONT, text_width  # noqa: E402
from bmpfile import read_bmp  # noqa: E402

SHEET_W = 1500
BG = (58, 63, 71)
LABEL = (224, 224, 224)


class Raster:
    """An RGB byte raster; rows are copied whole wherever possible, which
    keeps a sheet of a few million pixels quick in plain Python."""

    def __init__(self, w, h, fill=(0, 0, 0)):
        self.w, self.h = w, h
        self.buf = bytearray(bytes(fill) * (w * h))

    def set(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            i = 3 * (y * self.w + x)
            self.buf[i:i + 3] = bytes(c)

    def rect(self, x0, y0, x1, y1, c):
        x0, x1 = max(0, x0), min(self.w, x1)
        if x1 <= x0:
            return
        for y in range(max(0, y0), min(self.h, y1)):
            i = 3 * (y * self.w + x0)
            self.buf[i:i + 3 * (x1 - x0)] = bytes(c) * (x1 - x0)

    def hline(self, x0, x1, y, c):
        self.rect(x0, y, x1, y + 1, c)

    def vline(self, x, y0, y1, c):
        self.rect(x, y0, x + 1, y1, c)

    def vgradient(self, top, bottom):
        for y in range(self.h):
            t = y / max(1, self.h - 1)
            self.rect(0, y, self.w, y + 1, tuple(int(a + (b - a) * t) for a, b in zip(top, bottom)))

    def text(self, x, y, s, c):
        for ch in s:
            rows = FONT.get(ch.upper(), FONT['?'])
            for ry, row in enumerate(rows):
                for rx, bit in enumerate(row):
                    if bit == '#':
                        self.set(x + rx, y + ry, c)
            x += len(rows[0]) + 1

    def image(self, image, x0, y0, key=None, scale=1):
        """Draws a bitmap, enlarged `scale` times; pixels equal to `key`
        are left out, as window regions and transparent images leave them."""
        for y in range(image.height):
            bgr = image.rows[y]
            rgb = bytearray(len(bgr))
            rgb[0::3], rgb[1::3], rgb[2::3] = bgr[2::3], bgr[1::3], bgr[0::3]
            if scale > 1:
                rgb = bytearray(b''.join(bytes(rgb[3 * x:3 * x + 3]) * scale for x in range(image.width)))
            width = image.width * scale
            for sy in range(scale):
                ty = y0 + y * scale + sy
                if not 0 <= ty < self.h:
                    continue
                if key is None and 0 <= x0 and x0 + width <= self.w:
                    i = 3 * (ty * self.w + x0)
                    self.buf[i:i + 3 * width] = rgb
                    continue
                k = bytes(key) if key else None
                for x in range(width):
                    p = rgb[3 * x:3 * x + 3]
                    if p != k:
                        self.set(x0 + x, ty, p)

    def stretched(self, image, x0, y0, w, h, key=None):
        for y in range(h):
            for x in range(w):
                p = image.pixel(x * image.width // w, y * image.height // h)
                if p != key:
                    self.set(x0 + x, y0 + y, p)


def png(r):
    raw = bytearray()
    for y in range(r.h):
        raw.append(0)
        raw += r.buf[3 * y * r.w:3 * (y + 1) * r.w]

    def chunk(tag, data):
        return struct.pack('>I', len(data)) + tag + data + struct.pack('>I', zlib.crc32(tag + data) & 0xFFFFFFFF)
    head = struct.pack('>IIBBBBB', r.w, r.h, 8, 2, 0, 0, 0)
    return b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', head) + chunk(b'IDAT', zlib.compress(bytes(raw), 6)) + \
        chunk(b'IEND', b'')


def contact_sheet(entries, rendered):
    tiles = []
    for e in entries:
        if not e.path.endswith('.bmp'):
            continue
        image = read_bmp(os.path.join(rendered, e.path))
        label = e.path[len('Res/'):]
        scale = 4 if image.width <= 40 and image.height <= 40 else 1
        if scale > 1:
            label += ' X4'
        tiles.append((label, image, scale))
    # flow layout, rows as tall as their tallest tile
    rows, row, x = [], [], 8
    for label, image, scale in tiles:
        w = max(image.width * scale, text_width(label)) + 12
        if row and x + w > SHEET_W:
            rows.append(row)
            row, x = [], 8
        row.append((x, label, image, scale))
        x += w
    rows.append(row)
    height = sum(max(i.height * s for _, _, i, s in r) + 22 for r in rows) + 8
    sheet = Raster(SHEET_W, height, BG)
    y = 8
    for r in rows:
        for x, label, image, scale in r:
            sheet.image(image, x, y, scale=scale)
            sheet.text(x, y + image.height * scale + 4, label, LABEL)
        y += max(i.height * s for _, _, i, s in r) + 22
    return sheet


class Library:
    """The rendered bitmaps by path, loaded once."""

    def __init__(self, rendered):
        self.rendered = rendered
        self.cache = {}

    def __call__(self, path):
        if path not in self.cache:
            self.cache[path] = read_bmp(os.path.join(self.rendered, path))
        return self.cache[path]


def put(dest, image, x0, y0, key=None):
    dest.image(image, x0, y0, key)


def put_stretched(dest, image, x0, y0, w, h, key=None):
    dest.stretched(image, x0, y0, w, h, key)


MAGENTA = (255, 0, 255)
DIGIT_KEY = (0xFF, 0x7E, 0xF1)


def reading(dest, lib, gx, gy, left, top, text, colour):
    """Five digit slots filled from the right, as the gadget does."""
    chars = list(text)[-5:]
    slots = ['11'] * (5 - len(chars)) + ['10' if ch == '.' else ch for ch in chars]
    for i, s in enumerate(slots):
        put(dest, lib(f'Res/numbers/big/{colour}_b{s}.bmp'), gx + left + 11 * i, gy + top, DIGIT_KEY)


def threshold(dest, lib, gx, gy, text):
    chars = list(text)[-5:]
    slots = ['11'] * (5 - len(chars)) + ['10' if c == '.' else '12' if c == '%' else c for c in chars]
    for i, s in enumerate(slots):
        put(dest, lib(f'Res/builtin/s_{s}.bmp'), gx + 41 + 7 * i, gy + 65, (0, 0, 0))


def hexagon(dest, lib, gx, gy, name, icon, value, unit, limit, alarm=False):
    put(dest, lib('Res/small/6/6_UI.bmp'), gx, gy, MAGENTA)
    put(dest, lib(f'Res/builtin/{icon}.bmp'), gx + 32, gy + 3)
    dest.text(gx + 46, gy + 6, name, LABEL)
    if alarm:
        put(dest, lib('Res/small/6/red_led.bmp'), gx + 26, gy + 31)
    reading(dest, lib, gx, gy, 30, 36, value, 'red' if alarm else 'green')
    unit_img = lib(f'Res/builtin/{unit}{"_a" if alarm else ""}.bmp')
    put(dest, unit_img, gx + 85, gy + 54 - unit_img.height)
    threshold(dest, lib, gx, gy, limit)
    put(dest, lib('Res/small/6/6_up_n.bmp'), gx + 17, gy + 60)
    put(dest, lib('Res/small/6/6_down_n.bmp'), gx + 28, gy + 67)
    put(dest, lib('Res/builtin/lock_ul.bmp'), gx + 61, gy + 91)
    put(dest, lib('Res/builtin/close_up.bmp'), gx + 78, gy + 90)


def small(dest, lib, gx, gy, name, icon, value, unit, alarm=False):
    put(dest, lib('Res/small/4/4_UI.bmp'), gx, gy, MAGENTA)
    put(dest, lib(f'Res/builtin/{icon}.bmp'), gx + 4, gy + 2)
    dest.text(gx + 18, gy + 5, name, LABEL)
    if alarm:
        put(dest, lib('Res/small/4/s_red_led.bmp'), gx + 8, gy + 18)
    reading(dest, lib, gx, gy, 21, 26, value, 'red' if alarm else 'green')
    unit_img = lib(f'Res/builtin/{unit}{"_a" if alarm else ""}.bmp')
    put(dest, unit_img, gx + 78, gy + 42 - unit_img.height)
    put(dest, lib('Res/builtin/lock_ul.bmp'), gx + 80, gy + 3)
    put(dest, lib('Res/builtin/close_up.bmp'), gx + 97, gy + 2)


def desktop(lib):
    d = Raster(1000, 560)
    d.vgradient((46, 74, 104), (20, 30, 44))
    cx, cy = 30, 40
    # main panel: background at 142, the cover on top of it
    put(d, lib('Res/main/panel_05.bmp'), cx + 142, cy, MAGENTA)
    for base, x, y, state in (('DMI_b', 411, 34, 'n'), ('PCI_b', 406, 76, 'o'),
                              ('WMI_b', 406, 101, 'n'), ('Usage_b', 410, 127, 'n')):
        image = lib(f'Res/main/{base}_{state}.bmp')
        put(d, image, cx + x, cy + y, image.pixel(0, 0) if base in ('DMI_b', 'PCI_b') else None)
    checks = (('check_on', 201, 54, 'ALWAYS ON TOP'), ('check_on', 201, 71, 'ENABLE MONITORING PANEL'),
              ('check_off', 223, 104, 'SMALL'), ('check_on', 201, 121, 'ENABLE SOUND EFFECT'),
              ('check_off', 201, 138, 'RUN IN BOOT-UP SESSION'))
    for name, x, y, label in checks:
        put(d, lib(f'Res/builtin/{name}.bmp'), cx + x, cy + y)
        d.text(cx + x + 14, cy + y, label, (227, 227, 227))
    d.text(cx + 215, cy + 88, 'SCHEME', (227, 227, 227))
    put(d, lib('Res/main/top_screen01_n.bmp'), cx + 282, cy + 84)
    d.text(cx + 286, cy + 89, 'BOTTOM', (227, 227, 227))
    put(d, lib('Res/main/top_screen02_n.bmp'), cx + 345, cy + 84)
    put(d, lib('Res/builtin/goleft_up.bmp'), cx + 514, cy + 96)
    put(d, lib('Res/main/red_light04.bmp'), cx + 458, cy + 4, lib('Res/main/red_light04.bmp').pixel(40, 0))
    put(d, lib('Res/main/panel_01_c.bmp'), cx, cy, MAGENTA)
    put(d, lib('Res/main/config_n.bmp'), cx + 60, cy + 142)
    put(d, lib('Res/main/report_o.bmp'), cx + 115, cy + 142)
    put(d, lib('Res/builtin/hide_up.bmp'), cx + 162, cy + 9)
    put(d, lib('Res/builtin/close_up.bmp'), cx + 180, cy + 9)
    # gadgets: two snapped hexagons, one in alarm, and two small ones
    hexagon(d, lib, 620, 40, 'CPU', 'icon_temp', '45', 'unit_DC', '90')
    hexagon(d, lib, 620 + 127 - 33, 40 + 56, 'VCORE', 'icon_power', '1.42', 'unit_V', '10%', alarm=True)
    hexagon(d, lib, 620, 40 + 111, 'CPU FAN', 'icon_fan', '2250', 'unit_RPM', '600')
    small(d, lib, 620, 300, 'SYSTEM', 'icon_temp', '38', 'unit_DC')
    small(d, lib, 735, 300, '+12V', 'icon_power', '12.19', 'unit_V', alarm=True)
    small(d, lib, 620, 350, 'CHASSIS', 'icon_fan', '1380', 'unit_RPM')
    # a list window in list mode: 230 x 200 frame
    lx, ly, fw, fh = 30, 300, 230 + 40, 200 + 41
    pieces = (('around_left_t', 0, 0, 40, 41), ('around_inside_t', 40, 0, fw - 80, 41),
              ('around_right_t', fw - 40, 0, 40, 41), ('around_inside_left', 0, 41, 40, fh - 82),
              ('around_inside', 40, 41, fw - 80, fh - 82), ('around_inside_right', fw - 40, 41, 40, fh - 82),
              ('around_left_d', 0, fh - 41, 40, 41), ('around_inside_d', 40, fh - 41, fw - 80, 41),
              ('around_right_d', fw - 40, fh - 41, 40, 41))
    for name, x, y, w, h in pieces:
        put_stretched(d, lib(f'Res/small/{name}.bmp'), lx + x, ly + y, w, h, MAGENTA)
    put(d, lib('Res/builtin/close_up.bmp'), lx + fw - 40 + 19, ly + 5)
    d.rect(lx + 12, ly + 24, lx + 132, ly + 191, (255, 255, 255))
    for i, name in enumerate(('TOP', 'RIGHT', 'BOTTOM', 'LEFT')):
        d.text(lx + 15, ly + 27 + 12 * i, name, (0, 0, 0))
    ok = lib('Res/small/ok_n.bmp')
    put(d, ok, lx + (fw - ok.width) // 2, ly + fh - 41 + 15)
    return d


def windows(lib):
    d = Raster(1340, 940)
    d.vgradient((46, 74, 104), (20, 30, 44))
    ox, oy = 20, 20
    put(d, lib('Res/options/options_01a_ok.bmp'), ox, oy, MAGENTA)
    put(d, lib('Res/options/sensors_up_temp.bmp'), ox + 21, oy + 45)
    put(d, lib('Res/options/setting down.bmp'), ox + 161, oy + 45)
    put(d, lib('Res/options/Voltage down.bmp'), ox + 143, oy + 77)
    put(d, lib('Res/options/Fan Speed down_l.bmp'), ox + 253, oy + 77)
    put(d, lib('Res/builtin/close19_up.bmp'), ox + 547, oy + 21)
    d.text(ox + 48, oy + 24, 'CONFIG', (255, 255, 255))
    d.text(ox + 40, oy + 53, 'SENSOR / THRESHOLD', (255, 255, 0))
    d.text(ox + 190, oy + 53, 'PREFERENCE', (255, 255, 255))
    for i, name in enumerate(('TEMPERATURE', 'VOLTAGE', 'FAN SPEED')):
        d.text(ox + 45 + 110 * i, oy + 84, name, (0, 0, 0) if i == 0 else (128, 128, 128))
    for x, t in ((33, 'ENABLED'), (101, 'SENSOR NAME'), (290, 'CURRENT'), (420, 'THRESHOLD')):
        d.text(ox + x, oy + 110, t, (227, 227, 227))
    rows = (('CPU', '45', 0.55), ('SYSTEM', '38', 0.4), ('CHIPSET', '51', 0.7))
    for r, (name, value, knob) in enumerate(rows):
        top = (139, 169, 198)[r]
        put(d, lib('Res/options/sensor_chack.bmp'), ox + 46, oy + top + 4)
        d.text(ox + 101, oy + top + 7, name, (227, 227, 227))
        d.text(ox + 300, oy + top + 7, value, (227, 227, 227))
        put(d, lib('Res/options/point.bmp'), ox + 395 + int(65 * knob), oy + top + 3)
        d.rect(ox + 477, oy + top, ox + 527, oy + top + 21, (255, 255, 255))
    for i, base in enumerate(('Default', '02apply', 'cancel', 'save_as', 'load')):
        put(d, lib(f'Res/options/{base}_n.bmp'), ox + 60 + 98 * i, oy + 358)
    ux = 630
    put(d, lib('Res/usage/usage_ok.bmp'), ux, oy, MAGENTA)
    put(d, lib('Res/usage/cpu_up_new.bmp'), ux + 21, oy + 45)
    for name, x in (('hard_down', 21), ('memory_down', 136)):
        image = lib(f'Res/usage/{name}.bmp')
        put(d, image, ux + x, oy + 45, image.pixel(0, 0))
    put(d, lib('Res/builtin/close19_up.bmp'), ux + 547, oy + 21)
    d.text(ux + 48, oy + 24, 'USAGE', (255, 255, 255))
    for name, x, colour in (('HARD DISK', 57, (255, 255, 255)), ('MEMORY', 174, (255, 255, 255)),
                            ('CPU', 297, (255, 255, 0))):
        d.text(ux + x, oy + 52, name, colour)
    for x, y in ((69, 145), (324, 145), (69, 240), (324, 240)):
        for k in range(0, 189, 12):
            d.vline(ux + x + k, oy + y, oy + y + 75, (0, 64, 0))
        for k in range(0, 75, 12):
            d.hline(ux + x, ux + x + 189, oy + y + k, (0, 64, 0))
    d.text(ux + 52, oy + 91, 'CPU USAGE        23 %', (227, 227, 227))
    report(d, lib, 20, 470)
    browser(d, lib, 640, 440)
    return d


def report(d, lib, ox, oy):
    put(d, lib('Res/options_new/options_01a_ok.bmp'), ox, oy, MAGENTA)
    put(d, lib('Res/options_new/report_up_ale.bmp'), ox + 21, oy + 45)
    tab = lib('Res/options_new/report down.bmp')
    put(d, tab, ox + 161, oy + 45, tab.pixel(0, 0))
    put(d, lib('Res/builtin/close19_up.bmp'), ox + 547, oy + 21)
    d.text(ox + 48, oy + 24, 'REPORT', (255, 255, 255))
    d.text(ox + 50, oy + 53, 'ALERT LOG', (255, 255, 0))
    d.text(ox + 180, oy + 53, 'SYSTEM INFORMATION', (255, 255, 255))
    for i, line in enumerate(('2026/12/10 02:31:07  CPU TEMPERATURE  ABNORMAL  91 C',
                              '2026/12/10 02:33:12  CPU TEMPERATURE  NORMAL    74 C')):
        d.text(ox + 40, oy + 92 + 12 * i, line, (192, 192, 192))
    for i, base in enumerate(('clear', 'save_as')):
        put(d, lib(f'Res/options_new/{base}_{"n" if i else "o"}.bmp'), ox + 380 + 98 * i, oy + 358)


def browser(d, lib, ox, oy, w=678, h=476):
    """The information browser at its first size: corners as drawn, edges
    stretched between them."""
    pieces = (('left_top', 0, 0, 40, 40), ('top_medium', 40, 0, w - 80, 40), ('right_top', w - 40, 0, 40, 40),
              ('side_left', 0, 40, 12, h - 56), ('side_right', w - 12, 40, 12, h - 56),
              ('left_down', 0, h - 16, 40, 16), ('down_medium', 40, h - 16, w - 80, 16),
              ('right_down', w - 40, h - 16, 40, 16))
    for name, x, y, pw, ph in pieces:
        put_stretched(d, lib(f'Res/window/{name}.bmp'), ox + x, oy + y, pw, ph, MAGENTA)
    d.rect(ox + 12, oy + 40, ox + w - 12, oy + h - 16, (255, 255, 255))
    d.text(ox + 34, oy + 17, 'DMI INFORMATION', (255, 255, 255))
    put(d, lib('Res/popwin/pop_big_colose_n.bmp'), ox + w - 34, oy + 11)
    put(d, lib('Res/builtin/grip.bmp'), ox + w - 14, oy + h - 14)
    d.text(ox + 30, oy + 60, 'SMBIOS 2.8  TYPE 0  BIOS INFORMATION', (0, 0, 0))


def main(argv):
    if len(argv) != 4:
        print(__doc__, file=sys.stderr)
        return 2
    entries = read_manifest(argv[1])
    os.makedirs(argv[3], exist_ok=True)
    lib = Library(argv[2])
    for name, canvas in (('skins-contact-sheet.png', contact_sheet(entries, argv[2])),
                         ('skins-desktop.png', desktop(lib)), ('skins-windows.png', windows(lib))):
        with open(os.path.join(argv[3], name), 'wb') as f:
            f.write(png(canvas))
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
