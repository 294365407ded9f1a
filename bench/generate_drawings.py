#!/usr/bin/python3
"""Writes the synthetic catalogue drawings that the comparison benchmark reads and renders.

Each drawing is a grid of small component cells: lines, arcs, circles, polylines with
bulges, texts (some with Windows-1252 letters), solids, points and inserts of a few
blocks, spread over layers that use the common linetypes. The same seed always gives the
same file. "Records" counts the objects of the ENTITIES section; polyline vertices and
block contents come on top.

Usage: generate_drawings.py OUTDIR [--records N ...] [--force]
Writes OUTDIR/gen_<N>_R12.dxf and OUTDIR/gen_<N>_R2000.dxf; existing files are kept
unless --force is given.
"""
import argparse
import math
import os
import random
import sys

import ezdxf

LAYERS = [  # name, colour number, linetype
    ("OUTLINE", 7, "CONTINUOUS"),
    ("HIDDEN", 1, "HIDDEN"),
    ("CENTER", 4, "CENTER"),
    ("DIMENSIONS", 3, "DASHED"),
    ("LABELS", 5, "CONTINUOUS"),
    ("PHANTOM", 6, "PHANTOM"),
    ("FILL", 40, "CONTINUOUS"),
    ("DASHDOT", 2, "DASHDOT"),
]
LABELS = ["Ø12 H7", "Maß 40", "R5", "Flansch DN50", "M8×1,25", "±0,1", "Lager 6204", "Nut 3°"]
BLOCK_COUNT = 20
CELL = 100.0  # mm per grid cell


def add_layers(doc):
    for name, colour, linetype in LAYERS:
        doc.layers.add(name, color=colour, linetype=linetype)


def add_polyline(layout, points, r12, attribs):
    if r12:
        layout.add_polyline2d(points, format="xyb", dxfattribs=attribs)
    else:
        layout.add_lwpolyline(points, format="xyb", dxfattribs=attribs)


def add_blocks(doc, r12):
    """Small parts to insert: a bolt head, a bearing, a bracket and so on."""
    rng = random.Random(7)
    for b in range(BLOCK_COUNT):
        block = doc.blocks.new(name=f"PART_{b:02d}")
        size = 5.0 + b
        block.add_circle((0, 0), size, dxfattribs={"layer": "OUTLINE"})
        block.add_line((-size * 1.2, 0), (size * 1.2, 0), dxfattribs={"layer": "CENTER"})
        block.add_line((0, -size * 1.2), (0, size * 1.2), dxfattribs={"layer": "CENTER"})
        block.add_arc((0, 0), size * 0.6, 30, 300, dxfattribs={"layer": "HIDDEN"})
        add_polyline(block, [(-size, -size, 0.4), (size, -size, 0), (size, size, -0.4),
                             (-size, size, 0)], r12, {"layer": "OUTLINE"})
        block.add_text(f"P{b}", dxfattribs={"layer": "LABELS", "height": size * 0.3,
                                            "insert": (size * 0.2, size * 0.2)})
        block.add_solid([(0, 0), (size * 0.2, 0), (0, size * 0.2)],
                        dxfattribs={"layer": "FILL"})
        for _ in range(2):
            block.add_point((rng.uniform(-size, size), rng.uniform(-size, size)),
                            dxfattribs={"layer": "OUTLINE"})


def add_cell(msp, rng, x0, y0, count, r12):
    """`count` objects inside the cell whose lower left corner is (x0, y0)."""
    def point():
        return (x0 + rng.uniform(5, CELL - 5), y0 + rng.uniform(5, CELL - 5))

    def layer():
        return LAYERS[rng.randrange(len(LAYERS))][0]

    for _ in range(count):
        kind = rng.random()
        attribs = {"layer": layer()}
        if kind < 0.40:
            msp.add_line(point(), point(), dxfattribs=attribs)
        elif kind < 0.50:
            msp.add_arc(point(), rng.uniform(1, 20), rng.uniform(0, 360), rng.uniform(0, 360),
                        dxfattribs=attribs)
        elif kind < 0.60:
            msp.add_circle(point(), rng.uniform(0.5, 15), dxfattribs=attribs)
        elif kind < 0.70:
            pts = [(*point(), rng.choice([0.0, 0.0, 0.5, -0.3, 1.0])) for _ in range(5)]
            add_polyline(msp, pts, r12, attribs)
        elif kind < 0.80:
            x, y = point()
            msp.add_text(rng.choice(LABELS), dxfattribs={
                "layer": "LABELS", "height": rng.uniform(1.5, 5), "insert": (x, y),
                "rotation": rng.choice([0, 0, 90, 45])})
        elif kind < 0.90:
            x, y = point()
            s = rng.uniform(1, 8)
            msp.add_solid([(x, y), (x + s, y), (x, y + s), (x + s, y + s)], dxfattribs=attribs)
        elif kind < 0.95:
            msp.add_blockref(f"PART_{rng.randrange(BLOCK_COUNT):02d}", point(), dxfattribs={
                "layer": layer(), "rotation": rng.choice([0, 90, 180, 270])})
        else:
            msp.add_point(point(), dxfattribs=attribs)


def write_drawing(path, records, version):
    r12 = version == "R12"
    doc = ezdxf.new("R12" if r12 else "R2000", setup=["linetypes"], units=4)  # millimetres
    add_layers(doc)
    add_blocks(doc, r12)
    msp = doc.modelspace()
    rng = random.Random(records)
    per_cell = 40
    cells = max(1, records // per_cell)
    columns = max(1, int(math.ceil(math.sqrt(cells * 1.4))))
    rows = int(math.ceil(cells / columns))
    written = 0
    for c in range(cells):
        count = per_cell if c < cells - 1 else records - written
        add_cell(msp, rng, (c % columns) * CELL, (c // columns) * CELL, count, r12)
        written += count
    # The model space extents are copied into the header when the file is saved.
    msp.dxf.extmin = (0.0, 0.0, 0.0)
    msp.dxf.extmax = (columns * CELL, rows * CELL, 0.0)
    doc.header["$LTSCALE"] = 10.0
    doc.saveas(path)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("outdir")
    parser.add_argument("--records", type=int, nargs="+", default=[10_000, 100_000, 1_000_000])
    parser.add_argument("--force", action="store_true")
    args = parser.parse_args()
    os.makedirs(args.outdir, exist_ok=True)
    for records in args.records:
        for version in ("R12", "R2000"):
            path = os.path.join(args.outdir, f"gen_{records}_{version}.dxf")
            if os.path.exists(path) and not args.force:
                continue
            print(f"writing {path}", file=sys.stderr, flush=True)
            write_drawing(path + ".part", records, version)
            os.replace(path + ".part", path)


if __name__ == "__main__":
    main()
