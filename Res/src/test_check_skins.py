"""The skin check must fail on the faults it exists for: pictures Windows
would load differently, a wrong size, a lost key pixel, an anti-aliased
fringe around the key, a button without all its states, a bad sound."""

import os
import struct
import sys
import tempfile
import unittest

sys.dont_write_bytecode = True  # builds must not write into the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import check_skins  # noqa: E402
import sounds  # noqa: E402
from bmpfile import BmpError, parse_bmp  # noqa: E402
from manifest import ManifestError, parse_manifest  # noqa: E402
from pixels import Canvas  # noqa: E402

MAGENTA = (255, 0, 255)


def shaped(w=6, h=4, inside=(40, 40, 40)):
    """A tiny window picture: key border, one opaque pixel row inside."""
    c = Canvas(w, h, MAGENTA)
    for x in range(1, w - 1):
        c.set(x, 1, inside)
    return c


def patch(data, offset, fmt, value):
    data = bytearray(data)
    struct.pack_into(fmt, data, offset, value)
    return bytes(data)


class BmpFormat(unittest.TestCase):
    def test_writer_output_reads_back_pixel_for_pixel(self):
        c = shaped(5, 3)            # odd width: rows need padding
        c.set(0, 2, (1, 2, 3))
        image = parse_bmp(c.bmp())
        self.assertEqual((image.width, image.height), (5, 3))
        self.assertEqual(image.pixel(0, 2), (1, 2, 3))
        self.assertEqual(image.pixel(2, 1), (40, 40, 40))
        self.assertEqual(image.pixel(4, 0), MAGENTA)

    def test_refuses_what_windows_would_load_differently(self):
        good = shaped().bmp()
        cases = {
            'signature': patch(good, 0, '<2s', b'BA'),
            '32 bits': patch(good, 28, '<H', 32),
            'RLE': patch(good, 30, '<I', 1),
            'top-down': patch(good, 22, '<i', -4),
            'V5 header': patch(good, 14, '<I', 124),
            'truncated': good[:-3],
            'colour table': patch(good, 46, '<I', 4),
        }
        for name, data in cases.items():
            with self.subTest(name):
                with self.assertRaises(BmpError):
                    parse_bmp(data)


class PictureRules(unittest.TestCase):
    def run_check(self, manifest_line, canvas):
        with tempfile.TemporaryDirectory() as d:
            entry = parse_manifest(manifest_line)[0]
            path = os.path.join(d, 'p.bmp')
            with open(path, 'wb') as f:
                f.write(canvas.bmp())
            return check_skins.check_picture(entry, path)

    def test_cases(self):
        fringe = shaped()
        fringe.set(0, 1, (235, 30, 230))       # anti-aliasing blended into the key
        lost_corner = shaped()
        lost_corner.set(5, 3, (40, 40, 40))
        line = 'p.bmp | 6x4 | FF00FF | corners | test'
        cases = [
            ('clean', line, shaped(), None),
            ('size', 'p.bmp | 6x5 | FF00FF | corners | test', shaped(), '6x4, listed 6x5'),
            ('corner', line, lost_corner, 'pixel 5,3'),
            ('fringe', line, fringe, '1 pixels close to the key'),
            ('other key', 'p.bmp | 6x4 | FF7EF1 | 0,0 | test', shaped(), 'not the key'),
        ]
        for name, manifest_line, canvas, expected in cases:
            with self.subTest(name):
                faults = self.run_check(manifest_line, canvas)
                if expected is None:
                    self.assertEqual(faults, [])
                else:
                    self.assertEqual(len(faults), 1, faults)
                    self.assertIn(expected, faults[0])

    def test_button_needs_all_four_states(self):
        text = '\n'.join(f'Res/x/go{s} | 4x4 | - | - | b' for s in ('_n.bmp', '_o.bmp', '_d.bmp'))
        text += '\nRes/x/frame_d.bmp | 4x4 | - | - | a corner, not a button'
        faults = check_skins.check_button_sets(parse_manifest(text))
        self.assertEqual(faults, ['Res/x/go_un.bmp: state picture of Res/x/go not listed'])


class ManifestRows(unittest.TestCase):
    def test_rejects_malformed_rows(self):
        for name, text in {
            'cells': 'a.bmp | 4x4 | - | -',
            'size': 'a.bmp | 4y4 | - | - | u',
            'key': 'a.bmp | 4x4 | FF00 | - | u',
            'point outside': 'a.bmp | 4x4 | FF00FF | 4,0 | u',
            'point without key': 'a.bmp | 4x4 | - | 0,0 | u',
            'twice': 'a.bmp | 4x4 | - | - | u\na.bmp | 4x4 | - | - | u',
        }.items():
            with self.subTest(name):
                with self.assertRaises(ManifestError):
                    parse_manifest(text)

    def test_names_with_blanks_survive(self):
        entry = parse_manifest('Res/options/Fan Speed down_l.bmp | 110x20 | - | - | tab')[0]
        self.assertEqual(entry.path, 'Res/options/Fan Speed down_l.bmp')


class Sounds(unittest.TestCase):
    def run_check(self, data):
        with tempfile.TemporaryDirectory() as d:
            path = os.path.join(d, 's.wav')
            with open(path, 'wb') as f:
                f.write(data)
            entry = parse_manifest('Sound/s.wav | wav | - | - | t')[0]
            return check_skins.check_sound(entry, path)

    def test_cases(self):
        good = sounds.render('Warning')
        silent = sounds._wav([0.0] * 2000)
        stereo = patch(good, 22, '<H', 2)
        for name, data, expected in (('warning', good, None),
                                     ('click', sounds.render('Button_Press'), None),
                                     ('silent', silent, 'silent'),
                                     ('stereo', stereo, '2 ch'),
                                     ('cut short', good[:-100], 'sizes')):
            with self.subTest(name):
                faults = self.run_check(data)
                if expected is None:
                    self.assertEqual(faults, [])
                else:
                    self.assertTrue(faults and expected in faults[0], faults)

    def test_same_bytes_every_time(self):
        self.assertEqual(sounds.render('Checkbox_Press'), sounds.render('Checkbox_Press'))


if __name__ == '__main__':
    unittest.main()
