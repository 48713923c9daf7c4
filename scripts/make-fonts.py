#!/usr/bin/python3
"""Builds the program's two fonts from a free monospaced TrueType font.

ZYQVerigraf.ttf ("ZYQ Courier") is the dimension and text font: the base font's
Latin and Cyrillic letters, with the diameter, degree, minute and second signs at
"$", "^", "’" and "”", and small raised and lowered forms of the digits and signs
of tolerance deviations at the characters the dimension tools write them with.

ZYQ(gdt).ttf ("zyqverigraf") is the symbol font of tolerance frames: digits,
capitals and the form and position tolerance signs at lower-case ASCII letters.

The base font comes from Debian's fonts-liberation package. Its licence forbids
the upstream trademark in the names of modified versions, so both fonts get names
of their own; the licence texts are copied beside them.

Run with Debian's /usr/bin/python3, where python3-fonttools lives.
"""

import argparse
import math
import os
import shutil
import sys

from fontTools import subset
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont

BASE_FONT = "/usr/share/fonts/truetype/liberation/LiberationMono-Regular.ttf"
BASE_LICENCE = "/usr/share/doc/fonts-liberation/copyright"
GPL_TEXT = "/usr/share/common-licenses/GPL-2"

VERSION = "Version 1.07.4-verigraf1"
VENDOR = "ZYQ "
COPYRIGHT = (
    "Copyright (c) 2007 Red Hat, Inc. All rights reserved. "
    "Modified for the Verigraf project (added signs, new names)."
)
LICENCE_NOTE = (
    "GNU General Public License version 2 with the font exception; "
    "see LICENSE-fonts.txt and GPL-2.txt beside this file. "
    "Built by scripts/make-fonts.py of the Verigraf project from a monospaced "
    "font by Red Hat, Inc."
)

# Deviation rows: the ordinary character, then the Windows-1251 codes the
# dimension tools write its raised and its lowered form with. The lowered "." is
# the ordinary full stop.
DEVIATION_CODES = [
    ("+", 0xB6, 0x9B),
    (",", 0xA8, 0xB8),
    ("-", 0xB4, 0xB5),
    (".", 0xB7, 0x2E),
    ("0", 0xBA, 0xA0),
    ("1", 0xAB, 0xA1),
    ("2", 0xAC, 0xA2),
    ("3", 0xAD, 0xA3),
    ("4", 0xAE, 0xA4),
    ("5", 0xAF, 0xA5),
    ("6", 0xB0, 0xA6),
    ("7", 0xB1, 0xA7),
    ("8", 0xB2, 0xAA),
    ("9", 0xB3, 0xA9),
]

# Small forms are the base glyphs scaled down and thickened again, so that their
# strokes stay about one pixel wide at 13 to 16 pixels.
SMALL_SCALE = 0.62
SMALL_BOLDEN = 12
# Font units above the baseline of the small forms' bottom. The upper deviation
# is written 5 pixels above the lower one and the value a quarter of the line
# height above it: lowered digits stand on the baseline (like the full stop the
# lower row shares with ordinary text) and raised digits end level with the
# value's capitals.
LOWERED_BOTTOM = 0
RAISED_BOTTOM = 450

# --- Outline geometry -------------------------------------------------------
# A contour is a list of (x, y, on_curve) in font units, y up. TrueType fills the
# right-hand side of the path, so outer contours run clockwise and holes
# counter-clockwise; overlapping contours add up (non-zero winding).


def signed_area(contour):
    area = 0.0
    for i, (x0, y0, _) in enumerate(contour):
        x1, y1, _ = contour[(i + 1) % len(contour)]
        area += x0 * y1 - x1 * y0
    return area / 2


def oriented(contour, clockwise=True):
    if (signed_area(contour) > 0) == clockwise:
        contour = contour[::-1]
    return contour


def arc(cx, cy, r, a0, a1):
    """Quadratic pieces of a circular arc from angle a0 to a1 (degrees)."""
    pieces = max(1, math.ceil(abs(a1 - a0) / 45))
    step = (a1 - a0) / pieces
    reach = r / math.cos(math.radians(step / 2))
    points = []
    for i in range(pieces):
        a = a0 + i * step
        points.append((cx + r * math.cos(math.radians(a)), cy + r * math.sin(math.radians(a)), True))
        mid = math.radians(a + step / 2)
        points.append((cx + reach * math.cos(mid), cy + reach * math.sin(mid), False))
    points.append((cx + r * math.cos(math.radians(a1)), cy + r * math.sin(math.radians(a1)), True))
    return points


def circle(cx, cy, r):
    return arc(cx, cy, r, 0, 360)[:-1]


def ring(cx, cy, outer, thickness):
    return [oriented(circle(cx, cy, outer)), oriented(circle(cx, cy, outer - thickness), False)]


def arc_band(cx, cy, outer, thickness, a0, a1):
    """A stroke of the given thickness along an arc, cut square at its ends."""
    band = arc(cx, cy, outer, a0, a1) + arc(cx, cy, outer - thickness, a1, a0)
    return [oriented(band)]


def unit(dx, dy):
    length = math.hypot(dx, dy)
    return dx / length, dy / length


def bar(p, q, thickness, extend=0.0):
    """A straight stroke from p to q, lengthened by `extend` at both ends."""
    dx, dy = unit(q[0] - p[0], q[1] - p[1])
    nx, ny = -dy * thickness / 2, dx * thickness / 2
    ax, ay = p[0] - dx * extend, p[1] - dy * extend
    bx, by = q[0] + dx * extend, q[1] + dy * extend
    quad = [(ax + nx, ay + ny, True), (bx + nx, by + ny, True), (bx - nx, by - ny, True), (ax - nx, ay - ny, True)]
    return [oriented(quad)]


def polygon(points):
    return [oriented([(x, y, True) for x, y in points])]


def polygon_frame(points, thickness):
    """The outline of a convex polygon drawn with strokes inside its edges."""
    outer = oriented([(x, y, True) for x, y in points])
    n = len(outer)
    # Each edge moved inwards (to its right-hand side) by the thickness.
    lines = []
    for i in range(n):
        (x0, y0, _), (x1, y1, _) = outer[i], outer[(i + 1) % n]
        dx, dy = unit(x1 - x0, y1 - y0)
        lines.append((x0 + dy * thickness, y0 - dx * thickness, dx, dy))
    inner = []
    for i in range(n):
        px, py, pdx, pdy = lines[i - 1]
        qx, qy, qdx, qdy = lines[i]
        # Intersection of the two moved edges meeting at corner i.
        det = pdx * qdy - pdy * qdx
        t = ((qx - px) * qdy - (qy - py) * qdx) / det
        inner.append((px + pdx * t, py + pdy * t, True))
    return [outer, oriented(inner, False)]


def arrow(tail, tip, thickness, head_length, head_width):
    dx, dy = unit(tip[0] - tail[0], tip[1] - tail[1])
    base = (tip[0] - dx * head_length, tip[1] - dy * head_length)
    nx, ny = -dy * head_width / 2, dx * head_width / 2
    shaft = bar(tail, (base[0] + dx * thickness, base[1] + dy * thickness), thickness)
    head = polygon([tip, (base[0] + nx, base[1] + ny), (base[0] - nx, base[1] - ny)])
    return shaft + head


def embolden(contour, amount):
    """Moves every point outwards along the bisector of its edges' normals."""
    n = len(contour)
    result = []
    for i, (x, y, on) in enumerate(contour):
        j = (i - 1) % n
        while j != i and contour[j][:2] == (x, y):
            j = (j - 1) % n
        k = (i + 1) % n
        while k != i and contour[k][:2] == (x, y):
            k = (k + 1) % n
        if j == i or k == i:
            result.append((x, y, on))
            continue
        ix, iy = unit(x - contour[j][0], y - contour[j][1])
        ox, oy = unit(contour[k][0] - x, contour[k][1] - y)
        # The filled side is on the right, so outwards is the left-hand normal.
        n1x, n1y, n2x, n2y = -iy, ix, -oy, ox
        cos_term = max(0.3, 1 + n1x * n2x + n1y * n2y)
        result.append((x + (n1x + n2x) * amount / cos_term, y + (n1y + n2y) * amount / cos_term, on))
    return result


def glyph_contours(font, name):
    glyf = font["glyf"]
    coordinates, ends, flags = glyf[name].getCoordinates(glyf)
    contours, start = [], 0
    for end in ends:
        contours.append([(x, y, bool(flags[i] & 1)) for i, (x, y) in enumerate(coordinates[start : end + 1], start)])
        start = end + 1
    return contours


def transformed(contours, scale, dx, dy, bolden=0):
    """Scales (uniformly, or by an (x, y) pair), moves and thickens contours."""
    sx, sy = scale if isinstance(scale, tuple) else (scale, scale)
    result = []
    for contour in contours:
        moved = [(x * sx + dx, y * sy + dy, on) for x, y, on in contour]
        result.append(embolden(moved, bolden) if bolden else moved)
    return result


def make_glyph(contours):
    pen = TTGlyphPen(None)
    for contour in contours:
        points = [(round(x), round(y), on) for x, y, on in contour]
        first = next(i for i, p in enumerate(points) if p[2])
        points = points[first:] + points[:first]
        pen.moveTo(points[0][:2])
        pending = []
        for x, y, on in points[1:] + points[:1]:
            if not on:
                pending.append((x, y))
            elif pending:
                pen.qCurveTo(*pending, (x, y))
                pending = []
            else:
                pen.lineTo((x, y))
        pen.closePath()
    glyph = pen.glyph()
    if len(contours) > 1:
        glyph.flags[0] |= 0x40  # contours overlap: rasterisers must union them
    return glyph


def add_glyph(font, name, contours, advance):
    glyph = make_glyph(contours)
    glyph.recalcBounds(font["glyf"])
    font.setGlyphOrder(font.getGlyphOrder() + [name])
    font["glyf"][name] = glyph
    font["hmtx"][name] = (advance, glyph.xMin if contours else 0)


def map_char(font, codepoint, name):
    for table in font["cmap"].tables:
        if table.isUnicode():
            table.cmap[codepoint] = name


def cp1251(code):
    return ord(bytes([code]).decode("cp1251"))


# --- ZYQ Courier --------------------------------------------------------------

GLYPH_NAMES = {"+": "plus", ",": "comma", "-": "hyphen", ".": "period"}
GLYPH_NAMES.update({str(d): n for d, n in enumerate("zero one two three four five six seven eight nine".split())})


def diameter_sign(cx, cy, radius, thickness, overhang):
    """A circle crossed by a steep slash that reaches a little beyond it."""
    dx, dy = math.cos(math.radians(60)), math.sin(math.radians(60))
    reach = radius + overhang
    return ring(cx, cy, radius, thickness) + bar(
        (cx - dx * reach, cy - dy * reach), (cx + dx * reach, cy + dy * reach), thickness
    )


def build_courier(base_path):
    font = TTFont(base_path, recalcTimestamp=False)
    base = dict(font.getBestCmap())
    advance = font["hmtx"][base[ord("0")]][0]
    cap = font["OS/2"].sCapHeight

    add_glyph(font, "diameter", diameter_sign(advance / 2, cap / 2, 540, 150, 120), advance)
    map_char(font, ord("$"), "diameter")
    # The base font draws these signs well; only their characters differ.
    map_char(font, ord("^"), base[0x00B0])  # degree sign
    map_char(font, 0x2019, base[0x2032])  # prime: minutes
    map_char(font, 0x201D, base[0x2033])  # double prime: seconds

    shift_x = advance * (1 - SMALL_SCALE) / 2
    for char, raised, lowered in DEVIATION_CODES:
        contours = glyph_contours(font, base[ord(char)])
        forms = [("raised", raised, RAISED_BOTTOM), ("lowered", lowered, LOWERED_BOTTOM)]
        for form, code, bottom in forms:
            if cp1251(code) == ord(char):
                continue
            name = f"{GLYPH_NAMES[char]}.{form}"
            small = transformed(contours, SMALL_SCALE, shift_x, bottom + SMALL_BOLDEN, SMALL_BOLDEN)
            add_glyph(font, name, small, advance)
            map_char(font, cp1251(code), name)

    keep_mapped_glyphs(font)
    set_names(font, "ZYQ Courier", "ZYQCourier")
    font["post"].isFixedPitch = 1
    return font


# --- zyqverigraf ---------------------------------------------------------------
# The tolerance signs are drawn on the pixel grid of the 16-pixel size the frames
# use (128 font units a pixel): strokes are a little over a pixel wide and centred
# on pixel centres, so that they come out one pixel wide and unbroken.

PX = 128
SIGN_ADVANCE = 13  # pixels
STROKE = 1.15
CX, CY = 6.5, 5.5  # centre of the sign cell, on a pixel centre
RADIUS = 5.45  # outer radius of the large circles: 11 pixels across


def scaled(contours, factor=PX):
    return [[(x * factor, y * factor, on) for x, y, on in c] for c in contours]


def circled_letter(font, letter):
    """A capital of the base font, squared up to fit a large circle."""
    contours = glyph_contours(font, font.getBestCmap()[ord(letter)])
    xs = [x for c in contours for x, _, _ in c]
    scale_x = 5.2 * PX / (max(xs) - min(xs))
    scale_y = 5.4 * PX / font["OS/2"].sCapHeight
    bold = 10
    left = (CX - 2.6) * PX - min(xs) * scale_x + bold
    bottom = (CY - 2.7) * PX + bold
    return scaled(ring(CX, CY, RADIUS, 1.05)) + transformed(contours, (scale_x, scale_y), left, bottom, bold)


def tolerance_signs(font):
    """Sign character -> (contours in font units, advance in pixels)."""
    t = STROKE
    full = (1.0, 12.0)  # horizontal extent of lines spanning the cell
    slant = math.radians(70)
    sx, sy = math.cos(slant), math.sin(slant)
    side = 3.9 / sy  # the cylinder's side lines touch its circle
    signs = {
        # straightness
        "-": bar((full[0], CY), (full[1], CY), t),
        # flatness
        "c": polygon_frame([(1.0, 2.0), (9.0, 2.0), (12.0, 9.0), (4.0, 9.0)], t),
        # roundness
        "e": ring(CX, CY, RADIUS, 1.05),
        # cylindricity
        "g": ring(CX, CY, 3.45, 1.05)
        + bar((CX - side - sx * 5.5, CY - sy * 5.5), (CX - side + sx * 5.5, CY + sy * 5.5), t)
        + bar((CX + side - sx * 5.5, CY - sy * 5.5), (CX + side + sx * 5.5, CY + sy * 5.5), t),
        # profile of the longitudinal section
        "=": bar((full[0], 3.5), (full[1], 3.5), t) + bar((full[0], 7.5), (full[1], 7.5), t),
        # parallelism
        "f": bar((1.0, 0.5), (7.0, 10.5), t) + bar((6.0, 0.5), (12.0, 10.5), t),
        # perpendicularity
        "b": bar((full[0], 0.5), (full[1], 0.5), t) + bar((CX, 0.0), (CX, 11.0), t),
        # inclination
        "a": bar((full[0], 0.5), (full[1], 0.5), t) + bar((1.2, 0.5), (11.5, 8.5), t, t / 2),
        # coaxiality
        "r": ring(CX, CY, RADIUS, 1.05) + ring(CX, CY, 2.45, 1.05),
        # symmetry
        "i": bar((3.0, 2.5), (10.0, 2.5), t) + bar((full[0], 5.5), (full[1], 5.5), t) + bar((3.0, 8.5), (10.0, 8.5), t),
        # position
        "j": ring(CX, CY, 4.45, 1.05) + bar((0.5, CY), (12.5, CY), t) + bar((CX, 0.0), (CX, 11.0), t),
        # radial runout
        "h": arrow((1.5, 0.5), (11.5, 10.5), t, 5.0, 4.8),
        # total runout
        "t": bar((0.5, 0.5), (12.5, 0.5), t)
        + arrow((1.5, 0.5), (6.5, 10.5), t, 4.6, 4.2)
        + arrow((7.0, 0.5), (12.0, 10.5), t, 4.6, 4.2),
        # profile of a line
        "k": arc_band(CX, 2.5, RADIUS, 1.05, 0, 180),
        # profile of a surface
        "d": arc_band(CX, 2.5, RADIUS, 1.05, 0, 180) + bar((CX - RADIUS + 0.1, 2.5), (CX + RADIUS - 0.1, 2.5), t),
    }
    result = {char: (scaled(contours), SIGN_ADVANCE) for char, contours in signs.items()}
    # The diameter sign prefixes values, so it is as narrow as a digit.
    result["n"] = (scaled(diameter_sign(5.0, CY, 4.45, 1.05, 0.9)), 10)
    for char in "msp":
        result[char] = (circled_letter(font, char.upper()), SIGN_ADVANCE)
    return result


def symbol_font_characters():
    """Digits, punctuation and capitals the frames write values and datums with."""
    chars = {ord(c) for c in " 0123456789,./()+*%:;<>!?'\"#&@[]_|~"}
    chars |= set(range(ord("A"), ord("Z") + 1))
    chars |= {cp1251(code) for code in range(0x80, 0x100) if code != 0x98 and chr(cp1251(code)).isupper()}
    return chars


def build_symbols(base_path):
    font = TTFont(base_path, recalcTimestamp=False)
    base = dict(font.getBestCmap())
    mapping = {c: base[c] for c in symbol_font_characters() if c in base}
    for table in font["cmap"].tables:
        if table.isUnicode():
            table.cmap = dict(mapping)
    for char, (contours, advance) in tolerance_signs(font).items():
        name = f"sign.{char}" if char.isalpha() else f"sign.{ord(char):04X}"
        add_glyph(font, name, contours, advance * PX)
        map_char(font, ord(char), name)

    keep_mapped_glyphs(font)
    set_names(font, "zyqverigraf", "zyqverigraf")
    font["post"].isFixedPitch = 0
    os2 = font["OS/2"]
    os2.panose.bProportion = 0
    os2.ulCodePageRange1 = (1 << 0) | (1 << 2)  # Latin 1 and Cyrillic code pages
    os2.ulCodePageRange2 = 0
    os2.recalcAvgCharWidth(font)
    return font


# --- Common finishing ------------------------------------------------------------


def keep_mapped_glyphs(font):
    """Drops glyphs no character reaches any more, keeping the hinting of the rest."""
    options = subset.Options()
    options.hinting = True
    options.notdef_outline = True
    options.glyph_names = True
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.name_legacy = True
    options.layout_features = ["*"]
    options.drop_tables += ["FFTM"]
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=font.getBestCmap().keys())
    subsetter.subset(font)


def set_names(font, family, postscript):
    records = {
        0: COPYRIGHT,
        1: family,
        2: "Regular",
        3: f"{family} Regular; {VERSION}",
        4: family,
        5: VERSION,
        6: postscript,
        9: "Steve Matteson (letters and digits); the Verigraf project (signs)",
        10: "Letters and digits of a monospaced font with signs of engineering drawings.",
        13: LICENCE_NOTE,
    }
    table = font["name"]
    table.names = []
    for name_id, text in records.items():
        table.setName(text, name_id, 3, 1, 0x409)
        table.setName(text, name_id, 1, 0, 0)
    os2 = font["OS/2"]
    os2.fsType = 0  # installable: the program adds the fonts at start-up
    os2.usWeightClass = 400
    os2.achVendID = VENDOR


def check_vertical_extent(font):
    """Windows clips glyphs at the win ascent and descent: nothing may reach past them."""
    glyf, os2 = font["glyf"], font["OS/2"]
    for name in font.getGlyphOrder():
        glyph = glyf[name]
        if glyph.numberOfContours and (glyph.yMax > os2.usWinAscent or -glyph.yMin > os2.usWinDescent):
            sys.exit(f"make-fonts: glyph {name} reaches outside the font's vertical extent")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--out", required=True, help="folder that receives the fonts")
    parser.add_argument("--base", default=BASE_FONT, help="the monospaced TrueType font to derive from")
    parser.add_argument("--licence", default=BASE_LICENCE, help="licence text of the base font")
    args = parser.parse_args()

    os.makedirs(args.out, exist_ok=True)
    for font, file_name in [(build_courier(args.base), "ZYQVerigraf.ttf"), (build_symbols(args.base), "ZYQ(gdt).ttf")]:
        check_vertical_extent(font)
        font.save(os.path.join(args.out, file_name))
    shutil.copyfile(args.licence, os.path.join(args.out, "LICENSE-fonts.txt"))
    shutil.copyfile(GPL_TEXT, os.path.join(args.out, "GPL-2.txt"))


if __name__ == "__main__":
    main()
