#!/usr/bin/env python3
"""Draws the program's icons (16-colour Windows .ico files) into app/res/.

Run it again after changing a picture; the .ico files are kept in the tree
so that a build needs no Python.
"""
import os
import struct
import sys

# The standard 16-colour palette, as (blue, green, red).
PALETTE = [
    (0, 0, 0), (0, 0, 128), (0, 128, 0), (0, 128, 128), (128, 0, 0), (128, 0, 128), (128, 128, 0),
    (192, 192, 192), (128, 128, 128), (0, 0, 255), (0, 255, 0), (0, 255, 255), (255, 0, 0),
    (255, 0, 255), (255, 255, 0), (255, 255, 255),
]
# Colour letters used in the pictures below ('.' is transparent).
COLOURS = {'k': 0, 'r': 1, 'g': 2, 'o': 3, 'n': 4, 'p': 5, 't': 6, 's': 7, 'd': 8, 'R': 9, 'G': 10,
           'Y': 11, 'B': 12, 'M': 13, 'C': 14, 'w': 15}


def ico(rows):
    size = len(rows)
    pixels = bytearray()
    mask = bytearray()
    mask_stride = ((size + 31) // 32) * 4
    for row in reversed(rows):  # bottom-up
        assert len(row) == size, row
        line = bytearray()
        for x in range(0, size, 2):
            a = COLOURS.get(row[x], 0)
            b = COLOURS.get(row[x + 1], 0)
            line.append((a << 4) | b)
        pixels += line
        bits = bytearray(mask_stride)
        for x, c in enumerate(row):
            if c == '.':
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, len(pixels) + len(mask), 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for b, g, r in PALETTE)
    image = header + palette + bytes(pixels) + bytes(mask)
    return struct.pack('<HHH', 0, 1, 1) + struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(image), 22) + image


def scale(rows, factor):
    return [''.join(c * factor for c in row) for row in rows for _ in range(factor)]


# A remote control seen from the front, with a coloured signal lamp.
def remote(lamp):
    return [
        '......' + lamp * 4 + '......',
        '.....' + lamp * 6 + '.....',
        '................',
        '.....dddddd.....',
        '....dkkkkkkd....',
        '....dksRRskd....',
        '....dkkkkkkd....',
        '....dkswswkd....',
        '....dkkkkkkd....',
        '....dkswswkd....',
        '....dkkkkkkd....',
        '....dkswswkd....',
        '....dkkkkkkd....',
        '....dkkkkkkd....',
        '.....dddddd.....',
        '................',
    ]


def folder(body, mark=None):
    rows = [
        '................',
        '..dddd..........',
        '.dCCCCd.........',
        '.dBBBBBddddddd..',
        '.dBBBBBBBBBBBBd.',
        '.dBBBBBBBBBBBBd.',
        '.dBBBBBBBBBBBBd.',
        '.dBBBBBBBBBBBBd.',
        '.dBBBBBBBBBBBBd.',
        '.dBBBBBBBBBBBBd.',
        '.dBBBBBBBBBBBBd.',
        '.dBBBBBBBBBBBBd.',
        '..dddddddddddd..',
        '................',
        '................',
        '................',
    ]
    tab = 'w' if body != 's' else 's'
    rows = [r.replace('C', tab).replace('B', body) for r in rows]
    return with_mark(rows, mark)


def page(body, mark=None):
    rows = [
        '................',
        '...dddddddd.....',
        '...dwwwwwwdd....',
        '...dwkkkkwwdd...',
        '...dwwwwwwwwd...',
        '...dwkkkkkkwd...',
        '...dwwwwwwwwd...',
        '...dwkkkkkkwd...',
        '...dwwwwwwwwd...',
        '...dwkkkkkwwd...',
        '...dwwwwwwwwd...',
        '...dwwwwwwwwd...',
        '...dddddddddd...',
        '................',
        '................',
        '................',
    ]
    rows = [r.replace('w', body) for r in rows]
    return with_mark(rows, mark)


def with_mark(rows, mark):
    """A small sign in the lower right corner: a lamp for a learnt command, a cross for disabled."""
    rows = [list(r) for r in rows]
    if mark == 'learnt':
        for y, line in enumerate(['.GG.', 'GGGG', 'GGGG', '.GG.']):
            for x, c in enumerate(line):
                if c != '.':
                    rows[11 + y][11 + x] = c
    elif mark == 'disabled':
        for i in range(5):
            rows[10 + i][10 + i] = 'R'
            rows[10 + i][14 - i] = 'R'
    return [''.join(r) for r in rows]


ICONS = {
    'mainicon': scale(remote('G'), 2),
    'trayenable': remote('G'),
    'trayred': remote('R'),
    'traydisable': remote('s'),
    'tree1': folder('Y', 'learnt'),     # group with an IR command
    'tree2': page('w', 'learnt'),       # macro with an IR command
    'tree3': folder('Y'),               # group without an IR command
    'tree4': page('w'),                 # macro without an IR command
    'tree5': folder('s', 'disabled'),   # disabled group
    'tree6': page('w', 'disabled'),     # disabled macro
    'tree7': page('s', 'learnt'),       # hidden macro with an IR command
    'tree8': page('s'),                 # hidden macro without an IR command
    'tree9': page('s', 'disabled'),     # hidden disabled macro
}


def main():
    folder_out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..', 'app', 'res')
    for name, rows in ICONS.items():
        with open(os.path.join(folder_out, name + '.ico'), 'wb') as out:
            out.write(ico(rows))


if __name__ == '__main__':
    main()
