"""The skin's palette and the pieces every window is built from: brushed
metal and carbon fills, bevelled plates, recessed bays, captioned buttons
in their four states, LED digits and small icons."""

import math

from pixels import Canvas, mix, shade, noise, vgrad, text_width, sdf_rrect

# Transparent colours. Window outlines and the corners of shaped buttons
# use magenta: with the outline builder's red tolerance only exact magenta
# is cut. The large LED digits use their own key, the threshold digits black.
KEY = (255, 0, 255)
DIGIT_KEY = (0xFF, 0x7E, 0xF1)
BLACK = (0, 0, 0)

EDGE = (7, 8, 10)
INK0 = (13, 15, 18)
INK1 = (22, 25, 30)
INK2 = (32, 36, 43)
INK3 = (46, 51, 60)
BAY = (17, 19, 23)          # flat recess behind labels the program draws
STRIP = (20, 23, 28)        # tab strips
PAGE = (28, 32, 38)         # page bodies; flat so cover rectangles match
STEEL_LO = (44, 49, 57)
STEEL = (76, 84, 96)
STEEL_HI = (150, 160, 174)
TEXT = (206, 213, 223)
TEXT_DIM = (104, 111, 122)
CYAN = (0, 196, 232)
CYAN_DIM = (0, 96, 120)
CYAN_HI = (150, 238, 255)
AMBER = (255, 172, 44)
AMBER_DIM = (58, 38, 10)
RED = (236, 44, 36)
RED_HI = (255, 140, 120)

LCD_G = (7, 27, 15)
SEG_G = (84, 255, 140)
GHOST_G = (15, 44, 25)
LCD_R = (38, 7, 7)
SEG_R = (255, 66, 48)
GHOST_R = (66, 15, 12)


# -- fills ---------------------------------------------------------------
def brushed(base, seed=1, amp=1.0):
    """Horizontal brushed-metal streaks around a base colour."""
    def paint(x, y):
        row = (noise(0, y, seed) - 512) / 512.0 * 5.0
        streak = (noise(x // 9 + (noise(1, y, seed) & 7), y, seed + 3) - 512) / 512.0 * 2.5
        grain = (noise(x, y, seed + 7) - 512) / 512.0 * 1.5
        return shade(base, (row + streak + grain) * amp)
    return paint


def carbon(base, seed=2):
    """A fine twill weave, barely above the base colour."""
    def paint(x, y):
        cell = ((x >> 1) + (y >> 1)) & 3
        d = (3.5, 1.5, -1.5, -3.0)[cell]
        return shade(base, d + (noise(x, y, seed) - 512) / 512.0 * 1.2)
    return paint


# -- plates and bays -----------------------------------------------------
def plate(c, x0, y0, x1, y1, r, face, rim_top=STEEL_HI, rim_bottom=STEEL_LO):
    """A raised plate: dark outline, a one-pixel bevel lit from above, then
    the face (a colour or a paint function)."""
    c.rrect(x0, y0, x1, y1, r, EDGE)
    c.rrect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, max(0, r - 1), vgrad(y0, y1, rim_top, rim_bottom))
    c.rrect(x0 + 2, y0 + 2, x1 - 2, y1 - 2, max(0, r - 2), face)


def bay(c, x0, y0, x1, y1, r, face=BAY):
    """A recess: shadow on top, a faint highlight at the bottom edge."""
    c.rrect(x0, y0, x1, y1, r, vgrad(y0, y1, INK0, shade(STEEL_LO, 10)))
    c.rrect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, max(0, r - 1), EDGE)
    c.rrect(x0 + 1, y0 + 2, x1 - 1, y1 - 1, max(0, r - 1), face)


def lcd(c, x, y, w, h, bg):
    """An LCD window: sunken one-pixel bevel around a flat screen, flat so
    the opaque unit pictures sit on it without a seam."""
    c.rect(x, y, x + w, y + h, bg)
    c.hline(x, x + w, y, EDGE)
    c.vline(x, y, y + h, EDGE)
    c.hline(x, x + w, y + h - 1, shade(STEEL_LO, 18))
    c.vline(x + w - 1, y + 1, y + h, shade(STEEL_LO, 18))


def screw(c, cx, cy):
    c.circle(cx, cy, 2.6, EDGE)
    c.circle(cx - 0.3, cy - 0.3, 2.0, vgrad(cy - 2, cy + 2, STEEL_HI, STEEL_LO))
    c.line(cx - 1.4, cy + 1.4, cx + 1.4, cy - 1.4, 0.8, INK1)


def caption(c, s, cx, cy, color, scale=1, shadow=EDGE):
    """Text centred on (cx, cy) with a one-pixel drop shadow."""
    w = text_width(s, scale)
    x = int(round(cx - w / 2.0))
    y = int(round(cy - 7 * scale / 2.0))
    if shadow is not None:
        c.text(x + 1, y + 1, s, shadow, scale)
    c.text(x, y, s, color, scale)


# -- buttons -------------------------------------------------------------
STATES = ('n', 'o', 'd', 'un')


def button(w, h, label, state, scale=1, r=4, corner=INK1, key_corners=False, accent=CYAN):
    """A captioned push button in one of its four states. The corners
    outside the rounded face take `corner` (the surface the button sits on)
    or, for buttons the program draws transparently, the key colour."""
    c = Canvas(w, h, KEY if key_corners else corner)
    if state == 'n':
        plate(c, 0, 0, w, h, r, vgrad(1, h - 1, INK3, INK2))
        ink = TEXT
    elif state == 'o':
        plate(c, 0, 0, w, h, r, vgrad(1, h - 1, shade(INK3, 14), shade(INK2, 8)),
              rim_top=CYAN_HI, rim_bottom=CYAN_DIM)
        ink = CYAN_HI
    elif state == 'd':
        plate(c, 0, 0, w, h, r, vgrad(1, h - 1, INK1, INK3), rim_top=STEEL_LO, rim_bottom=STEEL)
        ink = accent
    else:
        plate(c, 0, 0, w, h, r, INK2, rim_top=STEEL_LO, rim_bottom=INK1)
        ink = TEXT_DIM
    if state in ('n', 'o'):
        # a thin sheen across the upper half
        c.rrect(3, 2, w - 3, max(3, h // 2), max(0, r - 2), (255, 255, 255), a=0.05)
    if label:
        dx = 1 if state == 'd' else 0
        caption(c, label, w / 2.0 + dx, h / 2.0 + dx, ink, scale)
    if key_corners:
        c.cut_to(sdf_rrect(0, 0, w, h, r), KEY, EDGE)
    return c


def glyph_button(w, h, draw, state, r=3, corner=INK1):
    """A small symbol button (arrows, plus, minus); draw(c, ink) adds the symbol."""
    c = button(w, h, '', state, r=r, corner=corner)
    ink = {'n': TEXT, 'o': CYAN_HI, 'd': CYAN, 'un': TEXT_DIM}[state]
    draw(c, ink, 1 if state == 'd' else 0)
    return c


def triangle(c, cx, cy, size, up, ink):
    s = size
    pts = [(cx - s, cy + s * 0.55), (cx + s, cy + s * 0.55), (cx, cy - s * 0.65)] if up else \
          [(cx - s, cy - s * 0.55), (cx + s, cy - s * 0.55), (cx, cy + s * 0.65)]
    c.poly(pts, ink)


# -- LED digits ----------------------------------------------------------
# Segment masks per digit, in the order a b c d e f g.
SEGMENTS = {
    0: 'abcdef', 1: 'bc', 2: 'abdeg', 3: 'abcdg', 4: 'bcfg',
    5: 'acdfg', 6: 'acdefg', 7: 'abc', 8: 'abcdefg', 9: 'abcdfg',
}


def _big_segments():
    """Pixels of each segment of the 11 x 18 digit: two pixels thick,
    chamfered so neighbouring segments meet on a diagonal."""
    seg = {}

    seg['a'] = [(x, 1) for x in range(2, 9)] + [(x, 2) for x in range(3, 8)]
    seg['d'] = [(x, 16) for x in range(2, 9)] + [(x, 15) for x in range(3, 8)]
    seg['g'] = [(x, 8) for x in range(3, 8)] + [(x, 9) for x in range(3, 8)]
    seg['f'] = [(1, y) for y in range(2, 8)] + [(2, y) for y in range(3, 8)]
    seg['b'] = [(9, y) for y in range(2, 8)] + [(8, y) for y in range(3, 8)]
    seg['e'] = [(1, y) for y in range(10, 16)] + [(2, y) for y in range(10, 15)]
    seg['c'] = [(9, y) for y in range(10, 16)] + [(8, y) for y in range(10, 15)]
    return seg


BIG_SEGMENTS = _big_segments()


def big_digit(index, lit_color, ghost):
    """Large reading digit 0..9, 10 the decimal point, 11 blank. The
    background is the digit key; unlit segments show as a faint ghost."""
    c = Canvas(11, 18, DIGIT_KEY)
    if index == 10:
        for x, y in ((4, 15), (5, 15), (4, 16), (5, 16)):
            c.set(x, y, lit_color)
        return c
    on = SEGMENTS.get(index, '')
    for name, pts in BIG_SEGMENTS.items():
        for x, y in pts:
            c.set(x, y, lit_color if name in on else ghost)
    # the lit segments bleed a little light into neighbouring ghost pixels
    lit = {p for name in on for p in BIG_SEGMENTS[name]}
    ghosts = {p for name, pts in BIG_SEGMENTS.items() if name not in on for p in pts}
    for x, y in ghosts:
        if any((x + dx, y + dy) in lit for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))):
            c.set(x, y, mix(ghost, lit_color, 0.18))
    return c


SMALL_SEGMENTS = {
    'a': [(x, 1) for x in range(2, 5)], 'd': [(x, 9) for x in range(2, 5)],
    'g': [(x, 5) for x in range(2, 5)],
    'f': [(1, y) for y in range(2, 5)], 'b': [(5, y) for y in range(2, 5)],
    'e': [(1, y) for y in range(6, 9)], 'c': [(5, y) for y in range(6, 9)],
}


def small_digit(index, color):
    """Threshold digit, 7 x 11 on black (the program draws black as
    transparent): 0..9, 10 decimal point, 11 blank, 12 percent sign."""
    c = Canvas(7, 11, BLACK)
    if index == 10:
        c.set(3, 9, color)
    elif index == 12:
        for x, y in ((1, 1), (2, 1), (1, 2), (2, 2), (4, 8), (5, 8), (4, 9), (5, 9)):
            c.set(x, y, color)
        for i in range(7):
            c.set(5 - i * 4 // 6, 2 + i, color)
    else:
        for name in SEGMENTS.get(index, ''):
            for x, y in SMALL_SEGMENTS[name]:
                c.set(x, y, color)
    return c


# -- icons ---------------------------------------------------------------
def icon_power(c, ox, oy, ink):
    # a lightning bolt from two triangles (the polygon fill takes convex shapes)
    c.poly([(ox + 8, oy + 0.5), (ox + 2.5, oy + 7), (ox + 6.8, oy + 7)], ink)
    c.poly([(ox + 5.2, oy + 4.8), (ox + 9.5, oy + 4.8), (ox + 4, oy + 11.5)], ink)


def icon_temp(c, ox, oy, ink):
    c.line(ox + 6, oy + 1.5, ox + 6, oy + 7, 2.6, ink)
    c.circle(ox + 6, oy + 9, 2.6, ink)
    for y in (3, 5):
        c.hline(ox + 8, ox + 10, oy + y, ink, 0.7)


def icon_fan(c, ox, oy, ink):
    cx, cy = ox + 6, oy + 6
    for k in range(3):
        a = math.radians(k * 120)
        bx, by = cx + 4.2 * math.sin(a), cy - 4.2 * math.cos(a)
        c.line(cx, cy, bx, by, 3.0, ink)
    c.circle(cx, cy, 1.4, INK1)


def cross(c, ox, oy, size, ink, width=1.6):
    c.line(ox + 2.5, oy + 2.5, ox + size - 2.5, oy + size - 2.5, width, ink)
    c.line(ox + size - 2.5, oy + 2.5, ox + 2.5, oy + size - 2.5, width, ink)
