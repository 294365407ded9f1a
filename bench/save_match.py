#!/usr/bin/python3
"""Compares each sample's picture with the picture of the same drawing saved and read back.

For every DXF file, `dxftool convert` saves it as release 12 (which lacks ellipses, splines,
hatches and multi-line texts, so they are written as the entities that draw the same), and
`dxftool render` paints both files onto the same world window (our extents of the original,
widened by 5 %). The score is picture_match's ink agreement: the smaller of the two shares
of ink that has ink of the other picture within 2 pixels. The goal is 0.98 for every file.

    /usr/bin/python3 bench/save_match.py build/release/tools/dxftool/dxftool \\
        tests/data/samples
"""
import argparse
import json
import os
import subprocess
import sys
import tempfile

from picture_match import ink, near_share, to_picture_shape, widened

GOAL = 0.98


def extents(dxftool, path):
    """Our extents of the drawing; a flat one grown to a square (a lone text or point: 2 units)."""
    run = subprocess.run([dxftool, "info", path], capture_output=True, text=True, timeout=120)
    if run.returncode != 0:
        return None
    box = json.loads(run.stdout).get("extents") or {}
    if not box:
        return None
    x1, y1, x2, y2 = box["minX"], box["minY"], box["maxX"], box["maxY"]
    if x2 > x1 and y2 > y1:
        return x1, y1, x2, y2
    half = max(x2 - x1, y2 - y1, 2.0) / 2
    cx, cy = (x1 + x2) / 2, (y1 + y2) / 2
    return cx - half, cy - half, cx + half, cy + half


def render(dxftool, path, out, window, width, height):
    run = subprocess.run(
        [dxftool, "render", path, out, "--width", str(width), "--height", str(height),
         "--window", ",".join(repr(v) for v in window)],
        capture_output=True, text=True, timeout=300)
    # Exit 3 is a picture that was cut by the placement budget: still a picture.
    return run.returncode in (0, 3) and os.path.exists(out)


def score(dxftool, path, width, height, scratch):
    """(score, note) of one file; score None when it cannot be compared."""
    box = extents(dxftool, path)
    if box is None:
        return None, "nothing drawn"
    window = to_picture_shape(widened(box), width, height)
    saved = os.path.join(scratch, "saved.dxf")
    run = subprocess.run([dxftool, "convert", path, saved], capture_output=True, text=True,
                         timeout=300)
    if run.returncode not in (0, 3):
        return None, f"convert exit {run.returncode}"
    before, after = os.path.join(scratch, "before.png"), os.path.join(scratch, "after.png")
    if not render(dxftool, path, before, window, width, height):
        return None, "cannot render the original"
    if not render(dxftool, saved, after, window, width, height):
        return None, "cannot render the saved file"
    a, b = ink(before), ink(after)
    return min(near_share(a, b), near_share(b, a)), ""


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("dxftool")
    parser.add_argument("samples", help="a folder searched for *.dxf, or one file")
    parser.add_argument("--width", type=int, default=800)
    parser.add_argument("--height", type=int, default=600)
    args = parser.parse_args()
    if os.path.isfile(args.samples):
        paths = [args.samples]
    else:
        paths = sorted(os.path.join(root, name) for root, _, names in os.walk(args.samples)
                       for name in names if name.lower().endswith(".dxf"))
    print("| file | saved and read back |")
    print("|---|---|")
    below = 0
    for path in paths:
        with tempfile.TemporaryDirectory(prefix="save-match-") as scratch:
            value, note = score(args.dxftool, path, args.width, args.height, scratch)
        name = os.path.relpath(path, args.samples) if len(paths) > 1 else os.path.basename(path)
        if value is None:
            print(f"| {name} | - ({note}) |")
            continue
        below += value < GOAL
        print(f"| {name} | {value:.3f}{' below goal' if value < GOAL else ''} |", flush=True)
    print(f"\nfiles below {GOAL}: {below}")
    return 1 if below else 0


if __name__ == "__main__":
    sys.exit(main())
