#!/usr/bin/python3
"""Benchmark peer: reads a DXF file with ezdxf and counts the model space entities by type."""
import collections
import sys

import ezdxf

if len(sys.argv) != 2:
    sys.exit("usage: ezdxf_read.py FILE")
doc = ezdxf.readfile(sys.argv[1])
counts = collections.Counter(entity.dxftype() for entity in doc.modelspace())
print(" ".join(f"{name} {count}" for name, count in sorted(counts.items())),
      f"blocks {len(doc.blocks)} layers {len(doc.layers)} linetypes {len(doc.linetypes)}")
