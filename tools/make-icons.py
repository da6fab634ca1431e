#!/usr/bin/env python3
"""Writes the editor's tool-bar buttons (16 x 15) and its icon (32 x 32) as XPM files in
app/res/, and the icon in the desktop's sizes as PNG files in desktop/icons/hicolor/. The
pictures are drawn here as character maps; run it again after changing one."""
import math
import os
import struct
import zlib

PALETTE = {
    '.': 'None', '#': '#000000', 'w': '#FFFFFF', 'g': '#808080', 'l': '#C0C0C0',
    'y': '#F0C800', 'o': '#B08000', 'k': '#1F4E9C', 's': '#A0A0A0', 'r': '#B03A2E',
    'b': '#8B5A2B', 'B': '#2060C0', 'G': '#2E8B3A', 'D': '#1B5E20', 'R': '#D02020',
}

BUTTONS = {
    'new': """
................
..#########.....
..#wwwwwww##....
..#wwwwwww#w#...
..#wwwwwww####..
..#wwwwwwwwww#..
..#wwwwwwwwww#..
..#wwwwwwwwww#..
..#wwwwwwwwww#..
..#wwwwwwwwww#..
..#wwwwwwwwww#..
..#wwwwwwwwww#..
..#wwwwwwwwww#..
..############..
................""",
    'open': """
................
................
.####...........
#yyyy#..........
#yyyyy#######...
#yyyyyyyyyyy#...
#yyy##########..
#yy#ooooooooo#..
#yy#oooooooo#...
#y#oooooooo#....
#y#ooooooo#.....
##ooooooo#......
##########......
................
................""",
    'save': """
................
.##############.
.#kk#wwwwww#kk#.
.#kk#wwwwww#kk#.
.#kk#wwwwww#kk#.
.#kk#wwwwww#kk#.
.#kk########kk#.
.#kkkkkkkkkkkk#.
.#kk########kk#.
.#kk#ss##ss#kk#.
.#kk#ss##ss#kk#.
.#kk#ss##ss#kk#.
.##############.
................
................""",
    'cut': """
................
...#.......#....
...#.......#....
...##.....##....
....#.....#.....
....##...##.....
.....#...#......
......#.#.......
.......#........
......#.#.......
..rrr#...#rrr...
.rr.rr...rr.rr..
.rr.rr...rr.rr..
..rrr.....rrr...
................""",
    'copy': """
................
#######.........
#wwwww##........
#w###w#w#.......
#wwwww######....
#w###w#wwww##...
#wwwww#w###w##..
#w###w#wwwwwww#.
#wwwww#w#####w#.
#######wwwwwww#.
......#w#####w#.
......#wwwwwww#.
......#w#####w#.
......#wwwwwww#.
......#########.""",
    'paste': """
.....####.......
..bbb#ll#bbb....
.bb########bb...
.bbbbbbbbbbbb...
.bbbb#########..
.bbbb#wwwwwww#..
.bbbb#w#####w#..
.bbbb#wwwwwww#..
.bbbb#w#####w#..
.bbbb#wwwwwww#..
.bbbb#w####ww#..
.bbbb#wwwwwww#..
..bbb#########..
................
................""",
    'select': """
................
..#.............
..##............
..#w#...........
..#ww#..........
..#www#.........
..#wwww#........
..#wwwww#.......
..#wwwwww#......
..#wwww####.....
..#w##w#........
..##..#w#.......
..#...#w#.......
.......#w#......
........##......""",
    'wall': """
................
................
gggggggggggggggg
rrrrrrgrrrrrrgrr
rrrrrrgrrrrrrgrr
gggggggggggggggg
rrgrrrrrrgrrrrrr
rrgrrrrrrgrrrrrr
gggggggggggggggg
rrrrrrgrrrrrrgrr
rrrrrrgrrrrrrgrr
gggggggggggggggg
................
................
................""",
    'item': """
................
.....######.....
...##yyyyyy##...
..#yywwyyyyyy#..
..#ywwwyyyyyy#..
.#yyywyyyyyyyo#.
.#yyyyyyyyyyyo#.
.#yyyyyyyyyyoo#.
.#yyyyyyyyyooo#.
..#yyyyyyyooo#..
..#yyyyyoooo#...
...##oooooo##...
.....######.....
................
................""",
    'about': """
................
.....######.....
...##BBBBBB##...
..#BBBwwwwBBB#..
..#BBww##wwBB#..
.#BBBBBBBwwBBB#.
.#BBBBBBwwBBBB#.
.#BBBBBwwBBBBB#.
.#BBBBBwwBBBBB#.
..#BBBBBBBBBB#..
..#BBBBwwBBBB#..
...##BBwwBB##...
.....######.....
................
................""",
    'fit': """
................
.###........###.
.#............#.
.#............#.
....kkkkkkkk....
....kllllllk....
....kllllllk....
....kllllllk....
....kllllllk....
....kllllllk....
....kkkkkkkk....
.#............#.
.#............#.
.###........###.
................""",
}


# Sizes of the icon that the desktop's icon theme gets.
DESKTOP_ICON_SIZES = (16, 24, 32, 48, 64, 128, 256)


def snake_icon(size=32):
    """A green snake winding across the icon, with a red tongue. The picture is laid out on
    32 x 32 units and scaled to the size."""
    s = size / 32
    rows = [['.'] * size for _ in range(size)]
    depth = [[1.0] * size for _ in range(size)]  # distance inside the body, negative inside
    for step in range(400):
        t = step / 399.0
        x = 3 * s + t * (size - 9 * s)
        y = size / 2 + math.sin(t * 2.6 * math.pi) * (size / 4)
        radius = (2.2 + 1.2 * t) * s
        # Only the pixels near the disc can come closer than the 1.0 they start at.
        reach = radius + 2
        for py in range(max(0, int(y - reach)), min(size, int(y + reach) + 1)):
            for px in range(max(0, int(x - reach)), min(size, int(x + reach) + 1)):
                d = math.hypot(px + 0.5 - x, py + 0.5 - y) - radius
                depth[py][px] = min(depth[py][px], d)
    for py in range(size):
        for px in range(size):
            if depth[py][px] <= 0:
                rows[py][px] = 'G' if depth[py][px] < -s else 'D'

    def paint(colour, x0, x1, y0, y1):
        """Units [x0, x1) x [y0, y1), at least one pixel each way."""
        for py in range(int(y0 * s), max(int(y0 * s) + 1, int(y1 * s))):
            for px in range(int(x0 * s), min(size, max(int(x0 * s) + 1, int(x1 * s)))):
                rows[py][px] = colour

    head_x, head_y = 26, int(16 + math.sin(2.6 * math.pi) * 8)
    paint('w', head_x, head_x + 1, head_y - 1, head_y)
    paint('R', head_x + 3, head_x + 6, head_y, head_y + 1)
    return [''.join(r) for r in rows]


def write_png(path, rows):
    """RGBA, with the None colour transparent."""
    def rgba(c):
        colour = PALETTE[c]
        return b'\0\0\0\0' if colour == 'None' else bytes.fromhex(colour[1:]) + b'\xff'
    raw = b''.join(b'\0' + b''.join(rgba(c) for c in row) for row in rows)

    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))
    header = struct.pack('>IIBBBBB', len(rows[0]), len(rows), 8, 6, 0, 0, 0)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, 'wb') as out:
        out.write(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header)
                  + chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


def write_xpm(folder, name, rows):
    used = sorted({c for row in rows for c in row})
    lines = ['/* XPM */', f'static const char* const {name}_xpm[] = {{',
             f'"{len(rows[0])} {len(rows)} {len(used)} 1",']
    lines += [f'"{c} c {PALETTE[c]}",' for c in used]
    lines += [f'"{row}",' for row in rows]
    lines[-1] = lines[-1].rstrip(',')
    lines.append('};')
    with open(os.path.join(folder, name + '.xpm'), 'w') as out:
        out.write('\n'.join(lines) + '\n')


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..')
    folder = os.path.join(root, 'app', 'res')
    os.makedirs(folder, exist_ok=True)
    for name, picture in BUTTONS.items():
        rows = picture.strip('\n').split('\n')
        assert len(rows) == 15 and all(len(r) == 16 for r in rows), name
        write_xpm(folder, name, rows)
    write_xpm(folder, 'trelkan', snake_icon())
    for size in DESKTOP_ICON_SIZES:
        folder = os.path.join(root, 'desktop', 'icons', 'hicolor', f'{size}x{size}', 'apps')
        write_png(os.path.join(folder, 'trelkan.png'), snake_icon(size))


if __name__ == '__main__':
    main()
