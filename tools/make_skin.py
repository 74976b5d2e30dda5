#!/usr/bin/env python3
"""Draws Vantrel's pictures: the skin bitmaps, the icons and the pointer.

Writes into src/assets/skin/ every picture the program loads (24-bit BMPs,
.ico files with 32-bit BGRA images and an AND mask, a monochrome .cur), and
beside it the resource script src/assets/vantrel.rc and the identifiers
src/assets/resource_ids.h.

The look: a dark slate-blue chrome (navy gradients #1E2A44 .. #2E4A7A) with
light panels (#E8EEF6), an orange-red accent (#E0522D) for highlights and
flat-3D edges made of one-pixel light and dark bevels. The pictures hold no
text; the program draws the captions over them (the tray menu's sidebar is
the one picture with lettering, drawn here in a small pixel font).
Where a picture needs transparency, magenta (255, 0, 255) marks it.

Shapes are signed distance functions sampled on a grid, so edges come out
smooth; only the standard library is used, and every run writes the same
bytes.

    python3 tools/make_skin.py            write the pictures and resources
    python3 tools/make_skin.py --check    fail when a written file differs
"""

import math
import pathlib
import struct
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
ASSETS = ROOT / "src" / "assets"
SKIN = ASSETS / "skin"


def rgb(text):
    value = int(text.lstrip("#"), 16)
    return ((value >> 16) & 255, (value >> 8) & 255, value & 255)


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


# ---------------------------------------------------------------- palette
NAVY_DEEP = rgb("#1E2A44")
NAVY_MID = rgb("#2E4A7A")
NAVY_DARK = rgb("#121A2C")     # shadow edge on the chrome
NAVY_LINE = rgb("#0A101C")     # outermost border
NAVY_BODY = rgb("#263C63")     # body gradient, top
STEEL = rgb("#4A6CA6")         # light edge on the chrome
STEEL_LIGHT = rgb("#7F9CC8")
PANEL = rgb("#E8EEF6")
PANEL_LO = rgb("#D9E2EE")
PANEL_SHADE = rgb("#A9B8CE")
WHITE = rgb("#FFFFFF")
ACCENT = rgb("#E0522D")
ACCENT_LIGHT = rgb("#F48462")
ACCENT_DARK = rgb("#9E3217")
GOLD = rgb("#E8B030")
GOLD_DARK = rgb("#A8741A")
GREEN = rgb("#3E9B5B")
GREEN_DARK = rgb("#23663A")
TEAL = rgb("#2BA39A")
SKY = rgb("#3D9BE0")
KEY = (255, 0, 255)


# ---------------------------------------------------------------- canvas
class Canvas:
    """RGBA pixels, colour channels 0..255 as floats, alpha 0..1."""

    def __init__(self, width, height, color=(0, 0, 0), alpha=0.0):
        self.w = width
        self.h = height
        self.px = [[color[0], color[1], color[2], alpha] for _ in range(width * height)]

    def get(self, x, y):
        return self.px[y * self.w + x]

    def put(self, x, y, color, alpha=1.0):
        if alpha <= 0.0 or not (0 <= x < self.w and 0 <= y < self.h):
            return
        p = self.px[y * self.w + x]
        if alpha >= 1.0:
            p[0], p[1], p[2], p[3] = color[0], color[1], color[2], 1.0
            return
        out = alpha + p[3] * (1.0 - alpha)
        for i in range(3):
            p[i] = (color[i] * alpha + p[i] * p[3] * (1.0 - alpha)) / out
        p[3] = out

    def rect(self, x0, y0, x1, y1, color, alpha=1.0):
        """Fills [x0, x1) x [y0, y1)."""
        for y in range(max(0, y0), min(self.h, y1)):
            for x in range(max(0, x0), min(self.w, x1)):
                self.put(x, y, color, alpha)

    def vgradient(self, x0, y0, x1, y1, top, bottom, alpha=1.0):
        span = max(1, y1 - y0 - 1)
        for y in range(y0, y1):
            c = mix(top, bottom, (y - y0) / span)
            for x in range(x0, x1):
                self.put(x, y, c, alpha)

    def hgradient(self, x0, y0, x1, y1, left, right, alpha=1.0):
        span = max(1, x1 - x0 - 1)
        for x in range(x0, x1):
            c = mix(left, right, (x - x0) / span)
            for y in range(y0, y1):
                self.put(x, y, c, alpha)

    def bevel(self, x0, y0, x1, y1, top_left, bottom_right, alpha=1.0):
        """One-pixel ring on the edge of [x0, x1) x [y0, y1)."""
        for x in range(x0, x1 - 1):
            self.put(x, y0, top_left, alpha)
        for y in range(y0 + 1, y1 - 1):
            self.put(x0, y, top_left, alpha)
        for x in range(x0, x1):
            self.put(x, y1 - 1, bottom_right, alpha)
        for y in range(y0, y1 - 1):
            self.put(x1 - 1, y, bottom_right, alpha)

    def shape(self, sdf, color, box=None, alpha=1.0, ss=1):
        """Paints the inside of a signed distance function (negative inside).

        color is a colour or a function (x, y) -> colour. With ss == 1 the
        edge is smoothed from the distance; ss > 1 also averages ss x ss
        samples per pixel (for small pictures with thin details).
        """
        if box is None:
            box = (0, 0, self.w, self.h)
        x0, y0, x1, y1 = box
        x0, y0 = max(0, int(math.floor(x0))), max(0, int(math.floor(y0)))
        x1, y1 = min(self.w, int(math.ceil(x1))), min(self.h, int(math.ceil(y1)))
        offsets = [(k + 0.5) / ss for k in range(ss)]
        weight = 1.0 / (ss * ss)
        for y in range(y0, y1):
            for x in range(x0, x1):
                cover = 0.0
                for oy in offsets:
                    for ox in offsets:
                        d = sdf(x + ox, y + oy) * ss
                        if d <= -0.5:
                            cover += weight
                        elif d < 0.5:
                            cover += (0.5 - d) * weight
                if cover > 0.0:
                    c = color(x + 0.5, y + 0.5) if callable(color) else color
                    self.put(x, y, c, cover * alpha)

    def blit(self, other, dx, dy):
        for y in range(other.h):
            for x in range(other.w):
                p = other.get(x, y)
                self.put(x + dx, y + dy, (p[0], p[1], p[2]), p[3])

    def stamp(self, rows, x0, y0, palette):
        """Pixel art: one string per row, palette maps a character to a colour."""
        for j, row in enumerate(rows):
            for i, ch in enumerate(row):
                if ch in palette:
                    self.put(x0 + i, y0 + j, palette[ch])


# ---------------------------------------------------------------- shapes
def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def box(x0, y0, x1, y1, radius=0.0):
    """Rectangle [x0, x1] x [y0, y1] with rounded corners."""
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hx, hy = (x1 - x0) / 2 - radius, (y1 - y0) / 2 - radius

    def d(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - radius
    return d


def segment(ax, ay, bx, by, r):
    """A stroke from a to b, r wide on each side, round ends."""
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy or 1e-9

    def d(x, y):
        t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length2))
        return math.hypot(x - ax - t * dx, y - ay - t * dy) - r
    return d


def polyline(points, r):
    parts = [segment(a[0], a[1], b[0], b[1], r) for a, b in zip(points, points[1:])]
    return union(*parts)


def arc_points(cx, cy, radius, start, end, steps=16):
    """Points along a circle, angles in degrees, 0 = east, 90 = south."""
    out = []
    for k in range(steps + 1):
        a = math.radians(start + (end - start) * k / steps)
        out.append((cx + radius * math.cos(a), cy + radius * math.sin(a)))
    return out


def arc(cx, cy, radius, start, end, r, steps=16):
    return polyline(arc_points(cx, cy, radius, start, end, steps), r)


def polygon(points):
    n = len(points)

    def d(x, y):
        best = float("inf")
        inside = False
        for i in range(n):
            ax, ay = points[i]
            bx, by = points[i - 1]
            ex, ey = bx - ax, by - ay
            wx, wy = x - ax, y - ay
            t = max(0.0, min(1.0, (wx * ex + wy * ey) / (ex * ex + ey * ey or 1e-9)))
            best = min(best, math.hypot(wx - ex * t, wy - ey * t))
            if (ay > y) != (by > y) and x < ax + (y - ay) * ex / ey:
                inside = not inside
        return -best if inside else best
    return d


def union(*parts):
    return lambda x, y: min(p(x, y) for p in parts)


def intersect(*parts):
    return lambda x, y: max(p(x, y) for p in parts)


def subtract(a, b):
    return lambda x, y: max(a(x, y), -b(x, y))


def ring(sdf, width):
    """The outline of a shape, width wide, centred on its edge."""
    return lambda x, y: abs(sdf(x, y)) - width / 2


def grow(sdf, amount):
    return lambda x, y: sdf(x, y) - amount


def rotated(sdf, cx, cy, degrees):
    c, s = math.cos(math.radians(degrees)), math.sin(math.radians(degrees))
    return lambda x, y: sdf(cx + (x - cx) * c + (y - cy) * s, cy - (x - cx) * s + (y - cy) * c)


def star_points(cx, cy, outer, inner, count=5, start=-90.0):
    pts = []
    for k in range(count * 2):
        r = outer if k % 2 == 0 else inner
        a = math.radians(start + 180.0 * k / count)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def gear(cx, cy, outer, inner, hole, teeth, tooth_width):
    parts = [circle(cx, cy, inner)]
    for k in range(teeth):
        a = 360.0 * k / teeth
        tooth = box(cx - tooth_width / 2, cy - outer, cx + tooth_width / 2, cy, tooth_width * 0.18)
        parts.append(rotated(tooth, cx, cy, a))
    return subtract(union(*parts), circle(cx, cy, hole))


def vshade(y0, y1, top, bottom):
    """A vertical gradient as a colour function for Canvas.shape."""
    return lambda x, y: mix(top, bottom, max(0.0, min(1.0, (y - y0) / max(1e-9, y1 - y0))))


# ---------------------------------------------------------------- files
def to_bgr_rows(canvas, key=None, matte=None):
    """Rows of (r, g, b) bytes; see-through pixels become the key colour."""
    rows = []
    for y in range(canvas.h):
        row = []
        for x in range(canvas.w):
            r, g, b, a = canvas.get(x, y)
            if key is not None and a < 0.5:
                row.append(key)
                continue
            if a < 1.0:
                base = matte if matte is not None else (0, 0, 0)
                r, g, b = (r * a + base[0] * (1 - a), g * a + base[1] * (1 - a), b * a + base[2] * (1 - a))
            row.append((int(round(r)), int(round(g)), int(round(b))))
        rows.append(row)
    return rows


def bmp_bytes(canvas, key=None, matte=None):
    """24-bit, bottom-up, uncompressed."""
    rows = to_bgr_rows(canvas, key, matte)
    stride = (canvas.w * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += b"\0" * (stride - len(line))
        data += line
    header = struct.pack("<IiiHHIIiiII", 40, canvas.w, canvas.h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    file_header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(data), 0, 0, 14 + 40)
    return file_header + header + bytes(data)


def mask_rows(width, height, opaque):
    """A 1-bit mask, bottom-up, rows padded to 32 bits; opaque(x, y) -> bool."""
    stride = ((width + 31) // 32) * 4
    out = bytearray()
    for y in reversed(range(height)):
        line = bytearray(stride)
        for x in range(width):
            if not opaque(x, y):
                line[x // 8] |= 0x80 >> (x % 8)
        out += line
    return bytes(out)


def icon_image(canvas):
    """One 32-bit image of an .ico: header, BGRA rows bottom-up, AND mask."""
    w, h = canvas.w, canvas.h
    pixels = bytearray()
    for y in reversed(range(h)):
        for x in range(w):
            r, g, b, a = canvas.get(x, y)
            alpha = int(round(a * 255))
            if alpha == 0:
                pixels += b"\0\0\0\0"
            else:
                pixels += bytes((int(round(b)), int(round(g)), int(round(r)), alpha))
    mask = mask_rows(w, h, lambda x, y: canvas.get(x, y)[3] >= 0.5)
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
    return header + bytes(pixels) + mask


def ico_bytes(canvases):
    count = len(canvases)
    images = [icon_image(c) for c in canvases]
    out = struct.pack("<HHH", 0, 1, count)
    offset = 6 + 16 * count
    for c, image in zip(canvases, images):
        out += struct.pack("<BBBBHHII", c.w % 256, c.h % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return out + b"".join(images)


def cur_bytes(rows, hotspot, size=32):
    """A monochrome cursor: '#' black, '.' white, anything else see-through."""
    def at(x, y):
        return rows[y][x] if y < len(rows) and x < len(rows[y]) else " "
    xor = mask_rows(size, size, lambda x, y: at(x, y) != ".")  # bit set = white
    and_mask = mask_rows(size, size, lambda x, y: at(x, y) in "#.")
    palette = struct.pack("<II", 0x000000, 0xFFFFFF)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0, len(xor) + len(and_mask), 0, 0, 2, 0)
    image = header + palette + xor + and_mask
    out = struct.pack("<HHH", 0, 2, 1)
    out += struct.pack("<BBBBHHII", size, size, 2, 0, hotspot[0], hotspot[1], len(image), 6 + 16)
    return out + image


# ---------------------------------------------------------------- main window
W, H = 330, 271
TAB_ROW = rgb("#162036")


def main_back():
    c = Canvas(W, H, NAVY_DEEP, 1.0)
    # Title bar: deep on the left, where the caption sits, lighter to the right.
    c.hgradient(0, 0, W, 30, NAVY_DEEP, NAVY_MID)
    for x in range(W):
        c.put(x, 1, STEEL, 0.35)
    c.rect(0, 29, W, 30, NAVY_DARK)
    # An accent rule under the caption, fading out to the right.
    for x in range(8, 200):
        c.put(x, 28, ACCENT, 1.0 - (x - 8) / 192.0)
    # Title area: a light name plate, sunk into the bar, for a dark caption.
    c.vgradient(8, 6, 200, 26, PANEL, PANEL_LO)
    c.rect(8, 6, 200, 7, PANEL_SHADE)
    c.bevel(7, 5, 201, 27, NAVY_LINE, STEEL_LIGHT)
    # Body.
    c.vgradient(0, 30, W, 244, NAVY_BODY, NAVY_DEEP)
    c.rect(0, 30, W, 31, STEEL, 0.45)
    # cadreH: a lighter band behind the entry box and its button.
    c.vgradient(6, 32, 324, 66, rgb("#3C5E96"), rgb("#314F82"))
    c.bevel(6, 32, 324, 66, NAVY_DARK, STEEL_LIGHT)
    c.rect(12, 39, 232, 61, WHITE)
    c.bevel(11, 38, 233, 62, NAVY_DARK, STEEL_LIGHT)
    # List: a two-pixel sunken frame around a light panel.
    c.rect(8, 74, 322, 220, PANEL)
    c.bevel(6, 72, 324, 222, NAVY_DARK, STEEL_LIGHT)
    c.bevel(7, 73, 323, 221, NAVY_LINE, PANEL_SHADE)
    # Count line: a shallow dark recess for a line of light text.
    c.vgradient(7, 225, 323, 243, rgb("#1A2740"), rgb("#20304E"))
    c.bevel(6, 224, 324, 244, NAVY_DARK, STEEL, 0.9)
    # Tab row.
    c.rect(0, 244, W, H, TAB_ROW)
    c.rect(0, 244, W, 245, NAVY_LINE)
    c.rect(0, 269, W, H, NAVY_DARK)
    # Window border: dark outside, a light line inside.
    c.bevel(1, 1, W - 1, H - 1, STEEL, NAVY_DARK, 0.6)
    c.bevel(0, 0, W, H, NAVY_LINE, NAVY_LINE)
    return c


# ---------------------------------------------------------------- pages
PAGE_W, PAGE_H = 330, 237
INK = NAVY_MID  # watermark colour, painted at a low alpha


def watermark_windows(c, cx, cy):
    for k in range(3):
        x0 = cx - 62 + k * 20
        y0 = cy - 50 + k * 18
        frame = box(x0, y0, x0 + 84, y0 + 62, 6)
        area = (x0 - 4, y0 - 4, x0 + 90, y0 + 68)
        c.shape(frame, vshade(22, PAGE_H, PANEL, PANEL_LO), area)  # hides the window behind
        c.shape(ring(frame, 5), INK, area, 0.10)
        c.shape(box(x0, y0, x0 + 84, y0 + 14, 5), INK, area, 0.10)
    x0, y0 = cx - 22, cy - 14
    c.shape(segment(x0 + 66, y0 + 8, x0 + 74, y0 + 16, 1.8), INK, (x0 + 60, y0, x0 + 82, y0 + 24), 0.12)
    c.shape(segment(x0 + 74, y0 + 8, x0 + 66, y0 + 16, 1.8), INK, (x0 + 60, y0, x0 + 82, y0 + 24), 0.12)


def watermark_gear(c, cx, cy):
    g = gear(cx, cy, 62, 48, 20, 10, 18)
    c.shape(g, INK, (cx - 66, cy - 66, cx + 66, cy + 66), 0.09)
    c.shape(ring(circle(cx, cy, 34), 4), INK, (cx - 40, cy - 40, cx + 40, cy + 40), 0.05)


def watermark_chart(c, cx, cy):
    base = cy + 52
    heights = [38, 66, 50, 92]
    for k, h in enumerate(heights):
        x0 = cx - 66 + k * 34
        c.shape(box(x0, base - h, x0 + 24, base + 4, 4), INK, (x0 - 2, base - h - 2, x0 + 26, base + 6), 0.10)
    c.shape(box(cx - 76, base + 8, cx + 74, base + 14, 3), INK, (cx - 78, base + 6, cx + 76, base + 16), 0.10)
    trend = [(cx - 54, base - 58), (cx - 20, base - 84), (cx + 14, base - 70), (cx + 48, base - 112)]
    c.shape(polyline(trend, 2.5), ACCENT, (cx - 60, base - 118, cx + 54, base - 50), 0.10)


def watermark_question(c, cx, cy):
    hook = arc_points(cx, cy - 30, 30, 180, 360 + 50, 24)
    stroke = polyline(hook + [(cx + 2, cy + 10), (cx + 2, cy + 24)], 11)
    c.shape(stroke, INK, (cx - 46, cy - 76, cx + 46, cy + 40), 0.10)
    c.shape(circle(cx + 2, cy + 50, 12), INK, (cx - 12, cy + 36, cx + 16, cy + 64), 0.10)


PAGES = {
    "page_windows": (ACCENT, watermark_windows),
    "page_options": (TEAL, watermark_gear),
    "page_stats": (GOLD, watermark_chart),
    "page_help": (SKY, watermark_question),
}


def page(stripe, motif):
    c = Canvas(PAGE_W, PAGE_H, PANEL, 1.0)
    # Header strip, where the page title goes.
    c.hgradient(0, 0, PAGE_W, 22, NAVY_DEEP, NAVY_MID)
    c.rect(0, 0, PAGE_W, 3, stripe)
    c.rect(0, 3, PAGE_W, 4, mix(stripe, NAVY_DEEP, 0.5))
    c.rect(0, 21, PAGE_W, 22, NAVY_DARK)
    # Body: a light panel, barely darker towards the bottom.
    c.vgradient(0, 22, PAGE_W, PAGE_H, PANEL, PANEL_LO)
    c.rect(0, 22, PAGE_W, 23, WHITE, 0.8)
    motif(c, 250, 150)
    # Frame: light inside edge, shaded outside edge.
    c.bevel(0, 22, PAGE_W, PAGE_H, WHITE, PANEL_SHADE)
    c.rect(0, 0, 1, 22, NAVY_DARK, 0.6)
    c.rect(PAGE_W - 1, 0, PAGE_W, 22, NAVY_DARK, 0.6)
    return c


# ---------------------------------------------------------------- buttons
def tab(hover):
    """A light tab face for a dark label; the highlighted one is whiter and
    carries an accent rule along its top."""
    w, h = 106, 24
    c = Canvas(w, h, TAB_ROW, 1.0)
    if hover:
        top, bottom, light, dark = rgb("#FAFCFE"), rgb("#DCE4F0"), WHITE, rgb("#9AABC4")
    else:
        top, bottom, light, dark = rgb("#D9E2EE"), rgb("#BCC9DC"), rgb("#EEF2F8"), rgb("#8596B2")
    c.vgradient(1, 0, w - 1, h - 1, top, bottom)
    c.bevel(1, 0, w - 1, h - 1, light, dark)
    c.bevel(0, 0, w, h, NAVY_LINE, NAVY_LINE)
    # Rounded lower corners, showing the tab row behind.
    for x, y in ((0, h - 1), (w - 1, h - 1)):
        c.put(x, y, TAB_ROW)
    for x, y in ((1, h - 2), (w - 2, h - 2)):
        c.put(x, y, NAVY_LINE, 0.7)
    if hover:
        c.rect(1, 0, w - 1, 2, ACCENT)
        c.rect(1, 2, w - 1, 3, ACCENT_LIGHT, 0.5)
    return c


def button(w, hover):
    """A light raised face for a dark caption; highlighted, it warms up and
    takes an accent edge."""
    h = 24
    if hover:
        top, bottom, light, dark, edge = rgb("#FFF5F0"), rgb("#F6CDBB"), WHITE, rgb("#D98F74"), ACCENT_DARK
    else:
        top, bottom, light, dark, edge = rgb("#F6F9FC"), rgb("#D0DAE8"), WHITE, rgb("#9AABC4"), NAVY_DEEP
    c = Canvas(w, h, edge, 1.0)
    c.vgradient(1, 1, w - 1, h - 1, top, bottom)
    c.bevel(1, 1, w - 1, h - 1, light, dark)
    if hover:
        c.rect(2, h - 3, w - 2, h - 2, ACCENT, 0.8)
    c.bevel(0, 0, w, h, edge, edge)
    # Softened corners.
    for x, y in ((0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1)):
        c.put(x, y, mix(edge, top if y == 0 else bottom, 0.5))
    return c


def small_button(size, hover):
    c = Canvas(size, size, NAVY_DARK, 1.0)
    if hover:
        c.vgradient(1, 1, size - 1, size - 1, ACCENT_LIGHT, rgb("#C8441F"))
        c.bevel(1, 1, size - 1, size - 1, rgb("#FFB49A"), ACCENT_DARK)
        c.bevel(0, 0, size, size, rgb("#6E200C"), rgb("#6E200C"))
    else:
        c.vgradient(1, 1, size - 1, size - 1, rgb("#3E5F96"), rgb("#27416D"))
        c.bevel(1, 1, size - 1, size - 1, STEEL_LIGHT, rgb("#1C2E50"))
        c.bevel(0, 0, size, size, NAVY_LINE, NAVY_LINE)
    return c


QUESTION_20 = [
    ".#####.",
    "##...##",
    "##...##",
    "....##.",
    "...##..",
    "..##...",
    "..##...",
    ".......",
    "..##...",
    "..##...",
]


def glyph_shadow(c, rows, x0, y0, color, shadow):
    c.stamp(rows, x0 + 1, y0 + 1, {"#": shadow})
    c.stamp(rows, x0, y0, {"#": color})


def help_button(hover):
    c = small_button(20, hover)
    glyph_shadow(c, QUESTION_20, 7, 5, WHITE if hover else PANEL, ACCENT_DARK if hover else NAVY_DARK)
    return c


def minimise_button(hover):
    c = small_button(20, hover)
    c.rect(6, 13, 15, 14, ACCENT_DARK if hover else NAVY_DARK)
    c.rect(6, 14, 15, 15, ACCENT_DARK if hover else NAVY_DARK)
    c.rect(5, 12, 14, 14, WHITE if hover else PANEL)
    return c


def close_button(hover):
    c = small_button(16, hover)
    ink = WHITE if hover else PANEL
    shadow = ACCENT_DARK if hover else NAVY_DARK
    for dx, color in ((0.7, shadow), (0.0, ink)):
        cross = union(segment(5 + dx, 5 + dx, 11 + dx, 11 + dx, 1.05), segment(11 + dx, 5 + dx, 5 + dx, 11 + dx, 1.05))
        c.shape(cross, color, (2, 2, 14, 14), ss=4)
    return c


def speaker(c, s, body, body_edge, waves, ox=0.0, oy=0.0):
    """A loudspeaker in a box of 32 * s pixels."""
    def p(x, y):
        return (ox + x * s, oy + y * s)
    cone = polygon([p(4, 11.5), p(10, 11.5), p(18, 4), p(18, 28), p(10, 20.5), p(4, 20.5)])
    cone = union(cone, box(*p(3, 11), *p(11, 21), 1.5 * s))
    area = (ox, oy, ox + 32 * s, oy + 32 * s)
    c.shape(grow(cone, max(1.0, 1.2 * s)), body_edge, area, ss=3)
    c.shape(cone, vshade(oy + 4 * s, oy + 28 * s, mix(body, WHITE, 0.35), body), area, ss=3)
    c.shape(box(*p(10, 11.5), *p(11.2, 20.5)), body_edge, area, 0.5, ss=3)
    cx, cy = p(18.5, 16)
    for radius in (5.0, 10.0):
        c.shape(arc(cx, cy, radius * s, -46, 46, 1.25 * s), waves, area, ss=3)


def sound_picture(hover):
    c = Canvas(32, 32)
    if hover:
        speaker(c, 1.0, rgb("#3E64A4"), NAVY_DEEP, ACCENT)
    else:
        speaker(c, 1.0, NAVY_MID, NAVY_DEEP, STEEL)
    return c


# ---------------------------------------------------------------- sound dialog
SOUND_W, SOUND_H = 280, 132


def sound_back():
    """The sound dialog: a title bar with a light name plate, and a sunken
    light panel holding the check box, the path field and the two buttons."""
    c = Canvas(SOUND_W, SOUND_H, NAVY_DEEP, 1.0)
    c.hgradient(0, 0, SOUND_W, 30, NAVY_DEEP, NAVY_MID)
    for x in range(SOUND_W):
        c.put(x, 1, STEEL, 0.35)
    c.rect(0, 29, SOUND_W, 30, NAVY_DARK)
    for x in range(8, 140):
        c.put(x, 28, ACCENT, 1.0 - (x - 8) / 132.0)
    # Name plate for the dark caption.
    c.vgradient(8, 6, 120, 25, PANEL, PANEL_LO)
    c.rect(8, 6, 120, 7, PANEL_SHADE)
    c.bevel(7, 5, 121, 26, NAVY_LINE, STEEL_LIGHT)
    # Body and its panel, flat so the check box's own background matches.
    c.vgradient(0, 30, SOUND_W, SOUND_H, NAVY_BODY, NAVY_DEEP)
    c.rect(0, 30, SOUND_W, 31, STEEL, 0.45)
    c.rect(8, 36, 272, 124, PANEL)
    c.bevel(6, 34, 274, 126, NAVY_DARK, STEEL_LIGHT)
    c.bevel(7, 35, 273, 125, NAVY_LINE, PANEL_SHADE)
    # An accent mark beside the check box row.
    c.rect(8, 36, 11, 60, ACCENT)
    # The path field: white, sunken.
    c.rect(16, 64, 264, 86, WHITE)
    c.bevel(15, 63, 265, 87, PANEL_SHADE, WHITE)
    c.bevel(16, 64, 264, 86, NAVY_DARK, PANEL_LO)
    # A faint loudspeaker in the free corner of the button row.
    speaker(c, 1.0, mix(PANEL, NAVY_MID, 0.35), mix(PANEL, NAVY_DEEP, 0.35), mix(PANEL, ACCENT, 0.6), 18, 90)
    # Window border.
    c.bevel(1, 1, SOUND_W - 1, SOUND_H - 1, STEEL, NAVY_DARK, 0.6)
    c.bevel(0, 0, SOUND_W, SOUND_H, NAVY_LINE, NAVY_LINE)
    return c


# ---------------------------------------------------------------- emblem
def emblem(c, size, angle, ox=0, oy=0, badge=True):
    """The Vantrel motif: a window closed by a red badge with an "x".

    angle turns the "x" (the tray animation), in degrees.
    """
    s = size / 32.0
    ss = 4
    line = max(1.0, 1.5 * s)
    area = (ox, oy, ox + size, oy + size)

    def p(x, y):
        return (ox + x * s, oy + y * s)
    wx0, wy0 = p(2, 4)
    wx1, wy1 = p(27, 26)
    if size <= 16:
        wx0, wy0, wx1, wy1 = ox + 0.0, oy + 1.0, ox + 14.0, oy + 13.0
    window = box(wx0, wy0, wx1, wy1, 2.5 * s)
    c.shape(window, NAVY_LINE, area, ss=ss)
    inner = box(wx0 + line, wy0 + line, wx1 - line, wy1 - line, max(0.5, 1.5 * s))
    c.shape(inner, vshade(wy0, wy1, WHITE, PANEL_LO), area, ss=ss)
    bar_h = max(3.0, 6.0 * s)
    c.shape(intersect(inner, box(wx0, wy0, wx1, wy0 + line + bar_h)),
            vshade(wy0, wy0 + bar_h, STEEL, NAVY_MID), area, ss=ss)
    if size >= 32:
        for k, frac in enumerate((0.75, 0.55, 0.62)):
            y = wy0 + line + bar_h + (4 + 4 * k) * s
            x0 = wx0 + line + 3 * s
            c.shape(box(x0, y, x0 + (wx1 - wx0 - 14 * s) * frac, y + 1.6 * s), PANEL_SHADE, area, ss=ss)
    if not badge:
        return
    bx, by = p(22.5, 22.5)
    radius = 8.6 * s
    if size <= 16:
        bx, by, radius = ox + 11.0, oy + 11.0, 4.9
    c.shape(circle(bx, by, radius + max(1.0, 1.3 * s)), WHITE, area, ss=ss)
    c.shape(circle(bx, by, radius), vshade(by - radius, by + radius, ACCENT_LIGHT, rgb("#C03E1C")), area, ss=ss)
    c.shape(ring(circle(bx, by, radius - 0.5), 1.0), ACCENT_DARK, area, 0.6, ss=ss)
    if size <= 16 and angle % 90 == 0:
        # Upright, the small "x" is drawn pixel by pixel to stay sharp.
        c.stamp(SMALL_X, int(bx) - 3, int(by) - 3, {"#": WHITE})
        return
    arm = radius * 0.52
    width = max(0.75, 1.45 * s)
    cross = union(segment(bx - arm, by - arm, bx + arm, by + arm, width),
                  segment(bx + arm, by - arm, bx - arm, by + arm, width))
    c.shape(rotated(cross, bx, by, angle), WHITE, area, ss=ss)


SMALL_X = [
    "##..##",
    ".####.",
    "..##..",
    "..##..",
    ".####.",
    "##..##",
]


def emblem_canvas(size, angle):
    c = Canvas(size, size)
    emblem(c, size, angle)
    return c


# ---------------------------------------------------------------- menu images
QUESTION_16 = [
    ".####.",
    "##..##",
    "....##",
    "...##.",
    "..##..",
    "..##..",
    "......",
    "..##..",
    "..##..",
]
INFO_16 = [
    ".##.",
    ".##.",
    "....",
    "###.",
    ".##.",
    ".##.",
    ".##.",
    "####",
]


def mi_minimise(c):
    c.shape(polygon([(4.5, 2), (11.5, 2), (11.5, 6), (14, 6), (8, 11), (2, 6), (4.5, 6)]), NAVY_LINE, ss=4)
    c.shape(polygon([(5.5, 3), (10.5, 3), (10.5, 7), (12, 7), (8, 10), (4, 7), (5.5, 7)]), STEEL, ss=4)
    c.rect(2, 12, 14, 15, NAVY_LINE)
    c.rect(3, 13, 13, 14, ACCENT)


def mi_list(c):
    c.rect(1, 1, 15, 15, NAVY_LINE)
    c.rect(2, 2, 14, 14, WHITE)
    for k, y in enumerate((3, 7, 11)):
        c.rect(3, y, 5, y + 2, ACCENT if k == 0 else STEEL)
        c.rect(6, y, 13, y + 2, NAVY_MID if k == 0 else PANEL_SHADE)


def small_window(c, x0, y0, x1, y1):
    c.rect(x0, y0, x1, y1, NAVY_LINE)
    c.rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, WHITE)
    c.rect(x0 + 1, y0 + 1, x1 - 1, y0 + 3, NAVY_MID)


def mi_destroy_all(c):
    small_window(c, 1, 1, 11, 9)
    small_window(c, 4, 4, 15, 13)
    cross = union(segment(6, 6.5, 13.5, 14, 1.35), segment(13.5, 6.5, 6, 14, 1.35))
    c.shape(grow(cross, 0.9), WHITE, ss=4)
    c.shape(cross, ACCENT, ss=4)


def mi_stats(c):
    for x0, h, color in ((2, 5, STEEL), (6, 9, NAVY_MID), (10, 12, ACCENT)):
        c.rect(x0, 14 - h, x0 + 4, 14, NAVY_LINE)
        c.rect(x0 + 1, 15 - h, x0 + 3, 14, color)
    c.rect(1, 14, 15, 15, NAVY_LINE)


def mi_refresh(c):
    cx, cy, radius, end = 8.0, 8.4, 5.0, 290.0
    c.shape(grow(arc(cx, cy, radius, 25, end - 8, 1.3, 20), 0.7), NAVY_LINE, ss=4)
    c.shape(arc(cx, cy, radius, 25, end - 8, 1.3, 20), STEEL, ss=4)
    # The arrow head at the upper end points along the turn (clockwise).
    a = math.radians(end)
    ex, ey = cx + radius * math.cos(a), cy + radius * math.sin(a)
    tx, ty = -math.sin(a), math.cos(a)
    nx, ny = math.cos(a), math.sin(a)
    head = polygon([(ex + tx * 3.2, ey + ty * 3.2),
                    (ex - tx * 1.0 + nx * 3.4, ey - ty * 1.0 + ny * 3.4),
                    (ex - tx * 1.0 - nx * 3.4, ey - ty * 1.0 - ny * 3.4)])
    c.shape(head, ACCENT, ss=4)


def mi_show(c):
    c.rect(1, 2, 15, 14, NAVY_LINE)
    c.rect(2, 3, 14, 13, WHITE)
    c.rect(2, 3, 14, 6, NAVY_MID)
    c.rect(11, 4, 13, 5, ACCENT)
    c.rect(4, 8, 12, 9, PANEL_SHADE)
    c.rect(4, 10, 10, 11, PANEL_SHADE)


def mi_add(c):
    plus = union(box(6, 2, 10, 14, 0.8), box(2, 6, 14, 10, 0.8))
    c.shape(grow(plus, 1.0), GREEN_DARK, ss=4)
    c.shape(plus, vshade(2, 14, rgb("#6CC487"), GREEN), ss=4)


def mi_options(c):
    g = gear(8, 8, 7.2, 5.3, 2.2, 8, 2.8)
    c.shape(grow(g, 0.6), NAVY_LINE, ss=4)
    c.shape(g, vshade(1, 15, STEEL_LIGHT, NAVY_MID), ss=4)


def mi_help(c):
    c.shape(circle(8, 8, 7.4), NAVY_LINE, ss=4)
    c.shape(circle(8, 8, 6.5), vshade(1, 15, SKY, NAVY_MID), ss=4)
    c.stamp(QUESTION_16, 5, 3, {"#": WHITE})


def mi_sound(c):
    cone = union(box(1.5, 5.5, 6, 10.5, 0.6), polygon([(4.5, 5.5), (9, 1.5), (9, 14.5), (4.5, 10.5)]))
    c.shape(cone, NAVY_LINE, ss=4)
    c.shape(grow(cone, -1.0), vshade(2, 14, STEEL_LIGHT, NAVY_MID), ss=4)
    for radius in (2.6, 5.2):
        c.shape(arc(9.2, 8, radius, -50, 50, 0.85, 10), ACCENT, ss=4)


def mi_quit(c):
    c.shape(arc(8, 8.6, 5.3, -55, 235, 1.35, 20), ACCENT, ss=4)
    c.shape(segment(8, 1.6, 8, 7.6, 1.35), ACCENT, ss=4)


def mi_info(c):
    c.shape(circle(8, 8, 7.4), NAVY_LINE, ss=4)
    c.shape(circle(8, 8, 6.5), vshade(1, 15, SKY, NAVY_MID), ss=4)
    c.stamp(INFO_16, 6, 4, {"#": WHITE})


def mi_folder(c):
    back = union(box(1, 3, 7, 6, 0.8), box(1, 4.5, 15, 14, 0.8))
    c.shape(back, GOLD_DARK, ss=4)
    c.shape(box(2, 5.5, 14, 13, 0.3), rgb("#D49A22"), ss=4)
    front = polygon([(3.2, 7.5), (15.4, 7.5), (13.6, 14), (1.2, 14)])
    c.shape(front, GOLD_DARK, ss=4)
    c.shape(polygon([(3.9, 8.5), (14.1, 8.5), (12.8, 13), (2.5, 13)]), vshade(8, 13, rgb("#F6CF6A"), GOLD), ss=4)


def mi_web(c):
    c.shape(circle(8, 8, 7.2), NAVY_LINE, ss=4)
    c.shape(circle(8, 8, 6.3), vshade(1, 15, SKY, NAVY_MID), ss=4)
    lines = union(
        ring(box(4.6, 1.6, 11.4, 14.4, 3.4), 0.9),
        box(7.6, 1.5, 8.4, 14.5),
        box(1.5, 7.6, 14.5, 8.4),
        box(2.5, 4.6, 13.5, 5.2),
        box(2.5, 10.8, 13.5, 11.4),
    )
    c.shape(intersect(lines, circle(8, 8, 6.3)), PANEL, alpha=0.85, ss=4)


def mi_star(c):
    pts = star_points(8, 8.6, 7.6, 3.2)
    c.shape(polygon(pts), GOLD_DARK, ss=4)
    c.shape(polygon(star_points(8, 8.6, 5.9, 2.5)), vshade(2, 14, rgb("#FFE08A"), GOLD), ss=4)


MENU_IMAGES = [mi_minimise, mi_list, mi_destroy_all, mi_stats, mi_refresh, mi_show, mi_add, mi_options,
               mi_help, mi_sound, mi_quit, mi_info, mi_folder, mi_web, mi_star]


def menu_strip():
    strip = Canvas(16 * len(MENU_IMAGES), 16)
    for k, draw in enumerate(MENU_IMAGES):
        cell = Canvas(16, 16)
        draw(cell)
        strip.blit(cell, 16 * k, 0)
    return strip


# ---------------------------------------------------------------- sidebar
# The word is drawn in a bold pixel font, 14 pixels high, two-pixel strokes.
FONT = {
    "V": [
        "##......##",
        "##......##",
        "##......##",
        ".##....##.",
        ".##....##.",
        ".##....##.",
        ".##....##.",
        "..##..##..",
        "..##..##..",
        "..##..##..",
        "...####...",
        "...####...",
        "...####...",
        "....##....",
    ],
    "a": [""] * 4 + [
        ".######.",
        "##....##",
        "......##",
        "..######",
        ".##...##",
        "##....##",
        "##....##",
        "##....##",
        "##...###",
        ".####.##",
    ],
    "n": [""] * 4 + [
        "##.####.",
        "###..###",
        "##....##",
        "##....##",
        "##....##",
        "##....##",
        "##....##",
        "##....##",
        "##....##",
        "##....##",
    ],
    "t": [""] + [
        ".##....",
        ".##....",
        ".##....",
        "######.",
        "######.",
        ".##....",
        ".##....",
        ".##....",
        ".##....",
        ".##....",
        ".##...#",
        "..####.",
        "..###..",
    ],
    "r": [""] * 4 + [
        "##.####",
        "###..##",
        "###....",
        "##.....",
        "##.....",
        "##.....",
        "##.....",
        "##.....",
        "##.....",
        "##.....",
    ],
    "e": [""] * 4 + [
        "..####..",
        ".##..##.",
        "##....##",
        "##....##",
        "########",
        "##......",
        "##......",
        "##....##",
        ".##..##.",
        "..####..",
    ],
    "l": [
        "###",
        ".##",
        ".##",
        ".##",
        ".##",
        ".##",
        ".##",
        ".##",
        ".##",
        ".##",
        ".##",
        ".##",
        ".##",
        ".##",
    ],
}


def text_canvas(word, color, shadow, spacing=2):
    widths = [max(len(r) for r in FONT[ch]) for ch in word]
    width = sum(widths) + spacing * (len(word) - 1) + 1
    c = Canvas(width, 15)
    x = 0
    for ch, w in zip(word, widths):
        c.stamp(FONT[ch], x + 1, 1, {"#": shadow})
        x += w + spacing
    x = 0
    for ch, w in zip(word, widths):
        c.stamp(FONT[ch], x, 0, {"#": color})
        x += w + spacing
    return c


def rotate_left(src):
    """Quarter turn anticlockwise: text then reads from bottom to top."""
    out = Canvas(src.h, src.w)
    for y in range(src.h):
        for x in range(src.w):
            p = src.get(x, y)
            q = out.get(y, src.w - 1 - x)
            q[:] = p
    return out


def sidebar():
    w, h = 30, 158
    c = Canvas(w, h)
    band = box(1, 1, 28, 157, 4)
    c.shape(band, NAVY_LINE, ss=2)
    c.shape(box(2, 2, 27, 156, 3), vshade(2, 156, NAVY_DEEP, NAVY_MID), ss=2)
    c.shape(box(3, 3, 26, 155, 2.5), vshade(2, 156, rgb("#1A2640"), rgb("#2A4470")), ss=2)
    # An accent rule along the band's right edge.
    c.rect(24, 40, 25, 150, ACCENT)
    c.rect(23, 40, 24, 150, ACCENT_DARK, 0.6)
    emblem(c, 22, 0, 3, 7)
    # A small diamond between the motif and the word.
    c.shape(polygon([(12.5, 34), (15.5, 37), (12.5, 40), (9.5, 37)]), ACCENT, ss=4)
    word = rotate_left(text_canvas("Vantrel", PANEL, NAVY_LINE))
    c.blit(word, 5, h - 6 - word.h)
    return c


# ---------------------------------------------------------------- cursor
HAND = [
    "      ##          ",
    "     #..#         ",
    "     #..#         ",
    "     #..#         ",
    "     #..#         ",
    "     #..###       ",
    "     #..#..###    ",
    "     #..#..#..##  ",
    "     #..#..#..#.# ",
    " ##  #..#..#..#..#",
    "#..# #...........#",
    "#...##...........#",
    " #...#...........#",
    "  #..............#",
    "  #..............#",
    "   #.............#",
    "   #............# ",
    "    #...........# ",
    "    #..........#  ",
    "     #.........#  ",
    "     #.........#  ",
    "     ###########  ",
]
HAND_HOTSPOT = (6, 0)


# ---------------------------------------------------------------- resources
BITMAPS = [
    ("IDB_MAIN_BACK", 101, "main_back"),
    ("IDB_PAGE_WINDOWS", 102, "page_windows"),
    ("IDB_PAGE_OPTIONS", 103, "page_options"),
    ("IDB_PAGE_STATS", 104, "page_stats"),
    ("IDB_PAGE_HELP", 105, "page_help"),
    ("IDB_TAB", 106, "tab"),
    ("IDB_TAB_HOVER", 107, "tab_hover"),
    ("IDB_BUTTON", 108, "button"),
    ("IDB_BUTTON_HOVER", 109, "button_hover"),
    ("IDB_BUTTON_WIDE", 110, "button_wide"),
    ("IDB_BUTTON_WIDE_HOVER", 111, "button_wide_hover"),
    ("IDB_HELP", 112, "help"),
    ("IDB_HELP_HOVER", 113, "help_hover"),
    ("IDB_MINIMISE", 114, "minimise"),
    ("IDB_MINIMISE_HOVER", 115, "minimise_hover"),
    ("IDB_SOUND", 116, "sound"),
    ("IDB_SOUND_HOVER", 117, "sound_hover"),
    ("IDB_CLOSE", 118, "close"),
    ("IDB_CLOSE_HOVER", 119, "close_hover"),
    ("IDB_MENU_IMAGES", 120, "menu_images"),
    ("IDB_SIDEBAR", 121, "sidebar"),
    ("IDB_SOUND_BACK", 122, "sound_back"),
]
ICONS = [
    ("IDI_APP", 1, "app"),
    ("IDI_TRAY0", 11, "tray0"),
    ("IDI_TRAY1", 12, "tray1"),
    ("IDI_TRAY2", 13, "tray2"),
]
CURSORS = [
    ("IDC_POINTER", 21, "pointer"),
]


def resource_ids_h():
    lines = [
        "// Resource identifiers of Vantrel's pictures, icons and pointer.",
        "// Written by tools/make_skin.py together with vantrel.rc and the skin;",
        "// plain #defines so that both C++ and the resource compiler read them.",
        "#ifndef VANTREL_ASSETS_RESOURCE_IDS_H",
        "#define VANTREL_ASSETS_RESOURCE_IDS_H",
        "",
        "// Icons: IDI_APP comes first, so it is the executable's icon.",
    ]
    width = 26
    for name, number, _ in ICONS:
        lines.append(f"#define {name:<{width}}{number}")
    lines += ["", "// Cursors."]
    for name, number, _ in CURSORS:
        lines.append(f"#define {name:<{width}}{number}")
    lines += [
        "",
        "// Bitmaps, 24-bit. Magenta (255, 0, 255) marks the see-through pixels of",
        "// the pictures that have some (sound, menu images, sidebar).",
    ]
    for name, number, _ in BITMAPS:
        lines.append(f"#define {name:<{width}}{number}")
    lines += [
        "",
        "// IDB_MENU_IMAGES holds 15 images of 16x16, left to right, numbered from 1:",
        "// 1 minimise, 2 window list, 3 destroy all, 4 statistics, 5 refresh,",
        "// 6 show the main window, 7 add, 8 options, 9 help, 10 sound, 11 quit,",
        "// 12 information, 13 folder, 14 web, 15 star.",
        f"#define {'VANTREL_MENU_IMAGE_SIZE':<{width}}16",
        f"#define {'VANTREL_MENU_IMAGE_COUNT':<{width}}{len(MENU_IMAGES)}",
        "",
        "#endif  // VANTREL_ASSETS_RESOURCE_IDS_H",
        "",
    ]
    return "\n".join(lines).encode("ascii")


def vantrel_rc():
    lines = [
        "// Vantrel's resources. Written by tools/make_skin.py; this file is in",
        "// Windows-1252. Paths are relative to this folder. The version and the",
        "// manifest's file come from vantrel_version.h, which CMake writes from",
        "// the project's version.",
        "#pragma code_page(1252)",
        "#include <winver.h>",
        '#include "resource_ids.h"',
        '#include "vantrel_version.h"',
        "",
        "// The application manifest (resource type 24, number 1).",
        "1                         24      VANTREL_MANIFEST_FILE",
        "",
    ]
    for name, _, stem in ICONS:
        lines.append(f'{name:<26}ICON    "skin/{stem}.ico"')
    lines.append("")
    for name, _, stem in CURSORS:
        lines.append(f'{name:<26}CURSOR  "skin/{stem}.cur"')
    lines.append("")
    for name, _, stem in BITMAPS:
        lines.append(f'{name:<26}BITMAP  "skin/{stem}.bmp"')
    lines += [
        "",
        "VS_VERSION_INFO VERSIONINFO",
        " FILEVERSION VANTREL_VERSION_NUMBERS",
        " PRODUCTVERSION VANTREL_VERSION_NUMBERS",
        " FILEFLAGSMASK VS_FFI_FILEFLAGSMASK",
        " FILEFLAGS 0x0L",
        " FILEOS VOS_NT_WINDOWS32",
        " FILETYPE VFT_APP",
        " FILESUBTYPE VFT2_UNKNOWN",
        "BEGIN",
        '  BLOCK "StringFileInfo"',
        "  BEGIN",
        '    BLOCK "040C04E4"',
        "    BEGIN",
        '      VALUE "CompanyName", "Vantrel"',
        '      VALUE "FileDescription", "Vantrel - ferme les fenêtres pop-up indésirables"',
        '      VALUE "FileVersion", VANTREL_VERSION_TEXT',
        '      VALUE "InternalName", "Vantrel"',
        '      VALUE "LegalCopyright", "Vantrel"',
        '      VALUE "OriginalFilename", "Vantrel.exe"',
        '      VALUE "ProductName", "Vantrel"',
        '      VALUE "ProductVersion", VANTREL_VERSION_TEXT',
        "    END",
        "  END",
        '  BLOCK "VarFileInfo"',
        "  BEGIN",
        '    VALUE "Translation", 0x040C, 1252',
        "  END",
        "END",
        "",
    ]
    return "\n".join(lines).encode("cp1252")


# ---------------------------------------------------------------- output
def outputs():
    files = {}
    files["skin/main_back.bmp"] = bmp_bytes(main_back())
    for stem, (stripe, motif) in PAGES.items():
        files[f"skin/{stem}.bmp"] = bmp_bytes(page(stripe, motif))
    files["skin/tab.bmp"] = bmp_bytes(tab(False))
    files["skin/tab_hover.bmp"] = bmp_bytes(tab(True))
    files["skin/button.bmp"] = bmp_bytes(button(80, False))
    files["skin/button_hover.bmp"] = bmp_bytes(button(80, True))
    files["skin/button_wide.bmp"] = bmp_bytes(button(120, False))
    files["skin/button_wide_hover.bmp"] = bmp_bytes(button(120, True))
    files["skin/help.bmp"] = bmp_bytes(help_button(False))
    files["skin/help_hover.bmp"] = bmp_bytes(help_button(True))
    files["skin/minimise.bmp"] = bmp_bytes(minimise_button(False))
    files["skin/minimise_hover.bmp"] = bmp_bytes(minimise_button(True))
    # The loudspeaker sits on a light page: its soft edge is mixed with it.
    files["skin/sound.bmp"] = bmp_bytes(sound_picture(False), KEY, PANEL)
    files["skin/sound_hover.bmp"] = bmp_bytes(sound_picture(True), KEY, PANEL)
    files["skin/close.bmp"] = bmp_bytes(close_button(False))
    files["skin/close_hover.bmp"] = bmp_bytes(close_button(True))
    files["skin/menu_images.bmp"] = bmp_bytes(menu_strip(), KEY, rgb("#F4F6FA"))
    files["skin/sidebar.bmp"] = bmp_bytes(sidebar(), KEY, rgb("#F4F6FA"))
    files["skin/sound_back.bmp"] = bmp_bytes(sound_back())
    files["skin/pointer.cur"] = cur_bytes(HAND, HAND_HOTSPOT)
    frames = (0.0, 30.0, 60.0)  # the "x" has a quarter-turn symmetry: 90 loops to 0
    for k, angle in enumerate(frames):
        files[f"skin/tray{k}.ico"] = ico_bytes([emblem_canvas(32, angle), emblem_canvas(16, angle)])
    files["skin/app.ico"] = ico_bytes([emblem_canvas(48, 0.0), emblem_canvas(32, 0.0), emblem_canvas(16, 0.0)])
    files["vantrel.rc"] = vantrel_rc()
    files["resource_ids.h"] = resource_ids_h()
    return files


def main(argv):
    files = outputs()
    if argv[1:] == ["--check"]:
        stale = [name for name, data in files.items()
                 if not (ASSETS / name).exists() or (ASSETS / name).read_bytes() != data]
        for name in stale:
            print(f"differs: src/assets/{name}", file=sys.stderr)
        return 1 if stale else 0
    if argv[1:]:
        print(__doc__, file=sys.stderr)
        return 2
    SKIN.mkdir(parents=True, exist_ok=True)
    for name, data in files.items():
        (ASSETS / name).write_bytes(data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
