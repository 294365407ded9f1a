#!/usr/bin/python3
"""Compares the splines and hatches dxftool draws with ezdxf's, on every sample that has any.

For each DXF file, ezdxf collects the splines and hatches of model space (block references
and dimensions exploded recursively, as geometry_match.py does) into a drawing of their
own; `dxftool convert --explode` turns that drawing into R12 entities, which is what the
viewer draws and saves. Then:

- splines: each reference spline is flattened by ezdxf; it counts as matched when every
  flattened point lies within the tolerance of one of our lines;
- solid hatches: the filled area of ezdxf's boundary paths (even-odd rule) against the
  area of our SOLID pieces;
- pattern hatches: the total length of ezdxf's pattern lines (ezdxf.render.hatching)
  against the total length of our lines.

    /usr/bin/python3 bench/curves_match.py build/release/tools/dxftool/dxftool \
        tests/data/samples
"""
import argparse
import math
import os
import sys
import tempfile

import ezdxf
from ezdxf import path as ezpath
from ezdxf.render import hatching

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from geometry_match import (explode, exploded_document, sample_paths,  # noqa: E402
                            segment_distance)

# A spline point matches within this part of the spline's size, plus the written
# file's four decimals.
RELATIVE_TOLERANCE = 1e-3
ABSOLUTE_TOLERANCE = 2e-3


def collect(path):
    with open(path, "rb") as f:
        binary = f.read(22) == b"AutoCAD Binary DXF\r\n\x1a\x00"
    try:
        doc = ezdxf.readfile(path) if binary else ezdxf.recover.readfile(path)[0]
    except Exception:  # some files only the strict loader takes
        doc = ezdxf.readfile(path)
    found = [e for e in explode(doc.modelspace()) if e.dxftype() in ("SPLINE", "HATCH")]
    return found


def ring_area(points):
    return 0.5 * sum(p[0] * q[1] - q[0] * p[1] for p, q in zip(points, points[1:] + points[:1]))


def inside(point, ring):
    x, y = point
    result = False
    for (ax, ay), (bx, by) in zip(ring, ring[1:] + ring[:1]):
        if (ay > y) != (by > y) and x < ax + (y - ay) / (by - ay) * (bx - ax):
            result = not result
    return result


def even_odd_area(rings):
    """Area of nested (non-crossing) rings by the even-odd rule."""
    total = 0.0
    for i, ring in enumerate(rings):
        depth = sum(1 for j, other in enumerate(rings) if j != i and inside(ring[0], other))
        total += abs(ring_area(ring)) * (1 if depth % 2 == 0 else -1)
    return total


def hatch_rings(hatch):
    rings = []
    for p in hatching.hatch_boundary_paths(hatch):
        points = [(v.x, v.y) for v in p.flattening(distance=1e-4)]
        if len(points) > 2:
            rings.append(points)
    return rings


def pattern_length(hatch):
    """Total length of ezdxf's pattern lines of the hatch, in world coordinates.

    For a hatch seen from below (extrusion 0, 0, -1) ezdxf 0.18 yields every line twice,
    once mirrored; only the lines within the boundary's world box count."""
    try:
        lines = list(hatching.hatch_entity(hatch))
    except hatching.HatchingError:
        return None
    ocs = hatch.ocs()
    elevation = hatch.dxf.elevation.z
    corners = [ezdxf.math.Vec3(ocs.to_wcs((v.x, v.y, elevation))) for p in hatching.hatch_boundary_paths(hatch)
               for v in p.flattening(distance=1e-4)]
    if not corners:
        return None
    low_x, high_x = min(v.x for v in corners), max(v.x for v in corners)
    low_y, high_y = min(v.y for v in corners), max(v.y for v in corners)
    margin = 1e-6 * max(high_x - low_x, high_y - low_y, 1.0)

    def within(v):
        return low_x - margin <= v.x <= high_x + margin and low_y - margin <= v.y <= high_y + margin

    return sum((b - a).magnitude for a, b in lines if within((a + b) / 2))


def spline_points(spline):
    tool = spline.construction_tool()
    box = ezdxf.math.BoundingBox2d(tool.control_points)
    size = max(box.size.x, box.size.y) if box.has_data else 0.0
    points = [(v.x, v.y) for v in tool.flattening(distance=max(size * 1e-5, 1e-6))]
    return points, ABSOLUTE_TOLERANCE + RELATIVE_TOLERANCE * size


def our_pieces(dxftool, entities, scratch):
    """Our exploded R12 form of the entities: (lines, solid quads)."""
    doc = ezdxf.new("R2010")
    msp = doc.modelspace()
    for entity in entities:
        copy = entity.copy()
        copy.dxf.layer = "0"
        msp.add_entity(copy)
    source = os.path.join(scratch, "curves.dxf")
    doc.saveas(source)
    exploded = exploded_document(dxftool, source, scratch)
    if exploded is None:
        return [], []
    result = exploded.modelspace()
    lines = [((e.dxf.start.x, e.dxf.start.y), (e.dxf.end.x, e.dxf.end.y))
             for e in result if e.dxftype() == "LINE"]
    solids = [[(v.x, v.y) for v in (e.dxf.vtx0, e.dxf.vtx1, e.dxf.vtx3, e.dxf.vtx2)]
              for e in result if e.dxftype() == "SOLID"]
    return lines, solids


class SegmentGrid:
    def __init__(self, lines, cell):
        self.cell = cell
        self.grid = {}
        for a, b in lines:
            for key in self.keys(a, b):
                self.grid.setdefault(key, []).append((a, b))

    def keys(self, a, b):
        x0, x1 = sorted((a[0], b[0]))
        y0, y1 = sorted((a[1], b[1]))
        kx0, kx1 = math.floor(x0 / self.cell), math.floor(x1 / self.cell)
        ky0, ky1 = math.floor(y0 / self.cell), math.floor(y1 / self.cell)
        if (kx1 - kx0 + 1) * (ky1 - ky0 + 1) > 10000:
            return [("long",)]
        return [(kx, ky) for kx in range(kx0, kx1 + 1) for ky in range(ky0, ky1 + 1)]

    def near(self, p, tol):
        kx, ky = math.floor(p[0] / self.cell), math.floor(p[1] / self.cell)
        for dx in (-1, 0, 1):
            for dy in (-1, 0, 1):
                for segment in self.grid.get((kx + dx, ky + dy), ()):
                    if segment_distance(p, *segment) <= tol:
                        return True
        return any(segment_distance(p, *s) <= tol for s in self.grid.get(("long",), ()))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("dxftool")
    parser.add_argument("samples")
    args = parser.parse_args()
    paths = sample_paths(args.samples)
    print("| file | splines matched | solid hatch area ours/ezdxf | pattern length ours/ezdxf |")
    print("|---|---|---|---|")
    with tempfile.TemporaryDirectory(prefix="curves-match-") as scratch:
        for path in paths:
            name = os.path.relpath(path, args.samples)
            try:
                found = collect(path)
            except Exception:
                continue
            if not found:
                continue
            splines = [e for e in found if e.dxftype() == "SPLINE"]
            solid = [e for e in found if e.dxftype() == "HATCH" and e.dxf.solid_fill]
            pattern = [e for e in found if e.dxftype() == "HATCH" and not e.dxf.solid_fill]
            cells = []
            if splines:
                lines, _ = our_pieces(args.dxftool, splines, scratch)
                points = [spline_points(s) for s in splines]
                size = max((t for _, t in points), default=1.0)
                grid = SegmentGrid(lines, max(size * 4, 1e-3))
                matched = sum(1 for pts, tol in points if all(grid.near(p, tol) for p in pts))
                cells.append(f"{matched}/{len(splines)}")
            else:
                cells.append("-")
            if solid:
                _, solids = our_pieces(args.dxftool, solid, scratch)
                reference = sum(even_odd_area(hatch_rings(h)) for h in solid)
                ours = sum(abs(ring_area(q)) for q in solids)
                cells.append(f"{ours:.4g}/{reference:.4g} = {ours / reference:.3f}" if reference else "-")
            else:
                cells.append("-")
            if pattern:
                lines, _ = our_pieces(args.dxftool, pattern, scratch)
                lengths = [pattern_length(h) for h in pattern]
                reference = sum(x for x in lengths if x is not None)
                ours = sum(math.hypot(b[0] - a[0], b[1] - a[1]) for a, b in lines)
                cells.append(f"{ours:.4g}/{reference:.4g} = {ours / reference:.3f}" if reference else "-")
            else:
                cells.append("-")
            print(f"| {name} | " + " | ".join(cells) + " |")
    return 0


if __name__ == "__main__":
    sys.exit(main())
