#!/usr/bin/python3
"""Compares the geometry dxftool reads from each sample drawing with what ezdxf reads.

For every DXF file, ours is `dxftool convert --explode` (only lines, arcs, circles, points,
texts and solids are left); the reference is ezdxf's own reading of the same file: model
space, block references, dimensions and polylines exploded recursively with
virtual_entities. Lines, arcs, circles, points and text anchors of the reference are matched
against ours within a tolerance, and the table gives matched/reference per file. A file
that dxftool refuses matches nothing; one that ezdxf cannot read has no reference.

    /usr/bin/python3 bench/geometry_match.py build/release/tools/dxftool/dxftool \
        tests/data/samples
"""
import argparse
import math
import os
import subprocess
import sys
import tempfile

import ezdxf
from ezdxf import recover

# Absolute tolerance for coordinates (the written file carries four decimals), plus a
# relative part of the drawing's size for drawings in large coordinates.
ABSOLUTE_TOLERANCE = 2e-3
RELATIVE_TOLERANCE = 1e-7
# Kinds exploded further on the reference side.
EXPLODED = {"INSERT", "DIMENSION", "ARC_DIMENSION", "LARGE_RADIAL_DIMENSION", "LWPOLYLINE",
            "POLYLINE", "LEADER"}
MAX_DEPTH = 16


def points_of(entity):
    """(kind, tuple of points, radius) of one entity, or None for kinds not compared."""
    kind = entity.dxftype()
    d = entity.dxf
    if kind == "LINE":
        return "LINE", (tuple(d.start)[:2], tuple(d.end)[:2]), 0.0
    if kind == "POINT":
        return "POINT", (tuple(d.location)[:2],), 0.0
    if kind == "CIRCLE":
        centre = entity.ocs().to_wcs(d.center)
        return "CIRCLE", (tuple(centre)[:2],), abs(d.radius)
    if kind == "ARC":
        if abs(entity.dxf.end_angle - entity.dxf.start_angle) % 360.0 < 1e-9:
            centre = entity.ocs().to_wcs(d.center)
            return "CIRCLE", (tuple(centre)[:2],), abs(d.radius)
        centre = entity.ocs().to_wcs(d.center)
        start = tuple(entity.start_point)[:2]
        end = tuple(entity.end_point)[:2]
        return "ARC", (tuple(centre)[:2], start, end), abs(d.radius)
    if kind in ("TEXT", "ATTRIB"):
        if kind == "ATTRIB":
            return None
        anchors = [tuple(entity.ocs().to_wcs(d.insert))[:2]]
        if d.hasattr("align_point"):
            anchors.append(tuple(entity.ocs().to_wcs(d.align_point))[:2])
        return "TEXT", tuple(anchors), 0.0
    if kind == "MTEXT":
        return "TEXT", (tuple(d.insert)[:2],), 0.0
    return None


def explode(entities, depth=0):
    for entity in entities:
        kind = entity.dxftype()
        if kind in EXPLODED and depth < MAX_DEPTH:
            try:
                if kind == "INSERT" and entity.mcount > 1:
                    parts = []
                    for single in entity.multi_insert():
                        parts.extend(single.virtual_entities())
                else:
                    parts = list(entity.virtual_entities())
            except Exception:  # a reference ezdxf cannot resolve adds nothing
                continue
            yield from explode(parts, depth + 1)
        else:
            yield entity


def collect(entities):
    items = []
    for entity in entities:
        try:
            found = points_of(entity)
        except Exception:
            found = None
        if found and all(all(math.isfinite(v) for v in p) for p in found[1]):
            items.append(found)
    return items


def reference_items(path):
    with open(path, "rb") as f:
        binary = f.read(22) == b"AutoCAD Binary DXF\r\n\x1a\x00"
    # ezdxf's recover mode reads ASCII files only.
    doc = ezdxf.readfile(path) if binary else recover.readfile(path)[0]
    return collect(explode(doc.modelspace()))


def our_items(dxftool, path, scratch):
    out = os.path.join(scratch, "exploded.dxf")
    if os.path.exists(out):
        os.remove(out)
    done = subprocess.run([dxftool, "convert", path, out, "--explode"],
                          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    if done.returncode != 0 or not os.path.exists(out):
        return None
    try:
        doc, _ = recover.readfile(out)
    except Exception:  # a written file ezdxf cannot load matches nothing
        return []
    return collect(doc.modelspace())


class Index:
    """Our items by kind on a grid of their first point, for lookups near a point."""

    def __init__(self, items, cell):
        self.cell = cell
        self.grid = {}
        for item in items:
            for point in item[1]:
                self.grid.setdefault((item[0],) + self.key(point), []).append(item)

    def key(self, point):
        return (math.floor(point[0] / self.cell), math.floor(point[1] / self.cell))

    def near(self, kind, point):
        kx, ky = self.key(point)
        for dx in (-1, 0, 1):
            for dy in (-1, 0, 1):
                yield from self.grid.get((kind, kx + dx, ky + dy), ())


def close(p, q, tol):
    return abs(p[0] - q[0]) <= tol and abs(p[1] - q[1]) <= tol


def same(reference, ours, tol):
    kind, ref_points, ref_radius = reference
    _, our_points, our_radius = ours
    if abs(ref_radius - our_radius) > tol:
        return False
    if kind == "TEXT":
        return any(close(p, q, tol) for p in ref_points for q in our_points)
    if kind == "LINE":
        a, b = ref_points
        c, d = our_points
        return (close(a, c, tol) and close(b, d, tol)) or (close(a, d, tol) and close(b, c, tol))
    if kind == "ARC":
        # Start and end may be exchanged by a mirror; centre first.
        return close(ref_points[0], our_points[0], tol) and (
            (close(ref_points[1], our_points[1], tol) and close(ref_points[2], our_points[2], tol)))
    return all(close(p, q, tol) for p, q in zip(ref_points, our_points))


def size_of(items):
    xs = [p[0] for item in items for p in item[1]]
    ys = [p[1] for item in items for p in item[1]]
    if not xs:
        return 0.0
    return max(max(xs) - min(xs), max(ys) - min(ys))


def match(reference, ours):
    tol = ABSOLUTE_TOLERANCE + RELATIVE_TOLERANCE * size_of(reference)
    index = Index(ours, max(tol * 4, 1e-6))
    matched = 0
    for item in reference:
        if any(same(item, candidate, tol) for point in item[1][:1]
               for candidate in index.near(item[0], point)):
            matched += 1
    return matched


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("dxftool")
    parser.add_argument("samples")
    args = parser.parse_args()
    paths = []
    for folder, _, files in os.walk(args.samples):
        paths += [os.path.join(folder, f) for f in files if f.lower().endswith(".dxf")]
    paths.sort()
    print(f"| file | matched/reference | share |")
    print(f"|---|---|---|")
    below_goal = 0
    with tempfile.TemporaryDirectory(prefix="geometry-match-") as scratch:
        for path in paths:
            name = os.path.relpath(path, args.samples)
            try:
                reference = reference_items(path)
            except Exception as error:
                print(f"| {name} | ezdxf cannot read it ({type(error).__name__}) | - |")
                continue
            ours = our_items(args.dxftool, path, scratch)
            if ours is None:
                print(f"| {name} | refused, 0/{len(reference)} | 0 % |")
                below_goal += 1 if reference else 0
                continue
            matched = match(reference, ours)
            share = 100.0 * matched / len(reference) if reference else 100.0
            below_goal += share < 99.0
            print(f"| {name} | {matched}/{len(reference)} | {share:.1f} % |")
    print(f"\nfiles below 99 %: {below_goal}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
