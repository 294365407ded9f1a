#!/usr/bin/python3
"""Benchmark peer: renders the model space of a DXF file to PNG with ezdxf's drawing add-on.

Usage: ezdxf_render.py IN OUT.png WIDTH HEIGHT. Exits with status 3 when matplotlib, which
the add-on draws with, is not installed, so the comparison can note the skip.
"""
import sys

try:
    import matplotlib
    matplotlib.use("Agg")
    import matplotlib.pyplot as plt
except ImportError:
    print("matplotlib is not installed", file=sys.stderr)
    sys.exit(3)

import ezdxf
from ezdxf.addons.drawing import Frontend, RenderContext
from ezdxf.addons.drawing.matplotlib import MatplotlibBackend

if len(sys.argv) != 5:
    sys.exit("usage: ezdxf_render.py IN OUT.png WIDTH HEIGHT")
source, target, width, height = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
doc = ezdxf.readfile(source)
dpi = 100
figure = plt.figure(figsize=(width / dpi, height / dpi), dpi=dpi)
axes = figure.add_axes([0, 0, 1, 1])
Frontend(RenderContext(doc), MatplotlibBackend(axes)).draw_layout(doc.modelspace(), finalize=True)
figure.savefig(target, dpi=dpi, facecolor="white")
