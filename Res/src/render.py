"""Renders every picture and sound of the manifest (Res/skins.txt) into a
folder laid out like the program's: OUT/Res/... and OUT/Sound/....

    python3 render.py MANIFEST OUT

Only files whose bytes change are rewritten, so a build that renders again
leaves unchanged files (and their times) alone."""

import os
import sys

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


def main(argv):
    if len(argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    entries = read_manifest(argv[1])
    problems = []
    for e in entries:
        out = os.path.join(argv[2], e.path)
        if e.path.endswith('.wav'):
            write_if_changed(out, sounds.render(os.path.splitext(os.path.basename(e.path))[0]))
            continue
        paint = PAINTERS.get(e.path)
        if paint is None:
            problems.append(f'{e.path}: nothing draws it')
            continue
        canvas = paint()
        if (canvas.w, canvas.h) != e.size:
            problems.append(f'{e.path}: drawn {canvas.w}x{canvas.h}, listed {e.size[0]}x{e.size[1]}')
            continue
        write_if_changed(out, canvas.bmp())
    listed = {e.path for e in entries}
    problems += [f'{p}: drawn but not listed' for p in sorted(set(PAINTERS) - listed)]
    for p in problems:
        print('render: ' + p, file=sys.stderr)
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
