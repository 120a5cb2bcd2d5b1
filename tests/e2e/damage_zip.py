#!/usr/bin/env python3
"""Copies a zip archive with the local header of its second entry broken, so
that entry can be listed but not read.   damage_zip.py IN.zip OUT.zip"""
import sys

data = bytearray(open(sys.argv[1], 'rb').read())
second = data.find(b'PK\x03\x04', 4)
data[second + 2] = ord('X')
open(sys.argv[2], 'wb').write(data)
