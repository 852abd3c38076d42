"""Writing the artwork in the system's file formats: icons as 16-colour
BMP-in-ICO images with AND masks, and the splash as an uncompressed
256-colour BMP whose palette is chosen by median cut. Standard library only."""

import struct
from collections import Counter

# The system's standard 16 colours, in their usual order.
VGA16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


def nearest(colour, palette):
    r, g, b = colour
    best, best_d = 0, None
    for i, (pr, pg, pb) in enumerate(palette):
        d = (r - pr) ** 2 * 3 + (g - pg) ** 2 * 4 + (b - pb) ** 2 * 2
        if best_d is None or d < best_d:
            best, best_d = i, d
    return best


def _info_header(width, height, bits, image_size, colours):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, image_size, 0, 0,
                       colours, 0)


def _icon_image(canvas):
    """One icon image: header (height doubled for the mask), palette, 4-bit
    colour rows and 1-bit AND rows, both bottom-up and padded to 4 bytes."""
    w, h = canvas.width, canvas.height
    rgb = canvas.rgb_rows()
    opaque = canvas.opaque_rows()
    xor_stride = ((w * 4 + 31) // 32) * 4
    and_stride = ((w + 31) // 32) * 4
    xor = bytearray()
    mask = bytearray()
    for y in reversed(range(h)):
        row = bytearray(xor_stride)
        bits = bytearray(and_stride)
        for x in range(w):
            index = nearest(rgb[y][x], VGA16) if opaque[y][x] else 0
            row[x // 2] |= index << (4 if x % 2 == 0 else 0)
            if not opaque[y][x]:
                bits[x // 8] |= 0x80 >> (x % 8)
        xor += row
        mask += bits
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in VGA16)
    header = _info_header(w, h * 2, 4, len(xor) + len(mask), 16)
    return header + palette + bytes(xor) + bytes(mask)


def write_ico(path, canvases):
    images = [_icon_image(c) for c in canvases]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for canvas, image in zip(canvases, images):
        out += struct.pack("<BBBBHHII", canvas.width % 256, canvas.height % 256, 16, 0, 1, 4,
                           len(image), offset)
        offset += len(image)
    for image in images:
        out += image
    with open(path, "wb") as f:
        f.write(out)


def median_cut(counts, size):
    """A palette of at most `size` colours for the colour histogram `counts`."""
    boxes = [list(counts.items())]

    def spread(bx):
        return max(max(c[0][i] for c in bx) - min(c[0][i] for c in bx) for i in range(3))

    while len(boxes) < size:
        # Split the box that holds the most pixels among those that can split,
        # weighted by how far its colours spread.
        candidates = [b for b in boxes if len(b) > 1]
        if not candidates:
            break
        bx = max(candidates, key=lambda b: sum(n for _, n in b) * (spread(b) + 1))
        boxes.remove(bx)
        channel = max(range(3), key=lambda i: max(c[0][i] for c in bx) - min(c[0][i] for c in bx))
        bx.sort(key=lambda c: c[0][channel])
        total = sum(n for _, n in bx)
        run = 0
        cut = 1
        for i, (_, n) in enumerate(bx):
            run += n
            if run >= total / 2:
                cut = max(1, min(len(bx) - 1, i + 1))
                break
        boxes.append(bx[:cut])
        boxes.append(bx[cut:])
    palette = []
    for bx in boxes:
        total = sum(n for _, n in bx)
        palette.append(tuple(int(round(sum(c[i] * n for c, n in bx) / total)) for i in range(3)))
    return palette


def write_bmp8(path, canvas):
    w, h = canvas.width, canvas.height
    rgb = canvas.rgb_rows()
    counts = Counter(c for row in rgb for c in row)
    palette = median_cut(counts, 256)
    # Every colour maps to its nearest palette entry; looking the entries up
    # once per distinct colour keeps this quick.
    index_of = {c: nearest(c, palette) for c in counts}
    palette += [(0, 0, 0)] * (256 - len(palette))
    stride = ((w * 8 + 31) // 32) * 4
    data = bytearray()
    for y in reversed(range(h)):
        row = bytearray(index_of[c] for c in rgb[y])
        row += bytes(stride - w)
        data += row
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    info = _info_header(w, h, 8, len(data), 256)
    offset = 14 + len(info) + len(colours)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    with open(path, "wb") as f:
        f.write(header + info + colours + bytes(data))
