"""The pictures of each window family, drawn from the shared elements.
Every function returns a Canvas; PAINTERS maps a path of the manifest to
the function that draws it. Coordinates in comments are the window's,
where the control sits after the layout tables."""

import functools
import math

from pixels import Canvas, mix, shade, vgrad, sdf_rrect, sdf_convex, text_width
from elements import (KEY, EDGE, INK0, INK1, INK2, INK3, BAY, STRIP, PAGE,
                      STEEL_LO, STEEL, STEEL_HI, TEXT, TEXT_DIM, CYAN, CYAN_DIM, CYAN_HI,
                      AMBER, AMBER_DIM, RED, RED_HI, LCD_G, SEG_G, GHOST_G, LCD_R, SEG_R, GHOST_R,
                      STATES, brushed, carbon, plate, bay, lcd, screw, caption, button,
                      glyph_button, triangle, big_digit, small_digit, icon_power, icon_temp,
                      icon_fan, cross)

PAINTERS = {}


def painter(*paths):
    def register(fn):
        for p in paths:
            PAINTERS[p] = fn
        return fn
    return register


def buttons(folder, base, *args, **kw):
    """Registers the four state files of a captioned button."""
    for s in STATES:
        PAINTERS[f'{folder}/{base}_{s}.bmp'] = (lambda s=s: button(*args, state=s, **kw))


def hexagon_emblem(c, cx, cy, r, glow=True):
    """The product mark: a flat-topped hexagon ring with a lit core."""
    def hexpts(rad):
        return [(cx + rad * math.cos(math.radians(a)), cy + rad * math.sin(math.radians(a)))
                for a in range(0, 360, 60)]
    c.poly(hexpts(r), EDGE)
    c.poly(hexpts(r - 1), vgrad(cy - r, cy + r, STEEL_HI, STEEL_LO))
    c.poly(hexpts(r - 3), vgrad(cy - r, cy + r, INK0, INK2))
    c.poly(hexpts(r * 0.55), CYAN_DIM, a=0.6)
    if glow:
        c.poly(hexpts(r * 0.38), CYAN)
        c.poly(hexpts(r * 0.2), CYAN_HI)


# ---------------------------------------------------------------- main ----
M = 'Res/main'
COVER_W = 199       # the cover's art ends here; the panel shows to its right


@painter(f'{M}/panel_01_c.bmp')
def cover():
    c = Canvas(239, 206, KEY)
    body = sdf_rrect(0, 0, COVER_W, 206, 22)
    c.rect(0, 0, COVER_W, 206, carbon(INK1))
    c.rect(0, 0, COVER_W, 206, vgrad(0, 206, (255, 255, 255), (0, 0, 0)), a=0.05)
    # metal rim: a band inside the outline, lit from above
    c.shape(lambda x, y: max(body(x, y), -body(x, y) - 5), (0, 0, COVER_W, 206),
            lambda x, y: mix(brushed(STEEL)(x, y), STEEL_LO, y / 260.0))
    c.shape(lambda x, y: abs(body(x, y) + 5.5) - 0.5, (0, 0, COVER_W, 206), EDGE)
    # title strip with the hide and close boxes (162, 9) and (180, 9)
    bay(c, 14, 6, 196, 25, 6, INK0)
    for i, lamp in enumerate((CYAN, CYAN_DIM, CYAN_DIM)):
        c.rrect(22 + 9 * i, 13, 28 + 9 * i, 17, 1.5, lamp)
    # the mark and the name
    hexagon_emblem(c, 98, 72, 38)
    c.ring(98, 72, 43, 45, CYAN_DIM, a=0.8, arc=(300, 60))
    c.ring(98, 72, 43, 45, CYAN_DIM, a=0.8, arc=(120, 240))
    caption(c, 'VANTOR', 98, 124, CYAN_HI, scale=2)
    # the bay the config (60, 142) and report (115, 142) buttons sit in
    bay(c, 56, 139, 160, 162, 5)
    # a vent grille along the foot
    for i in range(9):
        x = 54 + 11 * i
        c.rrect(x, 174, x + 6, 192, 3, EDGE)
        c.rrect(x + 1, 176, x + 5, 192, 2, INK0)
    for x, y in ((13, 38), (185, 38), (13, 190), (185, 190)):
        screw(c, x, y)
    c.cut_to(body, KEY, EDGE)
    return c


@painter(f'{M}/panel_05.bmp')
def main_panel():
    w, h = 416, 206
    c = Canvas(w, h, KEY)
    top, bottom, right = 10, 196, 392
    body = sdf_rrect(-30, top, right, bottom, 18)
    c.rect(0, top, right, bottom, brushed(INK2, seed=5))
    c.rect(0, top, right, bottom, vgrad(top, bottom, (255, 255, 255), (0, 0, 0)), a=0.06)
    c.shape(lambda x, y: abs(body(x, y) + 1.5) - 0.5, (0, 0, w, h), STEEL_HI, a=0.5)
    c.hline(40, right - 20, top + 3, CYAN_DIM, a=0.7)
    # preference screen behind the check boxes and their labels (window 195..395)
    bay(c, 50, 30, 254, 172, 6)
    c.hline(58, 246, 36, CYAN_DIM)
    # the pod behind the DMI, PCI, WMI and Usage buttons (window 400..507)
    bay(c, 258, 27, 365, 179, 8)
    # unlit groove of the warning bracket (window 466..513, 22..187)
    groove = (INK0, (40, 14, 14))
    for x0, y0, x1, y1 in ((324, 22, 371, 27), (366, 22, 371, 187), (324, 182, 371, 187)):
        c.rect(x0, y0, x1, y1, groove[1])
    c.hline(324, 371, 22, groove[0])
    c.vline(366, 27, 182, groove[0])
    # slide button seat (window 514..523, 96..112)
    bay(c, 370, 93, 384, 115, 3, INK0)
    for x, y in ((384, 24), (384, 182)):
        screw(c, x, y)
    c.cut_to(body, KEY, EDGE)
    return c


# The pod buttons' left part carries the caption, their right end a lamp:
# with the panel slid in behind the cover only the right ends (from window
# x 469) stay out, and there they read as a column of lamps, not cut text.
POD_TEXT_END = 56   # the caption ends before this column of every pod button


def pod_button(w, h, label, state, key_corners, r, meter=False):
    c = button(w, h, '', state, r=r, corner=BAY, key_corners=key_corners)
    ink = {'n': TEXT, 'o': CYAN_HI, 'd': CYAN, 'un': TEXT_DIM}[state]
    d = 1 if state == 'd' else 0
    lamp = {'n': CYAN_DIM, 'o': CYAN, 'd': CYAN_HI, 'un': INK3}[state]
    c.rrect(w - 14 + d, h / 2 - 4 + d, w - 10 + d, h / 2 + 4 + d, 1.5, lamp)
    cx = (4 + POD_TEXT_END) / 2 + d
    if meter:
        # a small bar meter over the word, for the tall usage button
        for i, bar in enumerate((7, 12, 9, 15, 11)):
            x = cx - 12 + 5 * i
            c.rect(int(x), int(h / 2 + 2 - bar + d), int(x + 3), int(h / 2 + 2 + d), ink)
        caption(c, label, cx, h / 2 + 10 + d, ink, scale=1)
    else:
        caption(c, label, cx, h / 2 + d, ink, scale=2)
    if key_corners:
        c.cut_to(sdf_rrect(0, 0, w, h, r), KEY, EDGE)
    return c


for _s in STATES:
    PAINTERS[f'{M}/DMI_b_{_s}.bmp'] = lambda s=_s: pod_button(91, 43, 'DMI', s, True, 10)
    PAINTERS[f'{M}/PCI_b_{_s}.bmp'] = lambda s=_s: pod_button(98, 24, 'PCI', s, True, 6)
    PAINTERS[f'{M}/WMI_b_{_s}.bmp'] = lambda s=_s: pod_button(101, 26, 'WMI', s, False, 6)
    PAINTERS[f'{M}/Usage_b_{_s}.bmp'] = lambda s=_s: pod_button(93, 46, 'USAGE', s, False, 10, meter=True)
buttons(M, 'apply', 48, 16, 'APPLY', corner=BAY)
buttons(M, 'report', 41, 17, 'REPORT', corner=BAY)


def _config(state):
    # imgOption (60..124) runs 9 pixels under imgHexagon (115..156): its
    # face ends before the overlap and the rest is the bay it sits in.
    c = Canvas(64, 17, BAY)
    c.blit(button(53, 17, 'CONFIG', state, corner=BAY), 0, 0)
    return c


for _s in STATES:
    PAINTERS[f'{M}/config_{_s}.bmp'] = lambda s=_s: _config(s)


@painter(f'{M}/top_screen01_n.bmp', f'{M}/top_screen01_un.bmp')
def scheme_field(disabled=False):
    c = Canvas(61, 16, BAY)
    bay(c, 0, 0, 61, 16, 3, INK0 if disabled else (10, 24, 30))
    return c


PAINTERS[f'{M}/top_screen01_un.bmp'] = lambda: scheme_field(True)
for _s in STATES:
    PAINTERS[f'{M}/top_screen02_{_s}.bmp'] = lambda s=_s: glyph_button(
        13, 16, lambda c, ink, d: triangle(c, 6.5 + d, 8.5 + d, 3.2, False, ink), s, r=3, corner=BAY)


@painter(f'{M}/red_light04.bmp')
def warning_light():
    # A red bracket around the right half of the button pod; everything
    # else is the key, so only the bracket lights up over the panel.
    c = Canvas(85, 198, KEY)
    arms = ((8, 18, 55, 23), (50, 18, 55, 183), (8, 178, 55, 183))
    for x0, y0, x1, y1 in arms:      # halo, opaque over the dark groove
        c.rect(x0 - 1, y0 - 1, x1 + 1, y1 + 1, mix((40, 14, 14), RED, 0.45))
    for x0, y0, x1, y1 in arms:
        c.rect(x0, y0, x1, y1, RED)
    for x0, y0, x1, y1 in arms:      # hot core
        if x1 - x0 > y1 - y0:
            c.rect(x0 + 1, y0 + 2, x1 - 1, y0 + 3, RED_HI)
        else:
            c.rect(x0 + 2, y0 + 1, x0 + 3, y1 - 1, RED_HI)
    return c


# --------------------------------------------------------------- small ----
S = 'Res/small'
LIST_BG = INK1


@functools.lru_cache(maxsize=None)  # sliced or shared by several files
def list_frame(w=147, h=226):
    c = Canvas(w, h, KEY)
    outline = sdf_rrect(3, 3, w - 3, h - 3, 10)
    c.rect(3, 3, w - 3, h - 3, LIST_BG)
    c.shape(lambda x, y: max(outline(x, y), -outline(x, y) - 4), (0, 0, w, h),
            vgrad(3, h - 3, STEEL_HI, STEEL_LO))
    c.shape(lambda x, y: abs(outline(x, y) + 4.5) - 0.5, (0, 0, w, h), EDGE)
    # title band behind the close box (corner left + 19, 5)
    c.rect(8, 8, w - 8, 21, vgrad(8, 21, INK3, INK2))
    c.hline(8, w - 8, 21, CYAN_DIM)
    c.hline(8, w - 8, h - 34, INK2)
    c.hline(8, w - 8, h - 33, shade(INK1, 8))
    c.cut_to(outline, KEY, EDGE)
    return c


_FRAME = {'around_left_t': (0, 0, 40, 41), 'around_inside_t': (40, 0, 67, 41),
          'around_right_t': (107, 0, 40, 41), 'around_inside_left': (0, 41, 40, 144),
          'around_inside': (40, 41, 67, 144), 'around_inside_right': (107, 41, 40, 144),
          'around_left_d': (0, 185, 40, 41), 'around_inside_d': (40, 185, 67, 41),
          'around_right_d': (107, 185, 40, 41)}
for _n, _r in _FRAME.items():
    PAINTERS[f'{S}/{_n}.bmp'] = lambda r=_r: list_frame().crop(*r)
buttons(S, 'ok', 60, 20, 'OK', corner=LIST_BG)
buttons(S, 'cancel', 60, 20, 'CANCEL', corner=LIST_BG)

HEX = [(0, 55.5), (32.5, 0), (94.5, 0), (127, 55.5), (94.5, 111), (32.5, 111)]
BAND = INK0          # flat band behind the gadget icon and name


@painter(f'{S}/6/6_UI.bmp')
def hexagon_gadget():
    c = Canvas(127, 111, KEY)
    outline = sdf_convex(HEX)
    c.rect(0, 0, 127, 111, carbon(INK2, seed=9))
    c.rect(0, 0, 127, 111, vgrad(0, 111, (255, 255, 255), (0, 0, 0)), a=0.07)
    c.shape(lambda x, y: max(outline(x, y), -outline(x, y) - 3), (0, 0, 127, 111),
            vgrad(0, 111, STEEL_HI, STEEL_LO))
    c.shape(lambda x, y: abs(outline(x, y) + 3.5) - 0.5, (0, 0, 127, 111), EDGE)
    # name band: icon at 32,3, name from 46,3
    inner = lambda x, y: outline(x, y) + 4
    c.shape(lambda x, y: max(inner(x, y), y - 17.0), (0, 0, 127, 18), BAND)
    c.shape(lambda x, y: max(inner(x, y), abs(y - 17.5) - 0.5), (0, 16, 127, 19), CYAN_DIM)
    # reading screen: digits at 30..85, top 36; units at 85
    lcd(c, 26, 31, 80, 29, LCD_G)
    # threshold strip: up 17,60, down 28,67, digits at 41..76, top 65. Pure
    # black, so the blank and percent digits, which the gadget does not draw
    # transparently, sit on it without a visible box.
    lcd(c, 39, 63, 40, 15, (0, 0, 0))
    # close box seat 78,90 and magnet seat 61,91
    bay(c, 59, 88, 91, 103, 3, BAND)
    c.cut_to(outline, KEY, EDGE)
    return c


@painter(f'{S}/6/red_led.bmp')
def red_screen():
    c = Canvas(80, 29)
    lcd(c, 0, 0, 80, 29, LCD_R)
    return c


for _s in STATES:
    PAINTERS[f'{S}/6/6_up_{_s}.bmp'] = lambda s=_s: glyph_button(
        10, 10, lambda c, ink, d: triangle(c, 5 + d, 5.2 + d, 2.6, True, ink), s, r=2, corner=INK2)
    PAINTERS[f'{S}/6/6_down_{_s}.bmp'] = lambda s=_s: glyph_button(
        10, 10, lambda c, ink, d: triangle(c, 5 + d, 4.8 + d, 2.6, False, ink), s, r=2, corner=INK2)


@painter(f'{S}/4/4_UI.bmp')
def small_gadget():
    c = Canvas(115, 50, KEY)
    outline = sdf_rrect(0, 0, 115, 50, 7)
    c.rect(0, 0, 115, 50, carbon(INK2, seed=11))
    c.shape(lambda x, y: max(outline(x, y), -outline(x, y) - 2), (0, 0, 115, 50),
            vgrad(0, 50, STEEL_HI, STEEL_LO))
    c.shape(lambda x, y: abs(outline(x, y) + 2.5) - 0.5, (0, 0, 115, 50), EDGE)
    # band: icon 4,2, name 18,2, magnet 80,3, close 97,2
    c.rect(3, 2, 112, 15, BAND)
    c.hline(3, 112, 15, CYAN_DIM)
    lcd(c, 8, 18, 99, 28, LCD_G)
    c.cut_to(outline, KEY, EDGE)
    return c


@painter(f'{S}/4/s_red_led.bmp')
def small_red_screen():
    c = Canvas(99, 28)
    lcd(c, 0, 0, 99, 28, LCD_R)
    return c


for _i in range(12):
    PAINTERS[f'Res/numbers/big/green_b{_i}.bmp'] = lambda i=_i: big_digit(i, SEG_G, GHOST_G)
    PAINTERS[f'Res/numbers/big/red_b{_i}.bmp'] = lambda i=_i: big_digit(i, SEG_R, GHOST_R)


# ------------------------------------------- options, report and usage ----
@functools.lru_cache(maxsize=None)  # sliced or shared by several files
def window_background():
    """The 600 x 400 skinned window: title bar (title label at 48,24, close
    box at 547,21), the page area 21..577 x 45..343 and a button bay."""
    w, h = 600, 400
    c = Canvas(w, h, KEY)
    outline = sdf_rrect(0, 0, w, h, 14)
    c.rect(0, 0, w, h, carbon(INK1, seed=3))
    c.rect(0, 0, w, 44, lambda x, y: mix(brushed(INK3, seed=4)(x, y), INK1, y / 52.0))
    c.shape(lambda x, y: max(outline(x, y), -outline(x, y) - 3), (0, 0, w, h),
            vgrad(0, h, STEEL_HI, STEEL_LO))
    c.shape(lambda x, y: abs(outline(x, y) + 3.5) - 0.5, (0, 0, w, h), EDGE)
    c.hline(16, w - 16, 42, CYAN_DIM)
    hexagon_emblem(c, 31, 28, 10)
    bay(c, 544, 18, 569, 43, 5, INK0)             # close box seat
    bay(c, 19, 43, 579, 345, 4, PAGE)             # page well
    bay(c, 19, 352, 579, 386, 6)                  # button bay
    c.cut_to(outline, KEY, EDGE)
    return c


PAINTERS['Res/options/options_01a_ok.bmp'] = lambda: window_background()
PAINTERS['Res/options_new/options_01a_ok.bmp'] = lambda: window_background()
PAINTERS['Res/usage/usage_ok.bmp'] = lambda: window_background()


def tab_face(c, x, w, h, active):
    """A tab along the top of a page: rounded top corners; the active one
    runs into the page body and carries a cyan edge."""
    if active:
        c.rrect(x, 0, x + w, h + 6, 5, EDGE)
        c.rrect(x + 1, 1, x + w - 1, h + 6, 4, vgrad(0, h, STEEL, PAGE))
        c.rrect(x + 2, 2, x + w - 2, h + 6, 3, PAGE)
        c.hline(x + 5, x + w - 5, 2, CYAN)
    else:
        c.rrect(x, 2, x + w, h + 4, 5, EDGE)
        c.rrect(x + 1, 3, x + w - 1, h + 4, 4, vgrad(2, h, STEEL_LO, INK1))
        c.rrect(x + 2, 4, x + w - 2, h + 4, 3, vgrad(2, h, INK2, INK1))


def page(tabs, active, tab_h=24):
    """A 556 x 298 page picture: the tab strip with the active tab drawn in
    and the flat page body under it. tabs = [(x, width), ...]."""
    w, h = 556, 298
    c = Canvas(w, h, STRIP)
    c.rect(0, tab_h, w, h, PAGE)
    c.hline(0, w, tab_h, EDGE)
    c.hline(0, w, tab_h + 1, shade(PAGE, 10))
    for i, (x, tw) in enumerate(tabs):
        if i != active:
            tab_face(c, x, tw, tab_h, False)
    c.rect(0, tab_h + 1, w, tab_h + 2, shade(PAGE, 8))
    x, tw = tabs[active]
    tab_face(c, x, tw, tab_h, True)
    c.rect(x + 2, tab_h, x + tw - 2, tab_h + 2, PAGE)
    return c


def inactive_tab(w, h, corner):
    c = Canvas(w, h + 4, corner)
    tab_face(c, 0, w, h, False)
    c = c.crop(0, 0, w, h)
    if corner == KEY:
        c.cut_to(lambda x, y: sdf_rrect(0, 2, w, h + 8, 5)(x, y), KEY, EDGE)
    return c


def groove(c, x0, x1, y):
    """A slider track."""
    c.rrect(x0, y - 2, x1, y + 2, 2, EDGE)
    c.rrect(x0 + 1, y - 1, x1 - 1, y + 2, 1, INK0)
    for i in range(0, 11):
        tx = x0 + 4 + (x1 - x0 - 8) * i / 10.0
        c.vline(int(tx), y + 4, y + (7 if i % 5 == 0 else 6), TEXT_DIM, a=0.5)


def checkbox(c, x, y, radio=False):
    if radio:
        c.circle(x + 6.5, y + 6.5, 6.5, EDGE)
        c.circle(x + 6.5, y + 6.5, 5.5, vgrad(y, y + 13, INK0, shade(INK2, 6)))
    else:
        c.rrect(x, y, x + 13, y + 13, 2, EDGE)
        c.rrect(x + 1, y + 1, x + 12, y + 12, 1.5, vgrad(y, y + 13, INK0, shade(INK2, 6)))


def group_box(c, x0, y0, x1, y1):
    c.rrect(x0, y0, x1, y1, 5, EDGE, a=0.9)
    c.rrect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, 4, shade(PAGE, 4))
    c.rrect(x0 + 1, y0 + 1, x1 - 1, y0 + 4, 2, shade(PAGE, 10))


OPT = 'Res/options'
MAIN_TABS = [(0, 140), (140, 140)]
SUB_TABS = [(12, 110), (122, 110), (232, 110)]
ROW_TOPS = (139, 169, 198, 228, 257)      # window y of the five sensor rows


def sensor_page(active_sub):
    c = page(MAIN_TABS, 0)
    # sub-tab strip at window y 77..97
    c.rect(8, 30, 548, 52, shade(PAGE, -4))
    for i, (x, tw) in enumerate(SUB_TABS):
        _sub_tab(c, x + 0, 32, tw, 20, i == active_sub)
    c.hline(8, 548, 52, CYAN_DIM)
    # column titles band (window 107..121)
    c.rect(8, 60, 548, 77, BAY)
    c.hline(8, 548, 77, EDGE)
    for top in ROW_TOPS:
        y = top - 45
        checkbox(c, 25, y + 4)
        groove(c, 374, 452, y + 10)
        c.hline(12, 544, y + 25, shade(PAGE, -6))
    # paging (window 256..346, 301..317)
    bay(c, 232, 254, 328, 274, 4, shade(PAGE, -6))
    return c


def _sub_tab(c, x, y, w, h, active):
    if active:
        c.rrect(x, y, x + w, y + h + 4, 4, EDGE)
        # the chosen tab's label is black: a light face under it
        c.rrect(x + 1, y + 1, x + w - 1, y + h + 4, 3, vgrad(y, y + h, (214, 222, 230), (150, 160, 172)))
        c.hline(x + 4, x + w - 4, y + 1, CYAN_HI)
    else:
        c.rrect(x, y + 2, x + w, y + h + 4, 4, EDGE)
        c.rrect(x + 1, y + 3, x + w - 1, y + h + 4, 3, vgrad(y, y + h, INK2, INK1))


def sub_tab_picture():
    c = Canvas(110, 24, shade(PAGE, -4))
    _sub_tab(c, 0, 0, 110, 20, False)
    return c.crop(0, 0, 110, 20)


PAINTERS[f'{OPT}/sensors_up_temp.bmp'] = lambda: sensor_page(0)
PAINTERS[f'{OPT}/sensors_up_voltage.bmp'] = lambda: sensor_page(1)
PAINTERS[f'{OPT}/sensors_up_fan speed_a.bmp'] = lambda: sensor_page(2)
for _f in ('Temperature down', 'Voltage down', 'Fan Speed down_l'):
    PAINTERS[f'{OPT}/{_f}.bmp'] = sub_tab_picture
PAINTERS[f'{OPT}/sensors_down.bmp'] = lambda: inactive_tab(140, 24, STRIP)
PAINTERS[f'{OPT}/setting down.bmp'] = lambda: inactive_tab(140, 24, STRIP)

# preference page check boxes and radios, window pixels
PREF_CHECKS = ((44, 122), (44, 146), (378, 124), (378, 146))
PREF_RADIOS = ((160, 236), (250, 236))


@painter(f'{OPT}/setting_up.bmp')
def preference_page():
    c = page(MAIN_TABS, 1)
    group_box(c, 9, 51, 329, 176)       # Alert, window 30..350 x 96..221
    group_box(c, 9, 181, 329, 214)      # Temperature Scale
    group_box(c, 9, 219, 329, 256)      # Polling Interval
    group_box(c, 347, 51, 546, 276)     # fan control, window 368..567 x 96..321
    for x, y in PREF_CHECKS:
        checkbox(c, x - 21, y - 45)
    for x, y in PREF_RADIOS:
        checkbox(c, x - 21, y - 45, radio=True)
    return c


def check_mark(radio=False, panel=PAGE):
    c = Canvas(13, 13, panel)
    checkbox(c, 0, 0, radio)
    if radio:
        c.circle(6.5, 6.5, 3.2, CYAN)
        c.circle(5.8, 5.8, 1.2, CYAN_HI)
    else:
        c.line(3.2, 6.8, 5.6, 9.3, 1.8, CYAN)
        c.line(5.6, 9.3, 10.0, 3.5, 1.8, CYAN)
    return c


PAINTERS[f'{OPT}/sensor_chack.bmp'] = lambda: check_mark()
PAINTERS[f'{OPT}/setting_chack01.bmp'] = lambda: check_mark(panel=shade(PAGE, 4))
PAINTERS[f'{OPT}/setting_chack02.bmp'] = lambda: check_mark(radio=True, panel=shade(PAGE, 4))


@painter(f'{OPT}/point.bmp')
def knob():
    c = Canvas(9, 15, PAGE)
    c.poly([(0, 0.5), (9, 0.5), (9, 10), (4.5, 14.8), (0, 10)], EDGE)
    c.poly([(1, 1.5), (8, 1.5), (8, 9.6), (4.5, 13.4), (1, 9.6)], vgrad(0, 15, STEEL_HI, STEEL_LO))
    c.vline(4, 3, 10, CYAN)
    return c


buttons(OPT, 'Default', 80, 22, 'DEFAULT', corner=BAY)
buttons(OPT, 'apply', 80, 22, 'APPLY', corner=BAY)
buttons(OPT, 'cancel', 80, 22, 'CANCEL', corner=BAY)
buttons(OPT, 'save_as', 80, 22, 'SAVE AS', corner=BAY)
buttons(OPT, 'load', 80, 22, 'LOAD', corner=BAY)
for _s in STATES:
    # "02apply": the same button with a lit amber lamp, telling unsaved changes
    PAINTERS[f'{OPT}/02apply_{_s}.bmp'] = lambda s=_s: _pending_apply(s)


def _pending_apply(state):
    c = button(80, 22, 'APPLY', state, corner=BAY, accent=AMBER)
    lamp = AMBER if state != 'un' else AMBER_DIM
    c.circle(10, 11, 3.0, EDGE)
    c.circle(10, 11, 2.2, lamp)
    return c


def _plus(c, ink, d):
    c.rect(4 + d, 7 + d, 12 + d, 9 + d, ink)
    c.rect(7 + d, 4 + d, 9 + d, 12 + d, ink)


def _minus(c, ink, d):
    c.rect(4 + d, 7 + d, 12 + d, 9 + d, ink)


for _s in STATES:
    PAINTERS[f'{OPT}/+_{_s}.bmp'] = lambda s=_s: glyph_button(16, 16, _plus, s, corner=PAGE)
    PAINTERS[f'{OPT}/-_{_s}.bmp'] = lambda s=_s: glyph_button(16, 16, _minus, s, corner=PAGE)
    PAINTERS[f'{OPT}/select_{_s}.bmp'] = lambda s=_s: glyph_button(
        16, 16, lambda c, ink, d: triangle(c, 8 + d, 8.5 + d, 3.6, False, ink), s, corner=PAGE)

NEW = 'Res/options_new'
REPORT_TABS = [(0, 140), (140, 140)]


def report_page(active):
    c = page(REPORT_TABS, active)
    bay(c, 10, 36, 546, 290, 4, INK0)     # the report view, window 31..567 x 81..335
    return c


PAINTERS[f'{NEW}/report_up_ale.bmp'] = lambda: report_page(0)
PAINTERS[f'{NEW}/report_up_sys.bmp'] = lambda: report_page(1)
PAINTERS[f'{NEW}/report down.bmp'] = lambda: inactive_tab(140, 24, KEY)
buttons(NEW, 'clear', 80, 22, 'CLEAR', corner=BAY)
buttons(NEW, 'save_as', 80, 22, 'SAVE AS', corner=BAY)


def ready_led(lit):
    """The report window's system information light, in the button bay: a
    small round lamp, green when the report is in, amber while it is made."""
    c = Canvas(11, 11, BAY)
    core = SEG_G if lit else AMBER
    c.circle(5.5, 5.5, 5.2, EDGE)
    c.circle(5.5, 5.5, 4.2, vgrad(1, 10, mix(core, (255, 255, 255), 0.35), mix(core, (0, 0, 0), 0.35)))
    c.circle(4.2, 4.0, 1.4, mix(core, (255, 255, 255), 0.7))
    return c


PAINTERS[f'{NEW}/led_ready.bmp'] = lambda: ready_led(True)
PAINTERS[f'{NEW}/led_wait.bmp'] = lambda: ready_led(False)

U = 'Res/usage'
USAGE_TABS = [(0, 115), (115, 115), (230, 115)]     # Hard Disk, Memory, CPU


def sum_line(c, x0, x1, y):
    c.hline(x0, x1, y, TEXT_DIM, a=0.5)
    c.hline(x0, x1, y + 1, EDGE, a=0.5)


@painter(f'{U}/cpu_up_new.bmp')
def cpu_page():
    c = page(USAGE_TABS, 2)
    bay(c, 22, 36, 210, 62, 4)                          # "CPU Usage" and the average
    for x, y in ((48, 100), (303, 100), (48, 195), (303, 195)):
        bay(c, x - 2, y - 2, x + 191, y + 77, 3, INK0)  # graphs 189 x 75
    return c


@painter(f'{U}/memory_up.bmp')
def memory_page():
    c = page(USAGE_TABS, 1)
    bay(c, 92, 36, 300, 60, 4)                          # usage percent row
    for y in (93, 124, 177):
        c.hline(30, 520, y + 15, shade(PAGE, -6))
    sum_line(c, 280, 520, 164)
    c.ring(343, 242, 30, 34, shade(PAGE, -8))           # a plinth for the pie
    return c


@painter(f'{U}/hard_up.bmp')
def disk_page():
    c = page(USAGE_TABS, 0)
    bay(c, 35, 58, 165, 252, 4, INK0)                   # drive tree, window 59,106
    for y in (74, 104, 163):
        c.hline(180, 520, y + 15, shade(PAGE, -6))
    sum_line(c, 280, 520, 150)
    return c


for _n in ('hard_down', 'memory_down', 'cpu_down'):
    PAINTERS[f'{U}/{_n}.bmp'] = lambda: inactive_tab(115, 24, KEY)


@painter(f'{U}/cpu_bg.bmp')
def drive_tree_background():
    # the tree draws in silver on navy; this is its navy, gently lit
    c = Canvas(124, 188)
    c.rect(0, 0, 124, 188, vgrad(0, 188, (0, 0, 140), (0, 0, 96)))
    for y in range(0, 188, 12):
        c.hline(0, 124, y, (30, 40, 170), a=0.35)
    return c


# ----------------------------------------------------------- browser ----
WIN = 'Res/window'


@functools.lru_cache(maxsize=None)  # sliced or shared by several files
def browser_frame(w=120, h=96):
    c = Canvas(w, h, KEY)
    outline = sdf_rrect(0, 0, w, h, 12)
    c.rect(0, 0, w, h, carbon(INK1, seed=6))
    c.rect(0, 0, w, 40, lambda x, y: mix(brushed(INK3, seed=8)(x, y), INK1, y / 48.0))
    c.shape(lambda x, y: max(outline(x, y), -outline(x, y) - 3), (0, 0, w, h),
            vgrad(0, h, STEEL_HI, STEEL_LO))
    c.shape(lambda x, y: abs(outline(x, y) + 3.5) - 0.5, (0, 0, w, h), EDGE)
    c.hline(12, w - 12, 38, CYAN_DIM)
    hexagon_emblem(c, 21, 20, 8)                         # the title label starts at 34
    c.rect(11, 39, w - 11, h - 15, EDGE)                 # the frame around the page
    c.cut_to(outline, KEY, EDGE)
    return c


_BROWSER = {'left_top': (0, 0, 40, 40), 'top_medium': (40, 0, 40, 40), 'right_top': (80, 0, 40, 40),
            'side_left': (0, 40, 12, 40), 'side_right': (108, 40, 12, 40),
            'left_down': (0, 80, 40, 16), 'down_medium': (40, 80, 40, 16), 'right_down': (80, 80, 40, 16)}
for _n, _r in _BROWSER.items():
    PAINTERS[f'{WIN}/{_n}.bmp'] = lambda r=_r: browser_frame().crop(*r)


def close_box(size, state, seat=INK0):
    c = Canvas(size, size, seat)
    face = {'up': vgrad(0, size, INK3, INK2), 'ov': vgrad(0, size, (120, 30, 26), (80, 16, 14)),
            'dn': vgrad(0, size, (60, 12, 10), (110, 26, 22)), 'un': INK2}[state]
    rim = {'up': (STEEL_HI, STEEL_LO), 'ov': (RED_HI, (90, 20, 16)),
           'dn': (STEEL_LO, STEEL), 'un': (STEEL_LO, INK1)}[state]
    plate(c, 0, 0, size, size, max(2, size // 5), face, rim[0], rim[1])
    ink = {'up': TEXT, 'ov': (255, 255, 255), 'dn': RED_HI, 'un': TEXT_DIM}[state]
    d = 1 if state == 'dn' else 0
    if size < 15:
        cross(c, d, d, size, ink, 1.3)
    else:
        cross(c, 2 + d, 2 + d, size - 4, ink, 1.8)
    return c


for _s, _f in (('n', 'up'), ('o', 'ov'), ('d', 'dn'), ('un', 'un')):
    PAINTERS[f'Res/popwin/pop_big_colose_{_s}.bmp'] = lambda f=_f: close_box(19, f)


# ----------------------------------------------------------- builtin ----
B = 'Res/builtin'
for _s in ('up', 'ov', 'dn'):
    PAINTERS[f'{B}/close_{_s}.bmp'] = lambda s=_s: close_box(11, s)
    PAINTERS[f'{B}/close19_{_s}.bmp'] = lambda s=_s: close_box(19, s)
    PAINTERS[f'{B}/hide_{_s}.bmp'] = lambda s=_s: _hide_box(s)


def _hide_box(state):
    c = Canvas(11, 11, INK0)
    face = {'up': vgrad(0, 11, INK3, INK2), 'ov': vgrad(0, 11, shade(INK3, 20), INK3),
            'dn': vgrad(0, 11, INK1, INK3)}[state]
    plate(c, 0, 0, 11, 11, 2, face, *((CYAN_HI, CYAN_DIM) if state == 'ov' else (STEEL_HI, STEEL_LO)))
    d = 1 if state == 'dn' else 0
    c.rect(3 + d, 7 + d, 8 + d, 9 + d, CYAN_HI if state == 'ov' else TEXT)
    return c


def _check(on, disabled):
    c = Canvas(7, 7, EDGE)
    c.rect(1, 1, 6, 6, INK0 if not disabled else INK1)
    c.hline(1, 6, 6, shade(STEEL_LO, 10))
    if on:
        c.rect(2, 2, 5, 5, CYAN if not disabled else TEXT_DIM)
        if not disabled:
            c.set(2, 2, CYAN_HI)
    return c


PAINTERS[f'{B}/check_off.bmp'] = lambda: _check(False, False)
PAINTERS[f'{B}/check_on.bmp'] = lambda: _check(True, False)
PAINTERS[f'{B}/check_off_ds.bmp'] = lambda: _check(False, True)
PAINTERS[f'{B}/check_on_ds.bmp'] = lambda: _check(True, True)


def _slide_arrow(left, state):
    c = Canvas(9, 16, INK0)
    face = {'up': vgrad(0, 16, INK3, INK2), 'ov': vgrad(0, 16, shade(INK3, 16), INK3),
            'dn': vgrad(0, 16, INK1, INK3)}[state]
    plate(c, 0, 0, 9, 16, 2, face, *((CYAN_HI, CYAN_DIM) if state == 'ov' else (STEEL_HI, STEEL_LO)))
    ink = {'up': TEXT, 'ov': CYAN_HI, 'dn': CYAN}[state]
    d = 1 if state == 'dn' else 0
    if left:
        c.poly([(6 + d, 4.5 + d), (6 + d, 11.5 + d), (2.5 + d, 8 + d)], ink)
    else:
        c.poly([(3 + d, 4.5 + d), (3 + d, 11.5 + d), (6.5 + d, 8 + d)], ink)
    return c


for _s in ('up', 'ov', 'dn'):
    PAINTERS[f'{B}/goleft_{_s}.bmp'] = lambda s=_s: _slide_arrow(True, s)
    PAINTERS[f'{B}/goright_{_s}.bmp'] = lambda s=_s: _slide_arrow(False, s)


def _tray(alarm):
    c = Canvas(16, 16, KEY)
    pts = [(8 + 7.5 * math.cos(math.radians(a)), 8 + 7.5 * math.sin(math.radians(a))) for a in range(0, 360, 60)]
    c.poly(pts, EDGE, aa=False)
    inner = [(8 + 6.3 * math.cos(math.radians(a)), 8 + 6.3 * math.sin(math.radians(a))) for a in range(0, 360, 60)]
    c.poly(inner, RED if alarm else INK3, aa=False)
    core = [(8 + 3.2 * math.cos(math.radians(a)), 8 + 3.2 * math.sin(math.radians(a))) for a in range(0, 360, 60)]
    c.poly(core, (255, 230, 200) if alarm else CYAN, aa=False)
    return c


PAINTERS[f'{B}/tray_normal.bmp'] = lambda: _tray(False)
PAINTERS[f'{B}/tray_alarm.bmp'] = lambda: _tray(True)


def _icon(draw):
    c = Canvas(12, 12, BAND)
    draw(c, 0, 0, CYAN)
    return c


PAINTERS[f'{B}/icon_power.bmp'] = lambda: _icon(icon_power)
PAINTERS[f'{B}/icon_temp.bmp'] = lambda: _icon(icon_temp)
PAINTERS[f'{B}/icon_fan.bmp'] = lambda: _icon(icon_fan)


def _unit(w, h, label, alert, degree=False):
    c = Canvas(w, h, LCD_R if alert else LCD_G)
    ink = SEG_R if alert else SEG_G
    x = w - text_width(label) if not degree else 0
    if degree:
        c.text(0, h - 7 - 8, 'o', ink)
        c.text(w - 5, h - 7, label, ink)
    else:
        c.text(max(0, x), h - 7, label, ink)
    return c


for _a, _sfx in ((False, ''), (True, '_a')):
    PAINTERS[f'{B}/unit_V{_sfx}.bmp'] = lambda a=_a: _unit(9, 19, 'V', a)
    PAINTERS[f'{B}/unit_DC{_sfx}.bmp'] = lambda a=_a: _unit(13, 17, 'C', a, degree=True)
    PAINTERS[f'{B}/unit_DF{_sfx}.bmp'] = lambda a=_a: _unit(13, 17, 'F', a, degree=True)
    PAINTERS[f'{B}/unit_RPM{_sfx}.bmp'] = lambda a=_a: _rpm(a)


def _rpm(alert):
    c = Canvas(19, 12, LCD_R if alert else LCD_G)
    ink = SEG_R if alert else SEG_G
    # three narrow letters, 3 to 5 pixels wide and 5 high
    glyphs = ('##. #.# ##. #.# #.#', '##. #.# ##. #.. #..', '#...# ##.## #.#.# #...# #...#')
    x = 0
    for g in glyphs:
        rows = g.split()
        for ry, row in enumerate(rows):
            for rx, bit in enumerate(row):
                if bit == '#':
                    c.set(x + rx, 7 + ry, ink)
        x += len(rows[0]) + 1
    return c


def _lock(magnetic):
    c = Canvas(11, 11, BAND)
    ink = CYAN if magnetic else TEXT_DIM
    c.ring(5.5, 5.0, 2.2, 4.0, ink, arc=(270, 90))
    c.rect(1, 5, 4, 10, ink)
    c.rect(7, 5, 10, 10, ink)
    c.rect(1, 8, 4, 10, (236, 236, 236) if magnetic else INK3)
    c.rect(7, 8, 10, 10, (236, 236, 236) if magnetic else INK3)
    return c


PAINTERS[f'{B}/lock_ul.bmp'] = lambda: _lock(True)
PAINTERS[f'{B}/lock_lo.bmp'] = lambda: _lock(False)
for _i in range(13):
    PAINTERS[f'{B}/s_{_i}.bmp'] = lambda i=_i: small_digit(i, AMBER)


@painter(f'{B}/grip.bmp')
def grip():
    c = Canvas(12, 12, INK1)
    # three rows of dots along the diagonal, the usual resize grip
    for row in range(3):
        for col in range(row + 1):
            x, y = 9 - 3 * col, 3 + 3 * row
            c.rect(x, y, x + 2, y + 2, STEEL_HI)
            c.set(x + 1, y + 1, EDGE)
    return c


def _zy(w, h, draw, slot):
    state = {'raised': 'n', 'sunken': 'd', 'focused': 'o', 'disabled': 'un'}[slot]
    return glyph_button(w, h, draw, state, r=3, corner=PAGE)


for _slot in ('raised', 'sunken', 'focused', 'disabled'):
    PAINTERS[f'{B}/page_prev_{_slot}.bmp'] = lambda s=_slot: _zy(
        18, 16, lambda c, ink, d: c.poly([(11 + d, 4 + d), (11 + d, 12 + d), (6 + d, 8 + d)], ink), s)
    PAINTERS[f'{B}/page_next_{_slot}.bmp'] = lambda s=_slot: _zy(
        18, 16, lambda c, ink, d: c.poly([(7 + d, 4 + d), (7 + d, 12 + d), (12 + d, 8 + d)], ink), s)
    PAINTERS[f'{B}/more_{_slot}.bmp'] = lambda s=_slot: _zy(
        16, 16, lambda c, ink, d: triangle(c, 8 + d, 8.5 + d, 3.6, False, ink), s)

