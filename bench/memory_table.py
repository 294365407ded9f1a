#!/usr/bin/python3
"""Peak memory of reading and converting, as a multiple of the file's size.

Writes the input drawings once into a data folder (default build/bench-data, kept between
runs), then runs `dxftool info FILE` and `dxftool convert FILE OUT` under /usr/bin/time -v
for each and prints a table of the peak resident memory, its ratio to the file's size and
the wall time. The goal is a ratio of at most 3 for every row.

Inputs: records without groups ("  0" / "LINE" repeated) of 20 MB and 200 MB, 200 MB of
LINE records with coordinates, LINE records far shorter than the objects they make (a layer
only; one-digit coordinates), polylines of many vertices as release 12 POLYLINE/VERTEX
records and as release 2000 LWPOLYLINE records, with and without bulges, the generated
catalogue drawings of 1 000 000 records (bench/generate_drawings.py) and binary DXF files
of the 100 000 and 1 000 000 record drawings written by ezdxf (its reading and writing of the
large one takes minutes and a few GB once). A small file's row carries the process's own
few megabytes (libraries, fonts) on top of the drawing.

Usage: bench/memory_table.py [--dxftool PATH] [--data DIR] [--only NAME ...] [--skip-generated]
"""
import argparse
import os
import re
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
MB = 1000 * 1000

HEAD = "  0\nSECTION\n  2\nENTITIES\n"
TAIL = "  0\nENDSEC\n  0\nEOF\n"


def write_repeated(path, record, size):
    """HEAD, then `record` repeated until the file is about `size` bytes, then TAIL."""
    chunk = record * max(1, (1 << 20) // len(record))
    with open(path, "w", newline="\n") as out:
        out.write(HEAD)
        written = len(HEAD)
        while written + len(chunk) <= size:
            out.write(chunk)
            written += len(chunk)
        while written + len(record) <= size:
            out.write(record)
            written += len(record)
        out.write(TAIL)


def bare_records(path, size):
    write_repeated(path, "  0\nLINE\n", size)


def one_group_records(path, size):
    write_repeated(path, "  0\nLINE\n  8\n0\n", size)


def short_line_records(path, size):
    write_repeated(path, "  0\nLINE\n 10\n1\n 20\n2\n 11\n3\n 21\n4\n", size)


def line_records(path, size):
    records = []
    for i in range(1000):
        x, y = (i * 37) % 10000 + 0.125, (i * 91) % 10000 + 0.5
        records.append(f"  0\nLINE\n  8\nOUTLINE\n 10\n{x:.6f}\n 20\n{y:.6f}\n 30\n0.0\n"
                       f" 11\n{x + 12.5:.6f}\n 21\n{y + 7.25:.6f}\n 31\n0.0\n")
    write_repeated(path, "".join(records), size)


def vertices(count, bulges):
    """(x, y, bulge) of a zigzag of `count` vertices."""
    for i in range(count):
        bulge = (0.25 if i % 2 else -0.4) if bulges else 0.0
        yield i * 1.5, (i % 7) * 2.25, bulge


def polyline_r12(vertex_count, bulges):
    parts = ["  0\nPOLYLINE\n  8\nOUTLINE\n 66\n1\n 10\n0.0\n 20\n0.0\n 30\n0.0\n 70\n0\n"]
    for x, y, bulge in vertices(vertex_count, bulges):
        parts.append(f"  0\nVERTEX\n  8\nOUTLINE\n 10\n{x:.6f}\n 20\n{y:.6f}\n 30\n0.0\n")
        if bulge:
            parts.append(f" 42\n{bulge:.6f}\n")
    parts.append("  0\nSEQEND\n  8\nOUTLINE\n")
    return "".join(parts)


def polyline_r2000(vertex_count, bulges):
    parts = [f"  0\nLWPOLYLINE\n  8\nOUTLINE\n 90\n{vertex_count}\n 70\n0\n"]
    for x, y, bulge in vertices(vertex_count, bulges):
        parts.append(f" 10\n{x:.6f}\n 20\n{y:.6f}\n")
        if bulge:
            parts.append(f" 42\n{bulge:.6f}\n")
    return "".join(parts)


def polylines(make, bulges):
    # 1000 polylines of 1000 vertices each, repeated up to the size: many vertices in each.
    return lambda path, size: write_repeated(path, make(1000, bulges), size)


def generated(records, release):
    def make(path, _size):
        folder = os.path.dirname(path)
        subprocess.run([sys.executable, os.path.join(HERE, "generate_drawings.py"), folder,
                        "--records", str(records)], check=True)
        if not os.path.exists(path):
            sys.exit(f"generate_drawings.py did not write {path}")
    return make


def binary_of(records):
    def make(path, _size):
        import ezdxf  # only these inputs need it
        source = os.path.join(os.path.dirname(path), f"gen_{records}_R2000.dxf")
        if not os.path.exists(source):
            generated(records, "R2000")(source, 0)
        ezdxf.readfile(source).saveas(path, fmt="bin")
    return make


# name, file name, maker, size in bytes (for the makers that fill up to a size)
INPUTS = [
    ("empty records 20 MB", "mem_bare_20MB.dxf", bare_records, 20 * MB),
    ("empty records 200 MB", "mem_bare_200MB.dxf", bare_records, 200 * MB),
    ("LINE records 200 MB", "mem_lines_200MB.dxf", line_records, 200 * MB),
    # Records far shorter than the objects they make: a line with only its layer, and one
    # of one-digit coordinates.
    ("LINE records, layer only, 20 MB", "mem_one_group_20MB.dxf", one_group_records, 20 * MB),
    ("LINE records, short numbers, 20 MB", "mem_short_lines_20MB.dxf", short_line_records, 20 * MB),
    ("POLYLINE/VERTEX R12 100 MB", "mem_poly_r12_100MB.dxf", polylines(polyline_r12, False), 100 * MB),
    ("POLYLINE/VERTEX R12 bulges 100 MB", "mem_poly_r12_bulge_100MB.dxf",
     polylines(polyline_r12, True), 100 * MB),
    ("LWPOLYLINE R2000 100 MB", "mem_lwpoly_100MB.dxf", polylines(polyline_r2000, False), 100 * MB),
    ("LWPOLYLINE R2000 bulges 100 MB", "mem_lwpoly_bulge_100MB.dxf",
     polylines(polyline_r2000, True), 100 * MB),
    ("generated 1M R12", "gen_1000000_R12.dxf", generated(1000000, "R12"), 0),
    ("generated 1M R2000", "gen_1000000_R2000.dxf", generated(1000000, "R2000"), 0),
    ("binary DXF of generated 100k R2000", "mem_gen_100000_R2000_binary.dxf", binary_of(100000), 0),
    ("binary DXF of generated 1M R2000", "mem_gen_1000000_R2000_binary.dxf", binary_of(1000000), 0),
]


def measure(command):
    """(peak resident bytes, wall seconds, exit status) of `command`."""
    start = time.monotonic()
    run = subprocess.run(["/usr/bin/time", "-v"] + command, stdout=subprocess.DEVNULL,
                         stderr=subprocess.PIPE, text=True)
    wall = time.monotonic() - start
    found = re.search(r"Maximum resident set size \(kbytes\): (\d+)", run.stderr)
    peak = int(found.group(1)) * 1024 if found else 0
    return peak, wall, run.returncode


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--dxftool", default=os.path.join(ROOT, "build/release/tools/dxftool/dxftool"))
    parser.add_argument("--data", default=os.path.join(ROOT, "build/bench-data"))
    parser.add_argument("--only", nargs="*", help="names of inputs (substrings) to measure")
    parser.add_argument("--skip-generated", action="store_true",
                        help="leave out the inputs made from the generated drawings (they take long to make)")
    args = parser.parse_args()
    if not os.access(args.dxftool, os.X_OK):
        sys.exit(f"no dxftool at {args.dxftool}: build the release first")
    os.makedirs(args.data, exist_ok=True)

    rows = []
    for name, file_name, make, size in INPUTS:
        if args.only and not any(part in name for part in args.only):
            continue
        if args.skip_generated and "gen_" in file_name:
            continue
        path = os.path.join(args.data, file_name)
        if not os.path.exists(path):
            print(f"writing {path} ...", file=sys.stderr)
            make(path, size)
        rows.append((name, path))

    print(f"{'input':36} {'file MB':>8} {'info MB':>8} {'x file':>6} {'s':>6}"
          f" {'convert MB':>10} {'x file':>6} {'s':>6}  goal")
    with tempfile.TemporaryDirectory() as scratch:
        out = os.path.join(scratch, "out.dxf")
        for name, path in rows:
            size = os.path.getsize(path)
            info_peak, info_wall, info_status = measure([args.dxftool, "info", path])
            convert_peak, convert_wall, convert_status = measure([args.dxftool, "convert", path, out])
            if os.path.exists(out):
                os.remove(out)
            worst = max(info_peak, convert_peak) / size
            notes = []
            if info_status != 0:
                notes.append(f"info exit {info_status}")
            if convert_status not in (0, 3):
                notes.append(f"convert exit {convert_status}")
            verdict = "ok" if worst <= 3.0 else "OVER"
            print(f"{name:36} {size / MB:8.1f} {info_peak / MB:8.1f} {info_peak / size:6.2f}"
                  f" {info_wall:6.1f} {convert_peak / MB:10.1f} {convert_peak / size:6.2f}"
                  f" {convert_wall:6.1f}  {verdict} {' '.join(notes)}", flush=True)


if __name__ == "__main__":
    main()
