#!/usr/bin/env python3
"""Generates the program's artwork: the three notification-icon pictures
(resources/icons/*.ico, each 32x32 and 16x16 in 16 colours) and the splash
picture (resources/splash.bmp, 320x240, 256 colours). The generated files
are committed; run this again after changing a design:

    python3 tools/make_art.py [output folder, default: resources]
"""

import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from art_canvas import (Canvas, bezier, box, capsule, circle, darker, ellipse, lighter,  # noqa: E402
                        polygon, polyline, rect, smooth_union, union, vertical)
from art_formats import write_bmp8, write_ico  # noqa: E402

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
SILVER = (192, 192, 192)
GREY = (128, 128, 128)
RED = (255, 0, 0)
YELLOW = (255, 255, 0)
BLUE = (0, 0, 255)
LIME = (0, 255, 0)

# --- icons -------------------------------------------------------------------
#
# The 32-pixel pictures are designed as shapes and drawn with hard edges: a
# dark outline is the shape grown by one pixel, painted first. At 16 pixels
# shapes turn to mush, so those pictures are placed pixel by pixel.


def pad_shapes(s):
    """The game pad in the lower part of an s x s icon."""
    body = union(box(0.50 * s, 0.62 * s, 0.45 * s, 0.17 * s, 0.15 * s),
                 circle(0.23 * s, 0.78 * s, 0.17 * s),
                 circle(0.77 * s, 0.78 * s, 0.17 * s))
    dpad = union(rect(0.14 * s, 0.58 * s, 0.36 * s, 0.66 * s),
                 rect(0.21 * s, 0.51 * s, 0.29 * s, 0.73 * s))
    buttons = [(circle(0.67 * s, 0.67 * s, 0.055 * s), BLUE),
               (circle(0.80 * s, 0.58 * s, 0.055 * s), LIME)]
    return body, dpad, buttons


def draw_pad(c):
    s = c.width
    body, dpad, buttons = pad_shapes(s)
    c.fill(body.grow(1.0), BLACK)
    c.fill(body, SILVER)
    # The grips are shaded, the top edge lit.
    c.fill(union(circle(0.23 * s, 0.80 * s, 0.12 * s), circle(0.77 * s, 0.80 * s, 0.12 * s))
           .within(body.grow(-1.0)), GREY)
    c.fill(dpad, BLACK)
    for shape, colour in buttons:
        c.fill(shape, colour)


def draw_arrow(c):
    s = c.width
    # The pointer's classic outline, on a 12 x 19 grid, tip at the top left.
    grid = [(0, 0), (0, 15), (4, 11), (7, 18), (9, 17), (6, 10.5), (11, 10.5)]
    k = s * 0.030
    x0, y0 = 0.50 * s, 0.04 * s
    arrow = polygon([(x0 + gx * k * 1.25, y0 + gy * k * 1.25) for gx, gy in grid])
    c.fill(arrow.grow(1.0), BLACK)
    c.fill(arrow, RED)


def draw_no_entry(c):
    s = c.width
    # Centred on a pixel corner so that the disc is round.
    cx, cy, r = 22.0, 10.0, 8.5
    c.fill(circle(cx, cy, r + 1.0), BLACK)
    c.fill(circle(cx, cy, r), RED)
    c.fill(rect(cx - r * 0.68, cy - 0.09 * s, cx + r * 0.68, cy + 0.09 * s), WHITE)


def draw_hand(c):
    s = c.width
    # An open hand, palm towards the viewer, fingers up.
    u = s / 32.0
    ox, oy = 14.5 * u, 0.5 * u
    parts = [rect(ox + 3 * u, oy + 9 * u, ox + 15 * u, oy + 20 * u, 3 * u)]
    for fx, top in ((4.4, 4.0), (7.4, 2.0), (10.4, 1.5), (13.4, 3.5)):
        parts.append(capsule(ox + fx * u, oy + top * u, ox + fx * u, oy + 12 * u, 1.3 * u))
    parts.append(capsule(ox + 16.8 * u, oy + 8.5 * u, ox + 14.5 * u, oy + 15 * u, 1.4 * u))
    hand = union(*parts)
    c.fill(hand.grow(1.0), BLACK)
    c.fill(hand, YELLOW)


PIXELS = {"#": BLACK, "s": SILVER, "g": GREY, "R": RED, "W": WHITE, "Y": YELLOW,
          "B": BLUE, "L": LIME}

PAD16 = [
    "................",
    "................",
    "................",
    "................",
    "................",
    "................",
    "................",
    "................",
    "..############..",
    ".#ssssssssssss#.",
    "#ss#sssssssssLs#",
    "#s###ssssssBsss#",
    "#ss#sssssssssss#",
    "#sggs######sggs#",
    "#sggs#....#sggs#",
    ".####......####.",
]

# Each overlay: its column and row on the pad, then its pixels ("." lets the
# pad show through).
ARROW16 = (7, 0, [
    "#.......",
    "##......",
    "#R#.....",
    "#RR#....",
    "#RRR#...",
    "#RRRR#..",
    "#RRRRR#.",
    "#RRRRRR#",
    "#RRR####",
    "#R#RR#..",
    "##.#RR#.",
    "#...#RR#",
    ".....##.",
])

NO_ENTRY16 = (6, 0, [
    "...####...",
    ".##RRRR##.",
    ".#RRRRRR#.",
    "#RRRRRRRR#",
    "#RWWWWWWR#",
    "#RWWWWWWR#",
    "#RRRRRRRR#",
    ".#RRRRRR#.",
    ".##RRRR##.",
    "...####...",
])

HAND16 = (5, 0, [
    ".....#.#...",
    "....#Y#Y##.",
    "...##Y#Y#Y#",
    "..#Y#Y#Y#Y#",
    "..#Y#Y#Y#Y#",
    "#.#YYYYYYY#",
    "#Y#YYYYYYY#",
    "#YY#YYYYYY#",
    ".#YYYYYYYY#",
    "..#YYYYYY#.",
    "...######..",
])


def pixel_icon(base, overlay):
    c = Canvas(16, 16, hard=True)
    ox, oy, rows = overlay
    for y, row in enumerate(base):
        for x, key in enumerate(row):
            if key != ".":
                c.px[y][x] = list(PIXELS[key]) + [255.0]
    for y, row in enumerate(rows):
        for x, key in enumerate(row):
            if key != ".":
                c.px[oy + y][ox + x] = list(PIXELS[key]) + [255.0]
    return c


def icon32(overlay):
    c = Canvas(32, 32, hard=True)
    draw_pad(c)
    overlay(c)
    return c


# --- splash ------------------------------------------------------------------
#
# A 5 x 7 font of our own, drawn large: each lit cell is a box, the boxes of a
# letter merged smoothly so that the letters look moulded rather than tiled.

FONT = {
    "Q": [".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"],
    "u": [".....", ".....", "#...#", "#...#", "#...#", "#..##", ".##.#"],
    "o": [".....", ".....", ".###.", "#...#", "#...#", "#...#", ".###."],
    "r": [".....", ".....", "#.##.", "##..#", "#....", "#....", "#...."],
    "v": [".....", ".....", "#...#", "#...#", "#...#", ".#.#.", "..#.."],
    "a": [".....", ".....", ".###.", "....#", ".####", "#...#", ".####"],
    "n": [".....", ".....", "#.##.", "##..#", "#...#", "#...#", "#...#"],
    "t": [".#...", ".#...", "####.", ".#...", ".#...", ".#..#", "..##."],
    "i": ["#", ".", "#", "#", "#", "#", "#"],
    "x": [".....", ".....", "#...#", ".#.#.", "..#..", ".#.#.", "#...#"],
}

TITLE_COLOURS = [
    (255, 70, 70), (255, 150, 40), (255, 220, 40), (120, 230, 60), (40, 210, 170),
    (50, 170, 255), (110, 120, 255), (190, 90, 255), (255, 80, 200), (255, 90, 120),
]


def glyph_shape(rows, x0, y0, cw, ch, slant):
    """The letter as strokes: every lit cell joined to its lit neighbours by a
    round-ended line, diagonals only where no straight path turns the corner."""
    lit = {(gx, gy) for gy, row in enumerate(rows) for gx, bit in enumerate(row) if bit == "#"}

    def centre(gx, gy):
        return (x0 + (gx + 0.5) * cw + (3.5 - gy - 0.5) * ch * slant, y0 + (gy + 0.5) * ch)

    r = min(cw, ch) * 0.62
    strokes = []
    for gx, gy in sorted(lit):
        strokes.append(circle(*centre(gx, gy), r))
        for ox, oy in ((1, 0), (0, 1)):
            if (gx + ox, gy + oy) in lit:
                strokes.append(capsule(*centre(gx, gy), *centre(gx + ox, gy + oy), r))
        for ox in (1, -1):
            if ((gx + ox, gy + 1) in lit and (gx + ox, gy) not in lit and (gx, gy + 1) not in lit):
                strokes.append(capsule(*centre(gx, gy), *centre(gx + ox, gy + 1), r))
    return smooth_union(strokes, r * 0.35)


def draw_title(c, text, y0, cw, ch):
    slant = 0.18
    widths = [len(FONT[t][0]) for t in text]
    total = (sum(widths) + len(text) - 1) * cw
    x = (c.width - total) / 2
    letters = []
    for t, w in zip(text, widths):
        letters.append(glyph_shape(FONT[t], x, y0, cw, ch, slant))
        x += (w + 1) * cw
    top, bottom = y0, y0 + 7 * ch
    for shape in letters:  # a soft shadow under everything
        c.fill(shape.moved(3, 4).grow(1.5), (10, 0, 30), alpha=0.55, soft=4.0)
    for shape in letters:
        c.fill(shape.grow(2.2), (20, 10, 50))
    for shape, colour in zip(letters, TITLE_COLOURS):
        c.fill(shape, vertical(lighter(colour, 0.55), darker(colour, 0.25), top, bottom))
        # A gloss on the upper half of each stroke.
        c.fill(shape.grow(-1.6).moved(-0.6, -1.0).within(rect(0, top - 4, c.width, top + ch * 3.2)),
               WHITE, alpha=0.28)


def draw_mouse(c, cx, cy):
    body = smooth_union([ellipse(cx, cy, 30, 44), ellipse(cx, cy + 10, 32, 36)], 8)
    c.fill(body.moved(4, 6), (10, 0, 30), alpha=0.45, soft=6.0)
    c.fill(body.grow(2.0), (25, 20, 45))
    c.fill(body, vertical((250, 250, 255), (170, 175, 200), cy - 44, cy + 46))
    # The two buttons: the upper third of the body, split in the middle.
    upper = body.grow(-3.0).within(rect(cx - 40, cy - 50, cx + 40, cy - 8))
    left = upper.within(rect(cx - 40, cy - 50, cx - 1.5, cy - 8))
    right = upper.within(rect(cx + 1.5, cy - 50, cx + 40, cy - 8))
    c.fill(left, vertical((235, 240, 255), (200, 205, 225), cy - 44, cy - 8))
    c.fill(right, vertical((235, 240, 255), (200, 205, 225), cy - 44, cy - 8))
    c.fill(capsule(cx - 26, cy - 7, cx + 26, cy - 7, 1.0), (120, 120, 150))
    c.fill(capsule(cx, cy - 30, cx, cy - 20, 4.0), (60, 60, 80))
    c.fill(capsule(cx, cy - 29, cx, cy - 25, 1.5), (140, 140, 170))
    # A highlight on the body's left side.
    c.fill(ellipse(cx - 16, cy + 8, 5, 20), WHITE, alpha=0.35, soft=4.0)


def draw_game_pad(c, cx, cy):
    body = smooth_union([box(cx, cy - 6, 70, 26, 22),
                         ellipse(cx - 46, cy + 20, 26, 30),
                         ellipse(cx + 46, cy + 20, 26, 30)], 14)
    c.fill(body.moved(5, 7), (10, 0, 30), alpha=0.45, soft=6.0)
    c.fill(body.grow(2.0), (15, 15, 25))
    c.fill(body, vertical((120, 125, 150), (45, 48, 62), cy - 32, cy + 50))
    c.fill(box(cx, cy - 26, 50, 3, 3), WHITE, alpha=0.22, soft=2.0)
    # Direction pad.
    dx, dy = cx - 44, cy - 4
    cross = union(box(dx, dy, 17, 6, 2), box(dx, dy, 6, 17, 2))
    c.fill(cross.grow(1.5), (15, 15, 25))
    c.fill(cross, vertical((70, 72, 90), (30, 30, 40), dy - 17, dy + 17))
    c.fill(circle(dx, dy, 3), (20, 20, 28))
    # Four buttons.
    bx, by = cx + 44, cy - 4
    for ox, oy, colour in ((0, -12, (255, 220, 40)), (12, 0, (255, 70, 70)),
                           (0, 12, (70, 220, 90)), (-12, 0, (60, 150, 255))):
        b = circle(bx + ox, by + oy, 6.5)
        c.fill(b.grow(1.5), (15, 15, 25))
        c.fill(b, vertical(lighter(colour, 0.5), darker(colour, 0.3), by + oy - 6, by + oy + 6))
        c.fill(circle(bx + ox - 2, by + oy - 2.5, 2.0), WHITE, alpha=0.6)
    # Two sticks and the middle buttons.
    for sx in (cx - 20, cx + 20):
        c.fill(circle(sx, cy + 18, 12), (20, 20, 30))
        c.fill(circle(sx, cy + 17, 9), vertical((130, 130, 150), (60, 60, 75), cy + 8, cy + 26))
        c.fill(circle(sx - 2, cy + 14, 3), WHITE, alpha=0.35, soft=2.0)
    for sx in (cx - 9, cx + 9):
        c.fill(capsule(sx - 4, cy - 10, sx + 4, cy - 10, 2.5), (25, 25, 35))


def draw_cable(c, points):
    c.fill(polyline(points, 4.5), (20, 15, 40))
    c.fill(polyline(points, 3.0), (90, 95, 120))
    c.fill(polyline([(x - 0.8, y - 1.0) for x, y in points], 1.0), (170, 175, 205), alpha=0.8)


def draw_background(c):
    c.gradient((18, 26, 82), (70, 18, 96))
    # A soft glow behind the title and a few faint stars.
    c.fill(ellipse(160, 52, 150, 40), (120, 140, 255), alpha=0.18, soft=40.0)
    c.fill(ellipse(160, 175, 140, 55), (190, 120, 255), alpha=0.10, soft=45.0)
    seed = 7
    for _ in range(40):
        seed = (seed * 1103515245 + 12345) % (1 << 31)
        x = seed % 320
        seed = (seed * 1103515245 + 12345) % (1 << 31)
        y = seed % 240
        seed = (seed * 1103515245 + 12345) % (1 << 31)
        r = 0.6 + (seed % 100) / 100.0
        c.fill(circle(x + 0.5, y + 0.5, r), (230, 230, 255), alpha=0.55, soft=1.2)


def splash():
    c = Canvas(320, 240)
    draw_background(c)
    draw_title(c, "Quorvantix", 20, 5.3, 7.2)
    mouse = (74, 168)
    pad = (226, 168)
    # The cable leaves the mouse's nose and reaches the top of the pad.
    cable = bezier((mouse[0], mouse[1] - 44), (mouse[0] + 8, mouse[1] - 90),
                   (pad[0] - 70, pad[1] + 40), (pad[0], pad[1] - 31), 60)
    draw_cable(c, cable)
    draw_mouse(c, *mouse)
    draw_game_pad(c, *pad)
    return c


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "resources")
    icons = os.path.join(out, "icons")
    os.makedirs(icons, exist_ok=True)
    for name, large, small in (("active", draw_arrow, ARROW16),
                               ("paused", draw_no_entry, NO_ENTRY16),
                               ("holding", draw_hand, HAND16)):
        write_ico(os.path.join(icons, name + ".ico"), [icon32(large), pixel_icon(PAD16, small)])
    write_bmp8(os.path.join(out, "splash.bmp"), splash())
    return 0


if __name__ == "__main__":
    sys.exit(main())
