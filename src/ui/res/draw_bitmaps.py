#!/usr/bin/env python3
"""Draws every picture of the window frame and the picture buttons as 24-bit BMP files.

Standard library only. The pictures are drawn from simple vector shapes with 4x4 supersampling,
so the script is the source of truth and the pictures are its output. The build runs

    python3 src/ui/res/draw_bitmaps.py OUTPUT_FOLDER

which writes OUTPUT_FOLDER/bitmaps/*.bmp, OUTPUT_FOLDER/cursors/*.cur and
OUTPUT_FOLDER/Tessary.ico, where the resource
compiler finds them. The file names carry the resource id so the .rc file and the pictures
cannot drift apart silently.
"""

import math
import os
import struct
import sys

DEST = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(DEST, "bitmaps")

# --- palette --------------------------------------------------------------------------------
# The window background is the COLORREF 0xD6D6D9 the dialogs paint (red 217, green 214, blue 214).
WINDOW_BG = (217, 214, 214)
CAPTION_TOP = (112, 128, 152)
CAPTION_BOTTOM = (82, 98, 124)
CAPTION_HILITE = (146, 160, 182)
CAPTION_SHADOW = (64, 78, 102)
BORDER = (82, 98, 124)
WHITE = (255, 255, 255)
GLYPH_LIGHT = (236, 240, 246)
CLOSE_RED = (200, 70, 64)
CLOSE_RED_DARK = (150, 44, 40)
INK = (70, 88, 116)
INK_DARK = (48, 62, 86)
GREEN = (52, 140, 78)
BLUE = (56, 104, 168)
RED = (186, 64, 56)
PAPER = (252, 252, 250)
DISABLED_INK = (168, 166, 166)
DISABLED_FILL = (226, 224, 224)


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


class Canvas:
    def __init__(self, w, h, color=WINDOW_BG):
        self.w, self.h = w, h
        self.px = [[tuple(float(c) for c in color) for _ in range(w)] for _ in range(h)]

    def vgradient(self, x0, y0, x1, y1, top, bottom):
        for y in range(max(0, y0), min(self.h, y1)):
            t = (y - y0) / max(1, (y1 - y0 - 1))
            c = mix(top, bottom, t)
            for x in range(max(0, x0), min(self.w, x1)):
                self.px[y][x] = c

    def hline(self, x0, x1, y, color):
        if 0 <= y < self.h:
            for x in range(max(0, x0), min(self.w, x1)):
                self.px[y][x] = tuple(float(c) for c in color)

    def paint(self, inside, bbox, color, alpha=1.0):
        """Blends color over every pixel by the share of its 4x4 samples that `inside` accepts."""
        x0, y0, x1, y1 = bbox
        x0, y0 = max(0, int(math.floor(x0)) - 1), max(0, int(math.floor(y0)) - 1)
        x1, y1 = min(self.w, int(math.ceil(x1)) + 1), min(self.h, int(math.ceil(y1)) + 1)
        offs = [(i + 0.5) / 4.0 for i in range(4)]
        for y in range(y0, y1):
            for x in range(x0, x1):
                hits = 0
                for sy in offs:
                    for sx in offs:
                        if inside(x + sx, y + sy):
                            hits += 1
                if hits:
                    a = alpha * hits / 16.0
                    self.px[y][x] = mix(self.px[y][x], color, a)

    # -- shapes --
    def rounded_rect(self, x0, y0, x1, y1, r, color, alpha=1.0):
        def inside(x, y):
            if x < x0 or x > x1 or y < y0 or y > y1:
                return False
            cx = min(max(x, x0 + r), x1 - r)
            cy = min(max(y, y0 + r), y1 - r)
            return (x - cx) ** 2 + (y - cy) ** 2 <= r * r

        self.paint(inside, (x0, y0, x1, y1), color, alpha)

    def rounded_frame(self, x0, y0, x1, y1, r, width, color, alpha=1.0):
        def inside_rr(x, y, a0, b0, a1, b1, rr):
            if x < a0 or x > a1 or y < b0 or y > b1:
                return False
            cx = min(max(x, a0 + rr), a1 - rr)
            cy = min(max(y, b0 + rr), b1 - rr)
            return (x - cx) ** 2 + (y - cy) ** 2 <= rr * rr

        ri = max(0.0, r - width)

        def inside(x, y):
            return inside_rr(x, y, x0, y0, x1, y1, r) and not inside_rr(
                x, y, x0 + width, y0 + width, x1 - width, y1 - width, ri)

        self.paint(inside, (x0, y0, x1, y1), color, alpha)

    def circle(self, cx, cy, r, color, alpha=1.0):
        self.paint(lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r,
                   (cx - r, cy - r, cx + r, cy + r), color, alpha)

    def ring(self, cx, cy, r, width, color, alpha=1.0):
        ro, ri = r + width / 2, r - width / 2

        def inside(x, y):
            d = (x - cx) ** 2 + (y - cy) ** 2
            return ri * ri <= d <= ro * ro

        self.paint(inside, (cx - ro, cy - ro, cx + ro, cy + ro), color, alpha)

    def polyline(self, pts, width, color, alpha=1.0):
        half = width / 2.0
        segs = list(zip(pts, pts[1:]))

        def dist2(px, py, a, b):
            ax, ay = a
            bx, by = b
            dx, dy = bx - ax, by - ay
            ll = dx * dx + dy * dy
            t = 0.0 if ll == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / ll))
            qx, qy = ax + t * dx - px, ay + t * dy - py
            return qx * qx + qy * qy

        def inside(x, y):
            return any(dist2(x, y, a, b) <= half * half for a, b in segs)

        xs = [p[0] for p in pts]
        ys = [p[1] for p in pts]
        self.paint(inside, (min(xs) - half, min(ys) - half, max(xs) + half, max(ys) + half),
                   color, alpha)

    def polygon(self, pts, color, alpha=1.0):
        def inside(x, y):
            c = False
            j = len(pts) - 1
            for i in range(len(pts)):
                xi, yi = pts[i]
                xj, yj = pts[j]
                if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                    c = not c
                j = i
            return c

        xs = [p[0] for p in pts]
        ys = [p[1] for p in pts]
        self.paint(inside, (min(xs), min(ys), max(xs), max(ys)), color, alpha)

    def blit(self, other, dx, dy):
        for y in range(other.h):
            for x in range(other.w):
                if 0 <= x + dx < self.w and 0 <= y + dy < self.h:
                    self.px[y + dy][x + dx] = other.px[y][x]

    def rows_bgr(self):
        for y in range(self.h):
            yield bytes(b for px in self.px[y] for b in (
                clamp(px[2]), clamp(px[1]), clamp(px[0])))


def clamp(v):
    return max(0, min(255, int(round(v))))


def arc_points(cx, cy, r, a0, a1, steps=24):
    """Points of a circular arc, angles in degrees, 0 = right, counter-clockwise on screen."""
    return [(cx + r * math.cos(math.radians(a0 + (a1 - a0) * i / steps)),
             cy - r * math.sin(math.radians(a0 + (a1 - a0) * i / steps)))
            for i in range(steps + 1)]


def save_bmp(canvas, name):
    os.makedirs(OUT, exist_ok=True)
    row = canvas.w * 3
    pad = (4 - row % 4) % 4
    size = (row + pad) * canvas.h
    rows = list(canvas.rows_bgr())
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(b"BM" + struct.pack("<IHHI", 54 + size, 0, 0, 54))
        f.write(struct.pack("<IiiHHIIiiII", 40, canvas.w, canvas.h, 1, 24, 0, size, 2835, 2835,
                            0, 0))
        for r in reversed(rows):
            f.write(r + b"\0" * pad)


# --- caption band ---------------------------------------------------------------------------
def caption(w):
    c = Canvas(w, 40)
    c.vgradient(0, 0, w, 40, CAPTION_TOP, CAPTION_BOTTOM)
    c.hline(0, w, 0, CAPTION_HILITE)
    c.hline(0, w, 39, CAPTION_SHADOW)
    return c


def app_mark(c, x0, y0, size, dim=False):
    """The program's mark: four tiles of a mosaic, one of them lifted (a name being changed)."""
    g = size / 24.0
    colors = [(255, 255, 255), (214, 226, 242), (214, 226, 242), (120, 196, 150)]
    if dim:
        colors = [mix(col, CAPTION_BOTTOM, 0.25) for col in colors]
    cells = [(3, 3), (13, 3), (3, 13), (13, 13)]
    for (cx, cy), col in zip(cells, colors):
        c.rounded_rect(x0 + cx * g, y0 + cy * g, x0 + (cx + 8) * g, y0 + (cy + 8) * g, 1.6 * g,
                       col)


def caption_button_back(c, x0, kind):
    """Highlight behind a 24 x 24 caption button at x0..x0+24, y 8..32."""
    if kind == "hover":
        c.rounded_rect(x0 + 1, 9, x0 + 23, 31, 4, WHITE, 0.22)
    elif kind == "hover-close":
        c.rounded_rect(x0 + 1, 9, x0 + 23, 31, 4, CLOSE_RED)
    elif kind == "pressed":
        c.rounded_rect(x0 + 1, 9, x0 + 23, 31, 4, CAPTION_SHADOW, 0.8)
    elif kind == "pressed-close":
        c.rounded_rect(x0 + 1, 9, x0 + 23, 31, 4, CLOSE_RED_DARK)


def glyph_minimise(c, x0):
    c.polyline([(x0 + 7, 24), (x0 + 17, 24)], 2.0, GLYPH_LIGHT)


def glyph_maximise(c, x0):
    c.rounded_frame(x0 + 7, 13, x0 + 17, 23, 1.0, 1.6, GLYPH_LIGHT)
    c.polyline([(x0 + 7.5, 14), (x0 + 16.5, 14)], 2.0, GLYPH_LIGHT)


def glyph_restore(c, x0):
    c.polyline([(x0 + 9.5, 12.5), (x0 + 17.5, 12.5), (x0 + 17.5, 20.5)], 1.5, GLYPH_LIGHT)
    c.rounded_frame(x0 + 6, 15, x0 + 15, 24, 1.0, 1.5, GLYPH_LIGHT)


def glyph_close(c, x0):
    c.polyline([(x0 + 7.5, 15.5), (x0 + 16.5, 24.5)], 2.0, GLYPH_LIGHT)
    c.polyline([(x0 + 16.5, 15.5), (x0 + 7.5, 24.5)], 2.0, GLYPH_LIGHT)


def main_right_piece(maximised, highlighted):
    c = caption(90)
    # The three buttons sit at x 8, 32 and 56 of the 90-pixel piece (W-82, W-58, W-34).
    for x0, which in ((8, "min"), (32, "max"), (56, "close")):
        if which == highlighted:
            caption_button_back(c, x0, "hover-close" if which == "close" else "hover")
    glyph_minimise(c, 8)
    (glyph_restore if maximised else glyph_maximise)(c, 32)
    glyph_close(c, 56)
    return c


def main_left_piece(state):
    c = caption(50)
    # Icon area: x 8..42, y 8..32.
    if state == "hover":
        c.rounded_rect(8, 8, 42, 32, 5, WHITE, 0.22)
    elif state == "pressed":
        c.rounded_rect(8, 8, 42, 32, 5, CAPTION_SHADOW, 0.8)
    shift = 1 if state == "pressed" else 0
    app_mark(c, 13 + shift, 8 + shift, 24)
    return c


# Stroke letters on a 10 x 14 box; enough for the title picture.
LETTERS = {
    "T": [[(0, 0), (10, 0)], [(5, 0), (5, 14)]],
    "E": [[(9, 0), (0, 0), (0, 14), (9, 14)], [(0, 7), (7.5, 7)]],
    "S": [[(9.2, 2.2), (7.6, 0.4), (5, 0), (2.4, 0.4), (0.8, 2.2), (0.8, 4.6), (2.6, 6.2),
           (7.4, 7.8), (9.2, 9.4), (9.2, 11.8), (7.6, 13.6), (5, 14), (2.4, 13.6), (0.6, 11.8)]],
    "A": [[(0, 14), (5, 0), (10, 14)], [(2.1, 8.6), (7.9, 8.6)]],
    "R": [[(0, 14), (0, 0), (5.8, 0), (8.4, 0.9), (9.4, 3.5), (8.4, 6.1), (5.8, 7), (0, 7)],
          [(5, 7), (9.6, 14)]],
    "Y": [[(0, 0), (5, 7), (10, 0)], [(5, 7), (5, 14)]],
}


def draw_word(c, word, x0, y0, scale, width, color, spacing=5.0):
    x = x0
    for ch in word:
        for stroke in LETTERS[ch]:
            c.polyline([(x + px * scale, y0 + py * scale) for px, py in stroke], width, color)
        x += 10 * scale + spacing


def word_width(word, scale, spacing=5.0):
    return len(word) * 10 * scale + (len(word) - 1) * spacing


def title_picture():
    c = caption(160)
    scale = 15.0 / 14.0
    w = word_width("TESSARY", scale)
    x0 = (160 - w) / 2
    draw_word(c, "TESSARY", x0 + 1, 13 + 1, scale, 2.2, CAPTION_SHADOW)
    draw_word(c, "TESSARY", x0, 13, scale, 2.2, WHITE)
    return c


def dialog_right_piece(state):
    c = caption(90)
    # The close button is at x 56..80 of the piece (W-34..W-10).
    if state == "hover":
        caption_button_back(c, 56, "hover-close")
    elif state == "pressed":
        caption_button_back(c, 56, "pressed-close")
    glyph_close(c, 56)
    return c


# --- picture buttons ------------------------------------------------------------------------
def button_face(w, h, state):
    c = Canvas(w, h)
    if state == "hover":
        c.rounded_rect(1, 1, w - 1, h - 1, 5, (150, 164, 188))
        c.rounded_rect(2, 2, w - 2, h - 2, 4, (244, 245, 248))
    elif state == "pressed":
        c.rounded_rect(1, 1, w - 1, h - 1, 5, (98, 116, 146))
        c.rounded_rect(2, 2, w - 2, h - 2, 4, (194, 202, 216))
    return c


def ink_for(state, color):
    if state == "disabled":
        return DISABLED_INK
    return color


def glyph_add(c, ox, oy, state):
    paper = DISABLED_FILL if state == "disabled" else PAPER
    ink = ink_for(state, INK)
    page = [(ox - 8, oy - 12), (ox + 3, oy - 12), (ox + 8, oy - 7), (ox + 8, oy + 12),
            (ox - 8, oy + 12)]
    c.polygon(page, paper)
    c.polyline(page + [page[0]], 1.5, ink)
    c.polyline([(ox + 3, oy - 12), (ox + 3, oy - 7), (ox + 8, oy - 7)], 1.3, ink)
    for yy in (-3, 1, 5):
        c.polyline([(ox - 4.5, oy + yy), (ox + 1.5, oy + yy)], 1.2, ink)
    plus = ink_for(state, GREEN)
    c.circle(ox + 8, oy + 8, 6.5, (255, 255, 255) if state != "disabled" else DISABLED_FILL)
    c.circle(ox + 8, oy + 8, 5.6, plus)
    c.polyline([(ox + 8, oy + 5), (ox + 8, oy + 11)], 1.8, WHITE)
    c.polyline([(ox + 5, oy + 8), (ox + 11, oy + 8)], 1.8, WHITE)


def glyph_preview(c, ox, oy, state):
    ink = ink_for(state, INK)
    lens = DISABLED_FILL if state == "disabled" else (214, 230, 246)
    c.circle(ox - 2, oy - 2, 8, lens)
    c.ring(ox - 2, oy - 2, 8, 2.4, ink)
    c.polyline([(ox + 4, oy + 4), (ox + 10, oy + 10)], 4.0, ink_for(state, INK_DARK))
    c.polyline([(ox - 6, oy - 4), (ox - 3, oy - 7)], 1.5, WHITE if state != "disabled"
               else DISABLED_INK, 0.9)


def glyph_apply(c, ox, oy, state):
    ink = ink_for(state, GREEN)
    c.polyline([(ox - 10, oy + 0), (ox - 3, oy + 8), (ox + 11, oy - 9)], 4.2, ink)


def glyph_undo(c, ox, oy, state):
    ink = ink_for(state, BLUE)
    pts = arc_points(ox + 1, oy + 2, 8.5, 150, -120, 30)
    c.polyline(pts, 3.2, ink)
    # Arrow head at the start of the arc, pointing back (to the left and down).
    sx, sy = pts[0]
    c.polygon([(sx - 6.5, sy - 1.5), (sx + 3.5, sy - 4.5), (sx + 0.5, sy + 5.5)], ink)


def glyph_help(c, ox, oy, state):
    ink = ink_for(state, BLUE)
    c.circle(ox, oy, 11, ink)
    mark = WHITE if state != "disabled" else DISABLED_FILL
    pts = arc_points(ox, oy - 3.5, 4.2, 165, -60, 20)
    pts.append((ox + 0.2, oy + 2.2))
    pts.append((ox + 0.2, oy + 3.4))
    c.polyline(pts, 2.6, mark)
    c.circle(ox + 0.2, oy + 7.2, 1.7, mark)


def glyph_exit(c, ox, oy, state):
    ink = ink_for(state, RED)
    c.polyline(arc_points(ox, oy + 1, 10, 60, -240, 36), 3.0, ink)
    c.polyline([(ox, oy - 11), (ox, oy + 1)], 3.2, ink)


BUTTONS = {
    # name: (glyph, normal, hover, pressed, disabled)
    "add": (glyph_add, 213, 212, 211, 210),
    "preview": (glyph_preview, 197, 196, 195, 194),
    "apply": (glyph_apply, 193, 192, 191, 190),
    "undo": (glyph_undo, 201, 200, 199, 198),
    "help": (glyph_help, 209, 208, 207, 206),
    "exit": (glyph_exit, 217, 216, 215, 214),
}


def main_button(glyph, state):
    c = button_face(68, 48, state)
    shift = 1 if state == "pressed" else 0
    # The caption is written by the program below the glyph (bottom margin 3).
    glyph(c, 34 + shift, 17 + shift, state)
    return c


def dialog_button(state):
    c = Canvas(70, 25)
    if state == "disabled":
        c.rounded_rect(0.5, 0.5, 69.5, 24.5, 4, (184, 182, 182))
        c.rounded_rect(1.5, 1.5, 68.5, 23.5, 3, (226, 224, 224))
        return c
    border = {"normal": (132, 146, 170), "hover": (96, 118, 152), "pressed": (78, 94, 124)}[state]
    top, bottom = {"normal": ((250, 250, 252), (224, 227, 234)),
                   "hover": ((255, 255, 255), (232, 238, 248)),
                   "pressed": ((196, 204, 218), (214, 220, 230))}[state]
    c.rounded_rect(0.5, 0.5, 69.5, 24.5, 4, border)
    inner = Canvas(70, 25)
    inner.vgradient(0, 0, 70, 25, top, bottom)
    # Gradient inside the border: paint the gradient through a rounded mask.
    for y in range(25):
        for x in range(70):
            pass
    mask = Canvas(70, 25, (0, 0, 0))
    mask.rounded_rect(1.5, 1.5, 68.5, 23.5, 3, (255, 255, 255))
    for y in range(25):
        for x in range(70):
            a = mask.px[y][x][0] / 255.0
            if a > 0:
                c.px[y][x] = mix(c.px[y][x], inner.px[y][x], a)
    return c


def tab_picture(selected):
    c = Canvas(100, 50)
    if selected:
        border, top, bottom = (120, 136, 162), (252, 252, 253), (238, 240, 245)
    else:
        border, top, bottom = (150, 158, 174), (214, 218, 226), (194, 199, 210)
    c.rounded_rect(0.5, 0.5, 99.5, 60, 5, border)
    inner = Canvas(100, 50)
    inner.vgradient(0, 0, 100, 28, top, bottom)
    inner.vgradient(0, 28, 100, 50, bottom, bottom)
    mask = Canvas(100, 50, (0, 0, 0))
    mask.rounded_rect(1.5, 1.5, 98.5, 60, 4, (255, 255, 255))
    for y in range(50):
        for x in range(100):
            a = mask.px[y][x][0] / 255.0
            if a > 0:
                c.px[y][x] = mix(c.px[y][x], inner.px[y][x], a)
    if selected:
        c.rounded_rect(1.5, 1.5, 98.5, 5, 3, (88, 116, 164))
        c.vgradient(3, 4, 97, 5, (252, 252, 253), (252, 252, 253))
    return c


# --- the icon -------------------------------------------------------------------------------
def icon_image(size):
    c = Canvas(size, size, (0, 0, 0))
    alpha = Canvas(size, size, (0, 0, 0))
    g = size / 32.0
    alpha.rounded_rect(1 * g, 1 * g, 31 * g, 31 * g, 5 * g, (255, 255, 255))
    c.vgradient(0, 0, size, size, CAPTION_TOP, CAPTION_BOTTOM)
    app_mark(c, 4 * g, 4 * g, 24 * g)
    return c, alpha


def save_icon(path, sizes=(16, 32, 48)):
    images = []
    for s in sizes:
        c, a = icon_image(s)
        rows = []
        for y in reversed(range(s)):
            rows.append(bytes(b for x in range(s) for b in (
                clamp(c.px[y][x][2]), clamp(c.px[y][x][1]), clamp(c.px[y][x][0]),
                clamp(a.px[y][x][0]))))
        xor = b"".join(rows)
        mask_row = ((s + 31) // 32) * 4
        andmask = b"\0" * (mask_row * s)
        header = struct.pack("<IiiHHIIiiII", 40, s, s * 2, 1, 32, 0, len(xor) + len(andmask), 0,
                             0, 0, 0)
        images.append((s, header + xor + andmask))
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for s, data in images:
        out += struct.pack("<BBBBHHII", s % 256, s % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for _, data in images:
        out += data
    with open(path, "wb") as f:
        f.write(out)


# --- the header's cursors -------------------------------------------------------------------
# Black shapes with a white rim on a transparent 32 x 32 ground, one bit per pixel, so that
# they show on any background. Both point left and right from the hot spot at (15, 15).
CURSOR_SIZE = 32


def column_cursor_shape(open_column):
    black = set()
    # The divider: one bar, or for a column of width 0 two thin bars with the gap between them.
    bars = (13, 17) if open_column else (15, 16)
    for x in bars:
        for y in range(7, 25):
            black.add((x, y))
    # The arrows' shafts, from the bars outwards, and their heads.
    inner_left, inner_right = bars[0] - 1, bars[-1] + 1
    for y in (15, 16):
        for x in range(6, inner_left):
            black.add((x, y))
        for x in range(inner_right + 1, 26):
            black.add((x, y))
    for d in range(4):
        for y in range(15 - d, 17 + d):
            black.add((3 + d, y))
            black.add((28 - d, y))
    return black


def save_cursor(path, black, hotspot):
    size = CURSOR_SIZE
    white = set()
    for (x, y) in black:
        for dx in (-1, 0, 1):
            for dy in (-1, 0, 1):
                p = (x + dx, y + dy)
                if p not in black and 0 <= p[0] < size and 0 <= p[1] < size:
                    white.add(p)

    def mask(test):
        out = b""
        for y in reversed(range(size)):
            bits = 0
            for x in range(size):
                bits = (bits << 1) | (1 if test(x, y) else 0)
            out += struct.pack(">I", bits)
        return out
    # The screen pixel becomes (screen AND and-mask) XOR xor-mask.
    xor = mask(lambda x, y: (x, y) in white)
    andmask = mask(lambda x, y: (x, y) not in white and (x, y) not in black)
    palette = struct.pack("<II", 0x000000, 0xFFFFFF)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0, len(xor) + len(andmask), 0,
                         0, 2, 0)
    data = header + palette + xor + andmask
    out = struct.pack("<HHH", 0, 2, 1)
    out += struct.pack("<BBBBHHII", size, size, 2, 0, hotspot[0], hotspot[1], len(data), 22)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(out + data)


def main():
    tile = Canvas(4, 4, BORDER)
    save_bmp(tile, "164_border_tile.bmp")
    save_bmp(caption(2), "150_caption_tile.bmp")
    save_bmp(main_left_piece("normal"), "233_main_icon_normal.bmp")
    save_bmp(main_left_piece("pressed"), "234_main_icon_pressed.bmp")
    save_bmp(main_left_piece("hover"), "235_main_icon_hover.bmp")
    save_bmp(title_picture(), "244_main_title.bmp")
    save_bmp(main_right_piece(False, None), "155_main_buttons.bmp")
    save_bmp(main_right_piece(False, "close"), "157_main_buttons_close.bmp")
    save_bmp(main_right_piece(False, "min"), "159_main_buttons_min.bmp")
    save_bmp(main_right_piece(False, "max"), "161_main_buttons_max.bmp")
    save_bmp(main_right_piece(True, None), "236_main_buttons_zoomed.bmp")
    save_bmp(main_right_piece(True, "max"), "237_main_buttons_zoomed_restore.bmp")
    save_bmp(main_right_piece(True, "min"), "239_main_buttons_zoomed_min.bmp")
    save_bmp(main_right_piece(True, "close"), "241_main_buttons_zoomed_close.bmp")
    save_bmp(caption(20), "153_dialog_left.bmp")
    save_bmp(dialog_right_piece("normal"), "178_dialog_close.bmp")
    save_bmp(dialog_right_piece("hover"), "179_dialog_close_hover.bmp")
    save_bmp(dialog_right_piece("pressed"), "180_dialog_close_pressed.bmp")
    for name, (glyph, normal, hover, pressed, disabled) in BUTTONS.items():
        save_bmp(main_button(glyph, "normal"), "%d_%s_normal.bmp" % (normal, name))
        save_bmp(main_button(glyph, "hover"), "%d_%s_hover.bmp" % (hover, name))
        save_bmp(main_button(glyph, "pressed"), "%d_%s_pressed.bmp" % (pressed, name))
        save_bmp(main_button(glyph, "disabled"), "%d_%s_disabled.bmp" % (disabled, name))
    save_bmp(tab_picture(False), "218_tab.bmp")
    save_bmp(tab_picture(True), "219_tab_selected.bmp")
    save_bmp(dialog_button("normal"), "246_dialog_button.bmp")
    save_bmp(dialog_button("hover"), "247_dialog_button_hover.bmp")
    save_bmp(dialog_button("pressed"), "248_dialog_button_pressed.bmp")
    save_bmp(dialog_button("disabled"), "249_dialog_button_disabled.bmp")
    save_icon(os.path.join(DEST, "Tessary.ico"))
    cursors = os.path.join(DEST, "cursors")
    save_cursor(os.path.join(cursors, "145_column_resize.cur"), column_cursor_shape(False),
                (15, 15))
    save_cursor(os.path.join(cursors, "146_column_open.cur"), column_cursor_shape(True), (15, 15))


if __name__ == "__main__":
    main()
