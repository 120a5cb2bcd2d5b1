#!/usr/bin/env python3
"""Writes a UTF-8 text file in a code page's encoding with CR LF line ends and no
terminating NUL, as the licence resources are stored.

    encode-text.py ENCODING IN.txt OUT.txt
"""
import sys

if len(sys.argv) != 4:
    sys.exit(__doc__)
encoding, source, target = sys.argv[1:]
with open(source, encoding='utf-8') as f:
    text = f.read().replace('\r\n', '\n').replace('\n', '\r\n')
with open(target, 'wb') as f:
    f.write(text.encode(encoding))
