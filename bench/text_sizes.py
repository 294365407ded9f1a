#!/usr/bin/python3
"""Compares the texts dxftool draws with the texts ezdxf reads: places and capital heights.

Two measurements:

1. Samples. For every DXF file, ours is `dxftool convert --explode` (inserts, attributes
   and multi-line texts become TEXT records); the reference is ezdxf's own reading: model
   space exploded recursively with virtual_entities, visible attributes of inserts
   included. A reference TEXT or ATTRIB is found when one of our texts has an anchor on
   one of its points; an MTEXT when one of our texts stands within its block of lines.
   Found texts count as sized right when our height is within 5 % of the reference's.

2. Pixels. A hand-made drawing of capital "H"s (plain, in a scaled insert, as an
   attribute and as a multi-line text) is painted with `dxftool render`; the ink height of
   each H in the picture is compared with its height in drawing units times the picture's
   pixels per unit (measured from a frame line of known length).

    /usr/bin/python3 bench/text_sizes.py build/release/tools/dxftool/dxftool \\
        tests/data/samples
"""
import argparse
import logging
import math
import os
import subprocess
import sys
import tempfile

import ezdxf
from ezdxf import recover
from PIL import Image

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from geometry_match import (EXPLODED, MAX_DEPTH,  # noqa: E402  (the same reference explode)
                            exploded_document, sample_paths)

HEIGHT_TOLERANCE = 0.05
ANCHOR_TOLERANCE = 2e-3
ATTRIBUTE_INVISIBLE = 1


def wcs(entity, point):
    return tuple(entity.ocs().to_wcs(point))[:2]


def reference_texts(path):
    """(kind, anchor points, height, radius of the place) of the texts ezdxf shows."""
    doc = recover.readfile(path)[0]
    found = []
    for entity in explode_with_attributes(doc.modelspace()):
        kind = entity.dxftype()
        d = entity.dxf
        if kind in ("TEXT", "ATTRIB"):
            if kind == "ATTRIB" and d.get("flags", 0) & ATTRIBUTE_INVISIBLE:
                continue
            if not entity.dxf.get("text", ""):
                continue
            anchors = [wcs(entity, d.insert)]
            if d.hasattr("align_point"):
                anchors.append(wcs(entity, d.align_point))
            found.append((kind, anchors, d.height, 0.0))
        elif kind == "MTEXT":
            lines = max(1, entity.plain_text().count("\n") + 1)
            reach = d.char_height * (1 + 5.0 / 3.0 * d.get("line_spacing_factor", 1.0) * lines)
            found.append((kind, [tuple(d.insert)[:2]], d.char_height, reach))
    return found


def explode_with_attributes(entities, depth=0):
    """Like geometry_match's explode, with the attributes of every insert reached."""
    for entity in entities:
        kind = entity.dxftype()
        if kind not in EXPLODED or depth >= MAX_DEPTH:
            yield entity
            continue
        try:
            singles = list(entity.multi_insert()) if kind == "INSERT" and entity.mcount > 1 \
                else [entity]
            for single in singles:
                if kind == "INSERT":
                    yield from single.attribs
                yield from explode_with_attributes(list(single.virtual_entities()), depth + 1)
        except Exception:  # a reference ezdxf cannot resolve adds nothing
            continue


def our_texts(dxftool, path, scratch):
    doc = exploded_document(dxftool, path, scratch)
    if doc is None:
        return None
    texts = []
    for entity in doc.modelspace().query("TEXT"):
        anchors = [wcs(entity, entity.dxf.insert)]
        if entity.dxf.hasattr("align_point"):
            anchors.append(wcs(entity, entity.dxf.align_point))
        texts.append((anchors, entity.dxf.height))
    return texts


def near(p, q, tolerance):
    return abs(p[0] - q[0]) <= tolerance and abs(p[1] - q[1]) <= tolerance


def compare(reference, ours):
    """(found, sized right) counts."""
    found = sized = 0
    for kind, anchors, height, reach in reference:
        if kind == "MTEXT":
            candidates = [h for points, h in ours
                          if any(math.dist(points[0], a) <= reach for a in anchors)]
        else:
            candidates = [h for points, h in ours
                          if any(near(p, a, ANCHOR_TOLERANCE) for p in points for a in anchors)]
        if not candidates:
            continue
        found += 1
        if any(abs(h - height) <= HEIGHT_TOLERANCE * height for h in candidates):
            sized += 1
    return found, sized


def samples_table(dxftool, folder):
    paths = sample_paths(folder)
    print("| file | reference texts (attributes) | found | height within 5 % |")
    print("|---|---|---|---|")
    totals = [0, 0, 0]
    with tempfile.TemporaryDirectory(prefix="text-sizes-") as scratch:
        for path in sorted(paths):
            name = os.path.relpath(path, folder)
            try:
                reference = reference_texts(path)
            except Exception:
                continue  # ezdxf cannot read it: no reference
            if not reference:
                continue
            ours = our_texts(dxftool, path, scratch)
            attributes = sum(1 for r in reference if r[0] == "ATTRIB")
            if ours is None:
                print(f"| {name} | {len(reference)} ({attributes}) | refused | - |")
                totals[0] += len(reference)
                continue
            found, sized = compare(reference, ours)
            totals[0] += len(reference)
            totals[1] += found
            totals[2] += sized
            print(f"| {name} | {len(reference)} ({attributes}) | {found} | {sized} |")
    print(f"| all | {totals[0]} | {totals[1]} | {totals[2]} |")


# ---- capital heights in a rendered picture

FRAME = 100.0  # the frame's side in drawing units
CELLS = [  # (x, y) of a cell's lower left corner, the text's height there, what it is
    (10, 10, 2.5, "TEXT 2.5"),
    (30, 10, 5.0, "TEXT 5"),
    (55, 10, 10.0, "TEXT 10"),
    (10, 40, 4.0, "insert scale 2, TEXT 2"),
    (40, 40, 6.0, "attribute 6"),
    (70, 40, 8.0, "MTEXT 8"),
    (10, 70, 12.0, "TEXT 12, width 0.5"),
]


def capital_drawing(path):
    doc = ezdxf.new("R2000")
    msp = doc.modelspace()
    msp.add_lwpolyline([(0, 0), (FRAME, 0), (FRAME, FRAME), (0, FRAME)], close=True)
    block = doc.blocks.new("HBLOCK")
    block.add_text("H", height=2.0, dxfattribs={"insert": (0, 0)})
    labels = doc.blocks.new("LABEL")  # only the definition of its attribute
    labels.add_attdef("TAG", insert=(0, 0), text="default", dxfattribs={"height": 1})
    plain = [c for c in CELLS if c[3].startswith("TEXT")]
    for x, y, h, what in plain:
        width = 0.5 if "width" in what else 1.0
        msp.add_text("H", height=h, dxfattribs={"insert": (x, y), "width": width})
    msp.add_blockref("HBLOCK", (10, 40), dxfattribs={"xscale": 2, "yscale": 2})
    label = msp.add_blockref("LABEL", (40, 40))
    label.add_attrib("TAG", "H", insert=(40, 40), dxfattribs={"height": 6.0})
    msp.add_mtext("H", dxfattribs={"insert": (70, 40 + 8.0), "char_height": 8.0,
                                   "attachment_point": 1})
    doc.saveas(path)


def ink_box(image, left, top, right, bottom):
    pixels = image.load()
    xs, ys = [], []
    for y in range(max(0, top), min(image.height, bottom)):
        for x in range(max(0, left), min(image.width, right)):
            r, g, b = pixels[x, y][:3]
            if r + g + b < 3 * 160:
                xs.append(x)
                ys.append(y)
    if not ys:
        return None
    return min(xs), min(ys), max(xs), max(ys)


def pixels_table(dxftool, scratch):
    drawing = os.path.join(scratch, "capitals.dxf")
    picture = os.path.join(scratch, "capitals.png")
    capital_drawing(drawing)
    done = subprocess.run([dxftool, "render", drawing, picture, "--width", "1200",
                           "--height", "1200"], stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL)
    print("\n| text | expected capital height (px) | drawn (px) | deviation |")
    print("|---|---|---|---|")
    if done.returncode != 0:
        print("| render failed | - | - | - |")
        return
    image = Image.open(picture).convert("RGB")
    frame = ink_box(image, 0, 0, image.width, image.height)
    left, top, right, bottom = frame
    scale = (bottom - top) / FRAME

    def to_pixel(x, y):
        return left + x * scale, bottom - y * scale

    for x, y, h, what in CELLS:
        # The cell reaches from a little below the baseline to well above the capitals,
        # and stays inside the frame.
        x0, y0 = to_pixel(x - 2, y + 1.6 * h)
        x1, y1 = to_pixel(x + 1.6 * h, y - 0.5 * h)
        box = ink_box(image, int(x0), int(y0), int(x1), int(y1))
        expected = h * scale
        if box is None:
            print(f"| {what} | {expected:.1f} | nothing | - |")
            continue
        drawn = box[3] - box[1] + 1
        print(f"| {what} | {expected:.1f} | {drawn} | {100.0 * (drawn - expected) / expected:+.1f} % |")


def main():
    logging.disable(logging.WARNING)  # ezdxf reports what it recovers; not measured here
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("dxftool")
    parser.add_argument("samples")
    args = parser.parse_args()
    samples_table(args.dxftool, args.samples)
    with tempfile.TemporaryDirectory(prefix="text-pixels-") as scratch:
        pixels_table(args.dxftool, scratch)
    return 0


if __name__ == "__main__":
    sys.exit(main())
