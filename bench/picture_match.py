#!/usr/bin/python3
"""Compares dxftool's pictures of the sample drawings with ezdxf's drawing add-on.

For every DXF file both pictures show the same world rectangle at the same pixel size: the
extents ezdxf finds in model space, widened by 5 % on each side (dxftool's own extents when
ezdxf finds none), given to `dxftool render --window` and set as the limits of ezdxf's
matplotlib axes. Ink is every pixel that is not (nearly) white. A picture's score is the
share of its ink that has ink of the other picture within 2 pixels; the table gives ours
against ezdxf's, ezdxf's against ours and the smaller of the two, one row per file.

    /usr/bin/python3 bench/picture_match.py build/release/tools/dxftool/dxftool \\
        tests/data/samples

Needs python3-ezdxf and python3-matplotlib (scripts/install-deps installs both).
"""
import argparse
import json
import logging
import multiprocessing
import os
import subprocess
import sys
import tempfile

import matplotlib

matplotlib.use("Agg")
import matplotlib.image  # noqa: E402
import matplotlib.pyplot as plt  # noqa: E402
import numpy as np  # noqa: E402

import ezdxf  # noqa: E402
from ezdxf import bbox, recover  # noqa: E402
from ezdxf.addons.drawing import Frontend, RenderContext  # noqa: E402
from ezdxf.addons.drawing.config import Configuration  # noqa: E402
from ezdxf.addons.drawing.matplotlib import MatplotlibBackend  # noqa: E402
from ezdxf.addons.drawing import properties as drawing_properties  # noqa: E402
from ezdxf.addons.drawing.properties import LayoutProperties  # noqa: E402
from ezdxf.addons.drawing import mpl_text_renderer  # noqa: E402
from matplotlib.font_manager import FontProperties  # noqa: E402

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from geometry_match import sample_paths  # noqa: E402

# A layer missing from the table is drawn as a new layer would be: colour 7, black on
# white (ezdxf's fallback is white, meant for its dark background).
drawing_properties.DEFAULT_LAYER_PROPERTIES.color = "#000000"
# Fonts that the drawings name but the machine lacks are replaced without a word.
logging.getLogger("matplotlib.font_manager").setLevel(logging.ERROR)

# dxftool draws every text in the face fontconfig gives for "Arial"; ezdxf takes the
# style's font where matplotlib knows it and DejaVu Sans elsewhere. Both sides draw with
# the same face, so letter shapes do not count as a difference; slant and weight stay
# ezdxf's own.
SHARED_FACE = "Liberation Sans"


def _shared_face_properties(font):
    return FontProperties(family=SHARED_FACE, style=font.style, weight=font.weight)


mpl_text_renderer._get_font_properties = _shared_face_properties

# Pixels that close to another picture's ink count as matched.
NEAR_PIXELS = 2
# A pixel is ink when one of its channels is darker than this (0..1).
INK_BELOW = 0.85
MARGIN = 0.05
DPI = 100


def read_reference(path):
    with open(path, "rb") as f:
        binary = f.read(22).startswith(b"AutoCAD Binary DXF")
    # ezdxf's recover mode reads ASCII files only.
    return ezdxf.readfile(path) if binary else recover.readfile(path)[0]


def widened(box):
    x1, y1, x2, y2 = box
    w, h = x2 - x1, y2 - y1
    return x1 - MARGIN * w, y1 - MARGIN * h, x2 + MARGIN * w, y2 + MARGIN * h


def to_picture_shape(box, width, height):
    """The box grown about its centre to the picture's shape (what dxftool does too)."""
    x1, y1, x2, y2 = box
    w, h = max(x2 - x1, 1e-9), max(y2 - y1, 1e-9)
    scale = min(width / w, height / h)
    cx, cy = (x1 + x2) / 2, (y1 + y2) / 2
    hw, hh = width / scale / 2, height / scale / 2
    return cx - hw, cy - hh, cx + hw, cy + hh


def reference_extents(doc):
    box = bbox.extents(doc.modelspace(), fast=True)
    if not box.has_data or box.size.x <= 0 and box.size.y <= 0:
        return None
    x1, y1 = box.extmin.x, box.extmin.y
    x2, y2 = box.extmax.x, box.extmax.y
    if x2 - x1 <= 0:
        x1, x2 = x1 - (y2 - y1) / 2, x2 + (y2 - y1) / 2
    if y2 - y1 <= 0:
        y1, y2 = y1 - (x2 - x1) / 2, y2 + (x2 - x1) / 2
    return x1, y1, x2, y2


def our_extents(dxftool, path):
    run = subprocess.run([dxftool, "info", path], capture_output=True, text=True, timeout=120)
    if run.returncode != 0:
        return None
    info = json.loads(run.stdout)
    ext = info.get("extents") or {}
    try:
        box = ext["minX"], ext["minY"], ext["maxX"], ext["maxY"]
    except KeyError:
        return None
    return box if box[2] > box[0] and box[3] > box[1] else None


def render_reference(doc, window, width, height, out):
    fig = plt.figure(figsize=(width / DPI, height / DPI), dpi=DPI)
    ax = fig.add_axes([0, 0, 1, 1])
    ctx = RenderContext(doc)
    msp = doc.modelspace()
    ctx.set_current_layout(msp)
    properties = LayoutProperties.from_layout(msp)
    properties.set_colors("#ffffff")
    backend = MatplotlibBackend(ax, adjust_figure=False, font=FontProperties(family=SHARED_FACE))
    # dxftool draws lines without an end (XLINE, RAY) across the whole window; ezdxf draws a
    # set length of them, here long enough to cross the window from wherever they start.
    reach = 10.0 * max(abs(v) for v in window) + 10.0 * (window[2] - window[0] + window[3] - window[1])
    config = Configuration.defaults().with_changes(infinite_line_length=reach)
    Frontend(ctx, backend, config=config).draw_layout(
        msp, finalize=False, layout_properties=properties
    )
    ax.set_xlim(window[0], window[2])
    ax.set_ylim(window[1], window[3])
    ax.set_facecolor("#ffffff")
    ax.set_axis_off()
    fig.savefig(out, dpi=DPI, facecolor="#ffffff")
    plt.close(fig)


def ink(path):
    picture = matplotlib.image.imread(path)
    rgb = picture[:, :, :3]
    if rgb.dtype != np.float32 and rgb.dtype != np.float64:
        rgb = rgb / 255.0
    return rgb.min(axis=2) < INK_BELOW


def grown(mask, radius):
    result = np.zeros_like(mask)
    h, w = mask.shape
    for dy in range(-radius, radius + 1):
        for dx in range(-radius, radius + 1):
            if dx * dx + dy * dy > radius * radius:
                continue
            src = mask[max(0, -dy):h - max(0, dy), max(0, -dx):w - max(0, dx)]
            result[max(0, dy):h - max(0, -dy), max(0, dx):w - max(0, -dx)] |= src
    return result


def near_share(a, b):
    """Share of a's ink within NEAR_PIXELS of b's ink (1.0 when a has no ink)."""
    total = int(a.sum())
    if total == 0:
        return 1.0 if int(b.sum()) == 0 else 0.0
    return float((a & grown(b, NEAR_PIXELS)).sum()) / total


def compare(job):
    dxftool, path, width, height, keep = job
    name = os.path.basename(path)
    try:
        doc = read_reference(path)
    except Exception as error:  # noqa: BLE001 - any failure means "no reference"
        return name, None, f"ezdxf cannot read it ({type(error).__name__})"
    try:
        box = reference_extents(doc)
    except Exception:  # noqa: BLE001 - ezdxf cannot measure it: take ours
        box = None
    box = box or our_extents(dxftool, path)
    if box is None:
        return name, None, "nothing drawn"
    window = to_picture_shape(widened(box), width, height)
    with tempfile.TemporaryDirectory() as scratch:
        folder = keep or scratch
        stem = os.path.splitext(name)[0]
        ours = os.path.join(folder, stem + ".ours.png")
        theirs = os.path.join(folder, stem + ".ezdxf.png")
        run = subprocess.run(
            [dxftool, "render", path, ours, "--width", str(width), "--height", str(height),
             "--window", ",".join(repr(v) for v in window)],
            capture_output=True, text=True, timeout=300)
        if run.returncode != 0 or not os.path.exists(ours):
            return name, None, "dxftool cannot render it"
        try:
            render_reference(doc, window, width, height, theirs)
        except Exception as error:  # noqa: BLE001
            return name, None, f"ezdxf cannot draw it ({type(error).__name__})"
        a, b = ink(ours), ink(theirs)
        if a.shape != b.shape:
            return name, None, f"sizes differ {a.shape} {b.shape}"
        return name, (near_share(a, b), near_share(b, a)), ""


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("dxftool")
    parser.add_argument("samples", help="a folder searched for *.dxf, or one file")
    parser.add_argument("--width", type=int, default=800)
    parser.add_argument("--height", type=int, default=600)
    parser.add_argument("--keep", help="folder to keep both pictures of every file in")
    parser.add_argument("--jobs", type=int, default=1)
    args = parser.parse_args()
    if os.path.isfile(args.samples):
        files = [args.samples]
    else:
        files = sample_paths(args.samples)
    if args.keep:
        os.makedirs(args.keep, exist_ok=True)
    jobs = [(os.path.abspath(args.dxftool), f, args.width, args.height, args.keep)
            for f in files]
    # A fresh process per file: ezdxf's and matplotlib's caches filled by one drawing must
    # not change the picture of the next.
    with multiprocessing.Pool(max(1, args.jobs), maxtasksperchild=1) as pool:
        rows = pool.map(compare, jobs, chunksize=1)
    print("| file | ours near ezdxf | ezdxf near ours | min |")
    print("|---|---|---|---|")
    scores = []
    for (name, score, note), path in zip(rows, files):
        label = os.path.relpath(path, args.samples) if os.path.isdir(args.samples) else name
        if score is None:
            print(f"| {label} | - | - | {note} |")
            continue
        scores.append(min(score))
        print(f"| {label} | {score[0]:.3f} | {score[1]:.3f} | {min(score):.3f} |")
    if scores:
        good = sum(1 for s in scores if s >= 0.9)
        print(f"\n{len(scores)} files compared, mean min {sum(scores) / len(scores):.3f}, "
              f"{good} at 0.9 or better")
    return 0


if __name__ == "__main__":
    sys.exit(main())
