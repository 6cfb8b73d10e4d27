#!/usr/bin/python3
"""Draws every picture of Vastrel's compiled-in image collection.

Run from anywhere (the paths are relative to this script):

    /usr/bin/python3 tools/gen-images.py

Needs Pillow, Debian package "python3-pil" (apt-get install python3-pil).
The pictures are written into src/resources/image/ (the collection listed in
src/resources/resources.qrc) and the 48 x 48 desktop icon into
src/resources/vastrel-48.png. The results are committed: building the program
needs neither Python nor Pillow, only this script's output. To restyle the
program, change the colours below and run the script again.

Look of the pictures: a dark-blue title strip over a quiet, light body, so
the default black text and default-styled controls stay readable below the
strip; the title strip carries light text and the three title buttons.
"""

import math
import os
import struct

from PIL import Image, ImageDraw

HERE = os.path.dirname(os.path.abspath(__file__))
RES_DIR = os.path.normpath(os.path.join(HERE, "..", "src", "resources"))
IMAGE_DIR = os.path.join(RES_DIR, "image")

# ---------------------------------------------------------------- colours --

STRIP_TOP = (14, 33, 74)  # title strip, top row
STRIP_BOTTOM = (30, 64, 128)  # title strip, last row
STRIP_ACCENT = (86, 146, 222)  # the line under the strip
STRIP_HEIGHT = 24  # rows 0..23; the title label sits at y 4..19
BODY_TOP = (240, 244, 250)  # window body just below the strip
BODY_BOTTOM = (212, 223, 239)  # window body, last row (y 399)

GLYPH = (200, 214, 238)  # title-button glyph, normal state
GLYPH_HOVER = (255, 255, 255)
GLYPH_DOWN = (150, 172, 212)
HOVER_TOP, HOVER_BOTTOM = (66, 118, 204), (42, 88, 170)
DOWN_TOP, DOWN_BOTTOM = (6, 18, 44), (14, 34, 76)
CLOSE_HOVER_TOP, CLOSE_HOVER_BOTTOM = (228, 78, 70), (184, 44, 38)
CLOSE_DOWN_TOP, CLOSE_DOWN_BOTTOM = (112, 22, 20), (150, 32, 28)

NAVY = (16, 36, 82)
STEEL_LIGHT = (176, 200, 236)
STEEL = (92, 128, 188)
STEEL_DARK = (42, 74, 138)

# The title buttons are 20 x 16 on screen; their pictures are 26 x 23 and get
# scaled down by the style sheets' border-image.
BUTTON_SHOWN = (20, 16)
BUTTON_FILE = (26, 23)


def lerp(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def vertical_gradient(draw, box, top, bottom):
    """Fills box (x0, y0, x1, y1 inclusive) with a top-to-bottom gradient."""
    x0, y0, x1, y1 = box
    rows = max(1, y1 - y0)
    for y in range(y0, y1 + 1):
        draw.line([(x0, y), (x1, y)], fill=lerp(top, bottom, (y - y0) / rows))


def strip_colour(y):
    """Colour of row y of the title strip; the top row is a faint highlight."""
    if y == 0:
        return lerp(STRIP_TOP, STRIP_ACCENT, 0.35)
    return lerp(STRIP_TOP, STRIP_BOTTOM, y / (STRIP_HEIGHT - 2))


# ------------------------------------------------------------- background --


def background():
    """The 500 x 400 window background: title strip, accent line, quiet body."""
    img = Image.new("RGBA", (500, 400))
    d = ImageDraw.Draw(img)
    for y in range(STRIP_HEIGHT - 1):
        d.line([(0, y), (499, y)], fill=strip_colour(y))
    # a thin bright line closes the strip, with a soft shadow below it
    d.line([(0, STRIP_HEIGHT - 1), (499, STRIP_HEIGHT - 1)], fill=STRIP_ACCENT)
    body_rows = 399 - STRIP_HEIGHT
    for y in range(STRIP_HEIGHT, 400):
        c = lerp(BODY_TOP, BODY_BOTTOM, (y - STRIP_HEIGHT) / body_rows)
        shade = max(0, 3 - (y - STRIP_HEIGHT))  # 3 rows of shadow
        c = lerp(c, (150, 170, 205), shade * 0.12)
        d.line([(0, y), (499, y)], fill=c)
    return img


# ---------------------------------------------------------- title buttons --


def supersampled(size, scale, paint):
    """Paints at scale times the size and shrinks, for smooth edges."""
    big = Image.new("RGBA", (size[0] * scale, size[1] * scale), (0, 0, 0, 0))
    paint(ImageDraw.Draw(big), scale)
    return big.resize(size, Image.BOX)


# The glyphs are laid out on the 20 x 16 grid the buttons are shown at, with
# whole-pixel edges where possible; s is the supersampling factor and dx, dy a
# shift in shown pixels (the pressed face moves its glyph down by one).


def glyph_cross(d, s, colour, dx, dy):
    w = 1.7 * s
    a, b = 6.5, 13.5  # the cross spans 7 pixels around the centre (10, 9)
    for (x0, y0, x1, y1) in ((a, a - 1, b, b - 1), (a, b - 1, b, a - 1)):
        d.line([((x0 + dx) * s, (y0 + dy) * s), ((x1 + dx) * s, (y1 + dy) * s)],
               fill=colour, width=round(w))
        for (x, y) in ((x0, y0), (x1, y1)):  # round caps
            cx, cy, r = (x + dx) * s, (y + dy) * s, w / 2
            d.ellipse([cx - r, cy - r, cx + r, cy + r], fill=colour)


def glyph_min(d, s, colour, dx, dy):
    d.rectangle([(6 + dx) * s, (11 + dy) * s, (14 + dx) * s - 1, (13 + dy) * s - 1],
                fill=colour)


def glyph_menu(d, s, colour, dx, dy):
    for y in (5, 8, 11):
        d.rectangle([(5 + dx) * s, (y + dy) * s, (15 + dx) * s - 1, (y + 1 + dy) * s - 1],
                    fill=colour)


def button_face(state, glyph, close):
    """One title button as it appears on screen (20 x 16)."""
    w, h = BUTTON_SHOWN
    face = Image.new("RGB", (w, h))
    d = ImageDraw.Draw(face)
    if state == "normal":
        # the strip itself, so the resting buttons sit flat in the title bar
        for y in range(h):
            d.line([(0, y), (w - 1, y)], fill=strip_colour(y))
        d.line([(0, 2), (0, h - 3)], fill=lerp(strip_colour(8), (0, 0, 0), 0.35))
        colour, shift = GLYPH, 0
    elif state == "hover":
        top, bottom = (CLOSE_HOVER_TOP, CLOSE_HOVER_BOTTOM) if close else (HOVER_TOP, HOVER_BOTTOM)
        vertical_gradient(d, (0, 0, w - 1, h - 1), top, bottom)
        d.line([(0, 0), (w - 1, 0)], fill=lerp(top, (255, 255, 255), 0.35))
        d.line([(0, h - 1), (w - 1, h - 1)], fill=lerp(bottom, (0, 0, 0), 0.3))
        colour, shift = GLYPH_HOVER, 0
    else:  # pressed: darker, sunken, the glyph moved one pixel down
        top, bottom = (CLOSE_DOWN_TOP, CLOSE_DOWN_BOTTOM) if close else (DOWN_TOP, DOWN_BOTTOM)
        vertical_gradient(d, (0, 0, w - 1, h - 1), top, bottom)
        d.line([(0, 0), (w - 1, 0)], fill=lerp(top, (0, 0, 0), 0.5))
        d.line([(0, 0), (0, h - 1)], fill=lerp(top, (0, 0, 0), 0.5))
        colour, shift = (GLYPH_DOWN if not close else (236, 196, 192)), 1
    mark = supersampled((w, h), 8, lambda dd, s: glyph(dd, s, colour, 0, shift))
    face.paste(mark, (0, 0), mark)
    return face


def shrink_weights(file_len, shown_len, border):
    """How the style sheet's border-image shrinks one axis of a picture.

    Qt draws a border image piece by piece: with a border (the close button's
    sheet slices 2 pixels off each side) the edge pieces are copied 1:1 and
    only the middle is scaled; without one the whole axis is scaled. Scaling
    is bilinear and stays inside its piece. Returns, per shown pixel, the
    list of (file pixel, weight) it is blended from.
    """
    rows = [[(i, 1.0)] for i in range(border)]
    inner_file, inner_shown = file_len - 2 * border, shown_len - 2 * border
    for x in range(inner_shown):
        u = min(max((x + 0.5) * inner_file / inner_shown - 0.5, 0.0), inner_file - 1.0)
        i = int(math.floor(u))
        f = u - i
        rows.append([(border + i, 1 - f), (border + min(i + 1, inner_file - 1), f)])
    rows += [[(file_len - border + i, 1.0)] for i in range(border)]
    return rows


def solve(a, b):
    """Solves the small dense system a x = b (Gauss-Jordan, partial pivoting)."""
    n = len(a)
    m = [row[:] + [b[i]] for i, row in enumerate(a)]
    for c in range(n):
        p = max(range(c, n), key=lambda r: abs(m[r][c]))
        m[c], m[p] = m[p], m[c]
        for r in range(n):
            if r != c and m[r][c]:
                k = m[r][c] / m[c][c]
                m[r] = [x - k * y for x, y in zip(m[r], m[c])]
    return [m[i][n] / m[i][i] for i in range(n)]


def spread(weights, file_len, values):
    """Least-change correction: the file values whose shrinking adds values."""
    gram = [[sum(wa * wb for ia, wa in ra for ib, wb in rb if ia == ib) for rb in weights]
            for ra in weights]
    k = solve(gram, values)
    out = [0.0] * file_len
    for row, kv in zip(weights, k):
        for i, w in row:
            out[i] += w * kv
    return out


def enlarge_for_border_image(face, border):
    """Turns a 20 x 16 face into the 26 x 23 file that shrinks back into it.

    Starting from the face stretched with nearest-pixel sampling, the file is
    corrected until Qt's bilinear shrinking of it (shrink_weights) gives the
    face again, so the glyph comes out as sharp as it was drawn instead of
    smeared over two rows. Values are kept within 0..255; where that makes
    an exact answer impossible, the nearest one is kept.
    """
    (fw, fh), (ow, oh) = face.size, BUTTON_FILE
    wx, wy = shrink_weights(ow, fw, border), shrink_weights(oh, fh, border)
    target = [[face.getpixel((x, y)) for x in range(fw)] for y in range(fh)]

    def shrink(img):
        cols = [[sum(w * img[y][i] for i, w in wx[x]) for x in range(fw)] for y in range(oh)]
        return [[sum(w * cols[j][x] for j, w in wy[y]) for x in range(fw)] for y in range(fh)]

    channels = []
    for c in range(3):
        # first guess: every file pixel takes its value from the nearest face pixel
        img = [[float(target[min(fh - 1, int((y + 0.5) * fh / oh))]
                      [min(fw - 1, int((x + 0.5) * fw / ow))][c]) for x in range(ow)]
               for y in range(oh)]
        for _ in range(60):
            got = shrink(img)
            err = [[target[y][x][c] - got[y][x] for x in range(fw)] for y in range(fh)]
            if max(abs(e) for row in err for e in row) < 0.5:
                break
            # spread the error back along x, then along y, and clamp to the valid range
            half = [spread(wx, ow, row) for row in err]
            fix = list(zip(*[spread(wy, oh, list(col)) for col in zip(*half)]))
            img = [[min(255.0, max(0.0, img[y][x] + fix[y][x])) for x in range(ow)]
                   for y in range(oh)]
        channels.append(img)
    out = Image.new("RGB", (ow, oh))
    out.putdata([tuple(round(channels[c][y][x]) for c in range(3))
                 for y in range(oh) for x in range(ow)])
    return out


def title_buttons():
    files = {}
    for name, glyph, close in (("close", glyph_cross, True), ("min", glyph_min, False),
                               ("menu", glyph_menu, False)):
        for state, suffix in (("normal", ""), ("hover", "_hover"), ("pressed", "_down")):
            face = button_face(state, glyph, close)
            files[f"{name}{suffix}.bmp"] = enlarge_for_border_image(face, 2 if close else 0)
    return files


# -------------------------------------------------------------- the icon --


def paint_icon(d, s):
    """Magnifier over a disk, in a 32-unit square scaled by s."""

    def box(x0, y0, x1, y1):
        return [x0 * s, y0 * s, x1 * s, y1 * s]

    # the disk: a cylinder of two platters
    left, right, top, bottom, ry = 2.0, 21.0, 8.0, 27.0, 3.4
    outline = 0.9
    d.ellipse(box(left - outline, bottom - ry - outline, right + outline, bottom + ry + outline),
              fill=NAVY)
    d.rectangle(box(left - outline, top, right + outline, bottom), fill=NAVY)
    d.ellipse(box(left - outline, top - ry - outline, right + outline, top + ry + outline), fill=NAVY)
    # body shaded from left to right for roundness
    steps = 48
    for i in range(steps):
        x0 = left + (right - left) * i / steps
        x1 = left + (right - left) * (i + 1) / steps
        t = i / (steps - 1)
        shade = 1 - abs(t - 0.32) * 1.3
        c = lerp(STEEL_DARK, STEEL_LIGHT, max(0.0, shade))
        d.rectangle(box(x0, top, x1 + 0.05, bottom), fill=c)
    # the bottom rim, then the band between the two platters
    d.chord(box(left, bottom - ry, right, bottom + ry), 0, 180, fill=STEEL_DARK)
    band = (top + bottom) / 2 - 1.0
    d.arc(box(left, band - ry + 0.9, right, band + ry + 0.9), 0, 180, fill=(226, 236, 250),
          width=max(1, round(0.8 * s)))
    d.arc(box(left, band - ry, right, band + ry), 0, 180, fill=NAVY, width=max(1, round(1.1 * s)))
    d.ellipse(box(left, top - ry, right, top + ry), fill=STEEL_LIGHT)
    d.ellipse(box(left + 3.5, top - ry + 1.2, right - 3.5, top + ry - 1.2), fill=(214, 228, 248))
    # activity light
    d.ellipse(box(4.4, 23.2, 6.6, 25.4), fill=(96, 220, 140))

    # the magnifier: handle first, then the lens over it
    cx, cy, r = 20.5, 14.5, 7.2
    hx0, hy0, hx1, hy1 = cx + 5.0, cy + 5.0, 29.6, 28.6
    d.line([hx0 * s, hy0 * s, hx1 * s, hy1 * s], fill=NAVY, width=round(4.6 * s))
    d.ellipse(box(hx1 - 2.3, hy1 - 2.3, hx1 + 2.3, hy1 + 2.3), fill=NAVY)
    d.line([(hx0 + 1.2) * s, (hy0 + 1.2) * s, (hx1 - 0.6) * s, (hy1 - 0.6) * s],
           fill=(226, 150, 48), width=round(2.6 * s))
    d.ellipse(box(cx - r - 1.9, cy - r - 1.9, cx + r + 1.9, cy + r + 1.9), fill=NAVY)
    d.ellipse(box(cx - r - 0.9, cy - r - 0.9, cx + r + 0.9, cy + r + 0.9), fill=(138, 168, 214))
    d.ellipse(box(cx - r, cy - r, cx + r, cy + r), fill=(214, 234, 252))
    # glass highlight
    d.arc(box(cx - r + 1.8, cy - r + 1.8, cx + r - 1.8, cy + r - 1.8), 190, 260,
          fill=(255, 255, 255, 235), width=round(1.5 * s))


def icon(size):
    return supersampled((size, size), 16 if size <= 32 else 12,
                        lambda d, s: paint_icon(d, s * size / 32))


def write_ico(path, img):
    """Writes a classic Windows icon: one 32-bit DIB image with its AND mask."""
    w, h = img.size
    rgba = img.convert("RGBA")
    px = rgba.load()
    xor = bytearray()
    for y in range(h - 1, -1, -1):  # bottom-up rows, BGRA
        for x in range(w):
            r, g, b, a = px[x, y]
            xor += bytes((b, g, r, a))
    mask_stride = ((w + 31) // 32) * 4
    mask = bytearray()
    for y in range(h - 1, -1, -1):  # 1 = transparent; ignored next to alpha, kept for old readers
        row = bytearray(mask_stride)
        for x in range(w):
            if px[x, y][3] == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = header + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32, len(image), 6 + 16)
    with open(path, "wb") as f:
        f.write(directory + entry + image)


# ------------------------------------------------------ small 16 x 16 marks --


def small_marks():
    def gear(d, s):
        c, teeth = 8 * s, 6
        pts = []
        for i in range(teeth * 4):  # each tooth: two outer corners, two inner ones
            a = math.pi * 2 * (i + 0.5) / (teeth * 4)
            rad = 7.8 if (i % 4) in (0, 1) else 5.2
            pts.append((c + math.cos(a) * rad * s, c + math.sin(a) * rad * s))
        d.polygon(pts, fill=STEEL_DARK)
        d.ellipse([c - 5.4 * s, c - 5.4 * s, c + 5.4 * s, c + 5.4 * s], fill=STEEL_DARK)
        d.ellipse([c - 2.4 * s, c - 2.4 * s, c + 2.4 * s, c + 2.4 * s], fill=(0, 0, 0, 0))

    def cross(colour, plate):
        def paint(d, s):
            if plate:
                d.rounded_rectangle([0.5 * s, 0.5 * s, 15.5 * s, 15.5 * s], radius=3 * s, fill=plate)
            for (x0, y0, x1, y1) in ((4.5, 4.5, 11.5, 11.5), (4.5, 11.5, 11.5, 4.5)):
                d.line([x0 * s, y0 * s, x1 * s, y1 * s], fill=colour, width=round(2 * s))
        return paint

    def bar(colour):
        def paint(d, s):
            d.rounded_rectangle([3 * s, 10 * s, 13 * s, 13 * s], radius=1 * s, fill=colour)
        return paint

    size = (16, 16)
    return {
        "configure.png": supersampled(size, 8, gear),
        "window-close.png": supersampled(size, 8, cross(NAVY, None)),
        "window-close1.png": supersampled(size, 8, cross((255, 255, 255), (200, 48, 42))),
        "mingray.png": supersampled(size, 8, bar((128, 136, 150))),
        "minred.png": supersampled(size, 8, bar((200, 48, 42))),
    }


# ------------------------------------------------------------------ main --


def main():
    os.makedirs(IMAGE_DIR, exist_ok=True)
    for name, img in title_buttons().items():
        img.save(os.path.join(IMAGE_DIR, name))  # RGB mode: 24-bit BMP
    background().save(os.path.join(IMAGE_DIR, "newback.png"), optimize=True)
    icon(32).save(os.path.join(IMAGE_DIR, "systemsearch.png"), optimize=True)
    big = icon(48)
    write_ico(os.path.join(IMAGE_DIR, "system-search.ico"), big)
    big.save(os.path.join(RES_DIR, "vastrel-48.png"), optimize=True)
    for name, img in small_marks().items():
        img.save(os.path.join(IMAGE_DIR, name), optimize=True)


if __name__ == "__main__":
    main()
