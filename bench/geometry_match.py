#!/usr/bin/python3
"""Compares the geometry dxftool reads from each sample drawing with what ezdxf reads.

For every DXF file, ours is `dxftool convert --explode` (only lines, arcs, circles, points,
texts and solids are left, and ellipses, which the written release 12 file holds as
polylines of chords); the reference is ezdxf's own reading of the same file: model space,
block references (every cell of a MINSERT grid), dimensions and polylines exploded
recursively with virtual_entities. Lines, arcs, circles, ellipses, points and text anchors
of the reference are matched against ours within a tolerance, and the table gives
matched/reference per file. A file that dxftool refuses matches nothing; one that ezdxf
cannot read has no reference.

Arcs are compared as point sets (centre, radius, middle point and both ends in either
order): an arc in a mirrored plane runs clockwise in ezdxf's terms and counter-clockwise in
ours. Ellipses, and arcs and circles in tilted planes (which the viewer shows as their
outline on the x-y plane, an ellipse), are compared as curves: our polyline must keep near
the reference curve and the curve near our polyline, with the chord error the writer
allows. Reference lines shorter than the four decimals of our written files (1e-4) show
nothing and cannot be compared through such a file: they are not counted.

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
# Reference lines shorter than this are not counted (our files carry four decimals).
SHORTEST_LINE = 1e-4
# Chord error of the polylines that stand for ellipses in our written files, as a share of
# the major half axis (the writer keeps within half of it), and reference samples per curve.
CURVE_TOLERANCE = 2e-4
CURVE_SAMPLES = 256
# Kinds exploded further on the reference side.
EXPLODED = {"INSERT", "DIMENSION", "ARC_DIMENSION", "LARGE_RADIAL_DIMENSION", "LWPOLYLINE",
            "POLYLINE", "LEADER"}
MAX_DEPTH = 16


def tilted(entity):
    """True when the entity's plane is not the x-y plane (seen from above or below)."""
    normal = entity.dxf.get("extrusion", (0.0, 0.0, 1.0))
    length = math.sqrt(sum(v * v for v in normal)) or 1.0
    return abs(normal[0]) / length > 1e-9 or abs(normal[1]) / length > 1e-9


def curve(points, size):
    """A curve item: its sampled points (start first, end last) and its size."""
    return "CURVE", tuple(points), size


def circular_curve(entity, start, end):
    """An arc or circle of a tilted plane as a curve seen from above."""
    d = entity.dxf
    ocs = entity.ocs()
    sweep = (end - start) % 360.0 or 360.0
    angles = [math.radians(start + sweep * i / CURVE_SAMPLES) for i in range(CURVE_SAMPLES + 1)]
    points = [tuple(ocs.to_wcs((d.center[0] + d.radius * math.cos(a),
                                d.center[1] + d.radius * math.sin(a), d.center[2])))[:2]
              for a in angles]
    return curve(points, abs(d.radius))


def ellipse_curve(entity):
    d = entity.dxf
    start, end = d.start_param, d.end_param
    sweep = (end - start) % math.tau or math.tau
    params = [start + sweep * i / CURVE_SAMPLES for i in range(CURVE_SAMPLES + 1)]
    points = [tuple(p)[:2] for p in entity.vertices(params)]
    return curve(points, math.sqrt(sum(v * v for v in d.major_axis)))


def arc_points(entity):
    """Centre, start, end and middle point of an arc in a plane parallel to x-y."""
    d = entity.dxf
    ocs = entity.ocs()
    sweep = (d.end_angle - d.start_angle) % 360.0 or 360.0
    def at(angle):
        a = math.radians(angle)
        return tuple(ocs.to_wcs((d.center[0] + d.radius * math.cos(a),
                                 d.center[1] + d.radius * math.sin(a), d.center[2])))[:2]
    return (tuple(ocs.to_wcs(d.center))[:2], at(d.start_angle), at(d.start_angle + sweep),
            at(d.start_angle + sweep / 2))


def points_of(entity):
    """(kind, tuple of points, radius) of one entity, or None for kinds not compared."""
    kind = entity.dxftype()
    d = entity.dxf
    if kind == "LINE":
        return "LINE", (tuple(d.start)[:2], tuple(d.end)[:2]), 0.0
    if kind == "POINT":
        return "POINT", (tuple(d.location)[:2],), 0.0
    if kind == "ELLIPSE":
        return ellipse_curve(entity)
    if kind == "POLYLINE":
        # Only ellipses remain polylines in our exploded files.
        return "POLY", tuple(tuple(v.dxf.location)[:2] for v in entity.vertices), 0.0
    if kind in ("CIRCLE", "ARC") and tilted(entity):
        start, end = (0.0, 360.0) if kind == "CIRCLE" else (d.start_angle, d.end_angle)
        return circular_curve(entity, start, end)
    if kind == "CIRCLE":
        centre = entity.ocs().to_wcs(d.center)
        return "CIRCLE", (tuple(centre)[:2],), abs(d.radius)
    if kind == "ARC":
        if abs(entity.dxf.end_angle - entity.dxf.start_angle) % 360.0 < 1e-9:
            centre = entity.ocs().to_wcs(d.center)
            return "CIRCLE", (tuple(centre)[:2],), abs(d.radius)
        return "ARC", arc_points(entity), abs(d.radius)
    if kind in ("TEXT", "ATTRIB"):
        if kind == "ATTRIB":
            return None
        anchors = [tuple(entity.ocs().to_wcs(d.insert))[:2]]
        if d.hasattr("align_point"):
            anchors.append(tuple(entity.ocs().to_wcs(d.align_point))[:2])
        return "TEXT", tuple(anchors), 0.0
    if kind == "MTEXT":
        return "TEXT", (mtext_first_baseline(entity),), 0.0
    return None


def mtext_first_baseline(entity):
    """Where the first line of an MTEXT stands: its lines are 5/3 of the height apart (times
    the spacing factor), and the block from the top of the first line's capitals to the
    last baseline hangs from, centres on or stands on the insertion point."""
    d = entity.dxf
    height = d.char_height
    lines = entity.plain_text().count("\n") + 1
    spacing = 5.0 / 3.0 * height * d.get("line_spacing_factor", 1.0)
    block = height + (lines - 1) * spacing
    row = (d.get("attachment_point", 1) - 1) // 3
    depth = height - block * row / 2.0
    direction = entity.get_text_direction()
    down = (direction.y, -direction.x)
    length = math.hypot(*down) or 1.0
    return (d.insert[0] + depth * down[0] / length, d.insert[1] + depth * down[1] / length)


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


def too_short(item):
    if item[0] != "LINE":
        return False
    (x1, y1), (x2, y2) = item[1]
    return math.hypot(x2 - x1, y2 - y1) < SHORTEST_LINE


def collect(entities, reference=False):
    items = []
    for entity in entities:
        try:
            found = points_of(entity)
        except Exception:
            found = None
        if found and all(all(math.isfinite(v) for v in p) for p in found[1]):
            if not (reference and too_short(found)):
                items.append(found)
    return items


def reference_items(path):
    with open(path, "rb") as f:
        binary = f.read(22) == b"AutoCAD Binary DXF\r\n\x1a\x00"
    # ezdxf's recover mode reads ASCII files only.
    doc = ezdxf.readfile(path) if binary else recover.readfile(path)[0]
    return collect(explode(doc.modelspace()), reference=True)


def exploded_document(dxftool, path, scratch):
    """dxftool's exploded copy of `path` as ezdxf's recover mode reads it: None when
    dxftool refuses the file, an empty drawing when ezdxf cannot load what it wrote."""
    out = os.path.join(scratch, "exploded.dxf")
    if os.path.exists(out):
        os.remove(out)
    done = subprocess.run([dxftool, "convert", path, out, "--explode"],
                          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    if done.returncode != 0 or not os.path.exists(out):
        return None
    try:
        return recover.readfile(out)[0]
    except Exception:  # a written file ezdxf cannot load matches nothing
        return ezdxf.new()


def our_items(dxftool, path, scratch):
    doc = exploded_document(dxftool, path, scratch)
    return None if doc is None else collect(doc.modelspace())


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
        # A reference curve is looked for among our polylines.
        kind = "POLY" if kind == "CURVE" else kind
        kx, ky = self.key(point)
        for dx in (-1, 0, 1):
            for dy in (-1, 0, 1):
                yield from self.grid.get((kind, kx + dx, ky + dy), ())


def close(p, q, tol):
    return abs(p[0] - q[0]) <= tol and abs(p[1] - q[1]) <= tol


def segment_distance(p, a, b):
    ax, ay = b[0] - a[0], b[1] - a[1]
    length = ax * ax + ay * ay
    t = 0.0 if length == 0.0 else max(0.0, min(1.0, ((p[0] - a[0]) * ax + (p[1] - a[1]) * ay)
                                                   / length))
    return math.hypot(p[0] - a[0] - t * ax, p[1] - a[1] - t * ay)


def near_polyline(points, polyline, tol, closed):
    segments = list(zip(polyline, polyline[1:]))
    if closed and len(polyline) > 1:
        segments.append((polyline[-1], polyline[0]))
    if not segments:
        segments = [(polyline[0], polyline[0])]
    return all(min(segment_distance(p, a, b) for a, b in segments) <= tol for p in points)


def same_curve(ref_points, size, our_points, tol):
    tol += CURVE_TOLERANCE * size
    closed = close(ref_points[0], ref_points[-1], tol)
    if not closed:
        ends = (ref_points[0], ref_points[-1])
        if not ((close(ends[0], our_points[0], tol) and close(ends[1], our_points[-1], tol)) or
                (close(ends[1], our_points[0], tol) and close(ends[0], our_points[-1], tol))):
            return False
    return (near_polyline(ref_points[::8], our_points, tol, closed) and
            near_polyline(our_points, ref_points, tol, False))


def same(reference, ours, tol):
    kind, ref_points, ref_radius = reference
    _, our_points, our_radius = ours
    if kind == "CURVE":
        return same_curve(ref_points, ref_radius, our_points, tol)
    if abs(ref_radius - our_radius) > tol:
        return False
    if kind == "TEXT":
        return any(close(p, q, tol) for p in ref_points for q in our_points)
    if kind == "LINE":
        a, b = ref_points
        c, d = our_points
        return (close(a, c, tol) and close(b, d, tol)) or (close(a, d, tol) and close(b, c, tol))
    if kind == "ARC":
        # Centre and middle point, then the ends in either order.
        centre, start, end, middle = ref_points
        our_centre, our_start, our_end, our_middle = our_points
        return close(centre, our_centre, tol) and close(middle, our_middle, tol) and (
            (close(start, our_start, tol) and close(end, our_end, tol)) or
            (close(start, our_end, tol) and close(end, our_start, tol)))
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


def sample_paths(folder):
    """Every DXF file below `folder`, sorted."""
    return sorted(os.path.join(root, name) for root, _, names in os.walk(folder)
                  for name in names if name.lower().endswith(".dxf"))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("dxftool")
    parser.add_argument("samples")
    args = parser.parse_args()
    paths = sample_paths(args.samples)
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
