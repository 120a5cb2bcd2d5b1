#!/usr/bin/env python3
"""Packs setup.exe's payload archive (a zip) reproducibly.

    pack-payload.py OUT.zip FILE...      the files, at the archive's top level, in this order
    pack-payload.py OUT.zip --tree DIR   every file and folder under DIR, sorted by path
"""
import os
import sys
import zipfile

STAMP = (2026, 1, 1, 0, 0, 0)


def add_file(z, path, name):
    info = zipfile.ZipInfo(name, STAMP)
    info.compress_type = zipfile.ZIP_DEFLATED
    info.external_attr = 0o644 << 16
    with open(path, 'rb') as f:
        z.writestr(info, f.read())


def main(argv):
    if len(argv) < 3:
        sys.exit(__doc__)
    out = argv[1]
    tmp = out + '.tmp'
    with zipfile.ZipFile(tmp, 'w') as z:
        if argv[2] == '--tree':
            root = argv[3]
            for folder, dirs, files in os.walk(root):
                dirs.sort()
                rel = os.path.relpath(folder, root).replace(os.sep, '/')
                if rel != '.':
                    info = zipfile.ZipInfo(rel + '/', STAMP)
                    info.external_attr = (0o40755 << 16) | 0x10
                    z.writestr(info, b'')
                for f in sorted(files):
                    name = f if rel == '.' else rel + '/' + f
                    add_file(z, os.path.join(folder, f), name)
        else:
            for path in argv[2:]:
                add_file(z, path, os.path.basename(path))
    os.replace(tmp, out)


if __name__ == '__main__':
    main(sys.argv)
