"""Renders every picture and sound of the manifest (Res/skins.txt) into a
folder laid out like the program's: OUT/Res/... and OUT/Sound/....

    python3 render.py MANIFEST OUT
    python3 render.py --compare MANIFEST OUT

Only files whose bytes change are rewritten, so a build that renders again
leaves unchanged files (and their times) alone. With --compare nothing is
written: every file is drawn again and must equal the one in OUT byte for
byte (the same sources always give the same bytes)."""

import multiprocessing
import os
import sys

sys.dont_write_bytecode = True  # builds must not write into the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from manifest import read_manifest  # noqa: E402
from windows import PAINTERS  # noqa: E402
import sounds  # noqa: E402


def write_if_changed(path, data):
    try:
        with open(path, 'rb') as f:
            if f.read() == data:
                return
    except OSError:
        pass
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path + '.tmp', 'wb') as f:
        f.write(data)
    os.replace(path + '.tmp', path)


def draw(entry):
    """The bytes of one file, or a problem with it (runs in a worker)."""
    if entry.path.endswith('.wav'):
        name = os.path.splitext(os.path.basename(entry.path))[0]
        if name not in sounds.SOUNDS:
            return entry.path, None, 'no sound of that name'
        return entry.path, sounds.render(name), None
    paint = PAINTERS.get(entry.path)
    if paint is None:
        return entry.path, None, 'nothing draws it'
    canvas = paint()
    if (canvas.w, canvas.h) != entry.size:
        return entry.path, None, f'drawn {canvas.w}x{canvas.h}, listed {entry.size[0]}x{entry.size[1]}'
    return entry.path, canvas.bmp(), None


def same_bytes(path, data):
    try:
        with open(path, 'rb') as f:
            return f.read() == data
    except OSError:
        return False


def main(argv):
    compare = len(argv) == 4 and argv[1] == '--compare'
    if compare:
        argv = argv[:1] + argv[2:]
    if len(argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    entries = read_manifest(argv[1])
    # Big pictures first so the workers finish together.
    entries.sort(key=lambda e: -(e.size[0] * e.size[1] if e.size else 0))
    with multiprocessing.Pool(min(4, os.cpu_count() or 1)) as pool:
        results = pool.map(draw, entries, chunksize=1)
    problems = []
    for path, data, problem in results:
        if problem:
            problems.append(f'{path}: {problem}')
        elif not compare:
            write_if_changed(os.path.join(argv[2], path), data)
        elif not same_bytes(os.path.join(argv[2], path), data):
            problems.append(f'{path}: drawn again, the bytes differ from {argv[2]}')
    listed = {e.path for e in entries}
    problems += [f'{p}: drawn but not listed' for p in sorted(set(PAINTERS) - listed)]
    for p in problems:
        print('render: ' + p, file=sys.stderr)
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
