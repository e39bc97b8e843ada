"""Checks a rendered folder against the manifest:

    python3 check_skins.py MANIFEST RENDERED_DIR

Every picture must be a BMP that Windows loads as drawn (24-bit BI_RGB,
bottom-up), have its listed size, hold the key colour exactly at the listed
pixels, and carry no colour close to its key that is not the key itself
(such a pixel survives the cut as a visible fringe). Every button has its
four state pictures. Every sound is 16-bit mono PCM at 22050 Hz, neither
silent nor clipped. Prints one line per fault; exit status 1 if any."""

import os
import struct
import subprocess
import shutil
import sys

sys.dont_write_bytecode = True  # builds must not write into the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from bmpfile import BmpError, read_bmp  # noqa: E402
from manifest import ManifestError, read_manifest  # noqa: E402

# Anything this close to the key (sum of channel differences) but not equal
# to it is an anti-aliasing leftover.
NEAR_KEY = 90
STATE_SUFFIXES = ('_n.bmp', '_o.bmp', '_d.bmp', '_un.bmp')


def near_key_pixels(image, key):
    found = []
    for y in range(image.height):
        for x in range(image.width):
            p = image.pixel(x, y)
            if p != key and sum(abs(a - b) for a, b in zip(p, key)) <= NEAR_KEY:
                found.append((x, y, p))
    return found


def check_picture(entry, path):
    faults = []
    try:
        image = read_bmp(path)
    except OSError as e:
        return [f'{entry.path}: cannot read ({e.strerror})']
    except BmpError as e:
        return [f'{entry.path}: {e}']
    if (image.width, image.height) != entry.size:
        faults.append(f'{entry.path}: {image.width}x{image.height}, listed {entry.size[0]}x{entry.size[1]}')
        return faults
    for x, y in entry.key_points:
        if image.pixel(x, y) != entry.key:
            faults.append(f'{entry.path}: pixel {x},{y} is {image.pixel(x, y)}, not the key {entry.key}')
    if entry.key is not None:
        near = near_key_pixels(image, entry.key)
        if near:
            x, y, p = near[0]
            faults.append(f'{entry.path}: {len(near)} pixels close to the key, first {x},{y} = {p}')
    return faults


def check_sound(entry, path):
    try:
        with open(path, 'rb') as f:
            data = f.read()
    except OSError as e:
        return [f'{entry.path}: cannot read ({e.strerror})']
    if len(data) < 44 or data[:4] != b'RIFF' or data[8:12] != b'WAVE' or data[12:16] != b'fmt ':
        return [f'{entry.path}: not a RIFF WAVE file with a leading fmt chunk']
    fmt_size, tag, channels, rate, _, align, bits = struct.unpack_from('<IHHIIHH', data, 16)
    if (tag, channels, rate, bits, align) != (1, 1, 22050, 16, 2):
        return [f'{entry.path}: format {tag}, {channels} ch, {rate} Hz, {bits} bits; '
                'wanted PCM, 1 ch, 22050 Hz, 16 bits']
    pos = 20 + fmt_size
    if data[pos:pos + 4] != b'data':
        return [f'{entry.path}: no data chunk after fmt']
    size = struct.unpack_from('<I', data, pos + 4)[0]
    if pos + 8 + size != len(data) or struct.unpack_from('<I', data, 4)[0] != len(data) - 8 or size % 2:
        return [f'{entry.path}: chunk sizes do not match the file']
    samples = struct.unpack_from(f'<{size // 2}h', data, pos + 8)
    peak = max(abs(s) for s in samples) if samples else 0
    seconds = len(samples) / 22050.0
    faults = []
    if not 0.01 <= seconds <= 2.0:
        faults.append(f'{entry.path}: {seconds:.3f} s long')
    if peak < 3000:
        faults.append(f'{entry.path}: nearly silent (peak {peak})')
    if peak >= 32767:
        faults.append(f'{entry.path}: clipped')
    return faults


def check_button_sets(entries):
    """A base name with a normal picture and a hover or pressed one is a
    skinned button and needs all four of its state pictures."""
    listed = {e.path for e in entries}
    faults = []
    for path in sorted(listed):
        if not path.endswith('_n.bmp'):
            continue
        base = path[:-len('_n.bmp')]
        if base + '_o.bmp' in listed or base + '_d.bmp' in listed:
            faults += [f'{base + s}: state picture of {base} not listed'
                       for s in STATE_SUFFIXES if base + s not in listed]
    return faults


def identify_agrees(entries, rendered):
    """A second reader's opinion: ImageMagick must see each picture as a
    BMP of the listed size."""
    tool = shutil.which('identify')
    if tool is None:
        return []
    pictures = [e for e in entries if e.size]
    result = subprocess.run([tool, '-format', '%m %w %h\n'] + [os.path.join(rendered, e.path) for e in pictures],
                            capture_output=True, text=True)
    lines = result.stdout.splitlines()
    if result.returncode != 0 or len(lines) != len(pictures):
        return [f'identify failed: {result.stderr.strip()[:200]}']
    faults = []
    for e, line in zip(pictures, lines):
        parts = line.split()
        if len(parts) != 3 or parts[0] not in ('BMP', 'BMP3') or parts[1:] != [str(e.size[0]), str(e.size[1])]:
            faults.append(f'{e.path}: identify reads "{line}"')
    return faults


def check(manifest_path, rendered):
    try:
        entries = read_manifest(manifest_path)
    except (OSError, ManifestError) as e:
        return [f'{manifest_path}: {e}']
    faults = check_button_sets(entries)
    for e in entries:
        path = os.path.join(rendered, e.path)
        faults += check_sound(e, path) if e.size is None else check_picture(e, path)
    if not faults:
        faults += identify_agrees(entries, rendered)
    return faults


def main(argv):
    if len(argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    faults = check(argv[1], argv[2])
    for f in faults:
        print(f)
    if not faults:
        print(f'{len(read_manifest(argv[1]))} files checked')
    return 1 if faults else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
