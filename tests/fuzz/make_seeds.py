#!/usr/bin/env python3
"""Writes the hand-made seeds of the fuzz corpora: nesting and fan-outs beyond the caps,
counts that lie, values beyond the painter's range, cut files and odd settings lines.
Run from anywhere; the files go into corpus/ beside this script."""
import os
import struct

HERE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")


def pairs(*items):
    return "".join(f"{code:>3}\n{value}\n" for code, value in items)


def drawing(blocks="", entities="", tables=""):
    return ("  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1009\n  0\nENDSEC\n"
            + "  0\nSECTION\n  2\nTABLES\n" + tables + "  0\nENDSEC\n"
            + "  0\nSECTION\n  2\nBLOCKS\n" + blocks + "  0\nENDSEC\n"
            + "  0\nSECTION\n  2\nENTITIES\n" + entities + "  0\nENDSEC\n  0\nEOF\n")


def block(name, body):
    return pairs((0, "BLOCK"), (8, "0"), (2, name), (70, 0), (10, 0), (20, 0)) + body + \
        pairs((0, "ENDBLK"))


def insert(name, x=0.0, y=0.0, scale=1.0, layer="0"):
    return pairs((0, "INSERT"), (8, layer), (2, name), (10, x), (20, y), (41, scale), (42, scale))


LINE = pairs((0, "LINE"), (8, "0"), (10, 0), (20, 0), (11, 1), (21, 1))


def nested(levels, fan):
    """Block B0 holds a line; block Bk inserts B(k-1) `fan` times; the drawing inserts the top."""
    blocks = block("B0", LINE)
    for k in range(1, levels + 1):
        blocks += block(f"B{k}", "".join(insert(f"B{k - 1}", x=i * 2.0) for i in range(fan)))
    return drawing(blocks, insert(f"B{levels}"))


def write(folder, name, data):
    mode = "wb" if isinstance(data, bytes) else "w"
    with open(os.path.join(HERE, folder, name), mode) as out:
        out.write(data)


def seeds():
    write("drawing", "fanout_9x10.dxf", nested(9, 10))
    write("drawing", "fanout_3x120.dxf", nested(3, 120))
    write("drawing", "chain_100.dxf", nested(100, 1))
    write("drawing", "chain_70_explode.dxf", nested(70, 1))
    write("drawing", "lwpoly_count_lies.dxf", drawing(entities=pairs(
        (0, "LWPOLYLINE"), (8, "0"), (90, 2000000000), (70, 1), (10, 0), (20, 0), (42, 1e300),
        (10, 1), (20, 1))))
    write("drawing", "polyline_cut.dxf", drawing(entities=pairs(
        (0, "POLYLINE"), (8, "0"), (66, 1), (0, "VERTEX"), (10, 1e-310), (20, 0)))[:-40])
    write("drawing", "circle_radius_1e-200.dxf", drawing(entities=pairs(
        (0, "CIRCLE"), (8, "0"), (10, 0), (20, 0), (40, 1e-200)) + LINE))
    write("drawing", "insert_scale_1e300.dxf", drawing(block("S", LINE), insert("S", scale=1e300) + LINE))
    ltype = pairs((0, "TABLE"), (2, "LTYPE"), (70, 1), (0, "LTYPE"), (2, "TINY"), (70, 0), (3, "t"),
                  (72, 65), (73, 2), (40, 2e-300), (49, 1e-300), (49, -1e-300), (0, "ENDTAB"))
    ltype += pairs((0, "TABLE"), (2, "LAYER"), (70, 1), (0, "LAYER"), (2, "0"), (70, 0), (62, 7),
                   (6, "TINY"), (0, "ENDTAB"))
    write("drawing", "dash_1e-300.dxf", drawing(entities=pairs(
        (0, "LINE"), (8, "0"), (6, "TINY"), (10, 0), (20, 0), (11, 1e6), (21, 1e6)) + pairs(
        (0, "CIRCLE"), (8, "0"), (6, "TINY"), (10, 0), (20, 0), (40, 1e300)), tables=ltype))
    write("drawing", "empty_line_records.dxf", drawing(entities="  0\nLINE\n" * 2000))
    write("drawing", "endless_line.dxf", "  0\nSECTION\n  2\nENTITIES\n  0\nTEXT\n  1\n" + "x" * 5000)

    # A binary R12 file: sentinel, then one-byte codes; an ENTITIES section with a LINE.
    def code(c):
        return bytes([c]) if c < 255 else b"\xff" + struct.pack("<h", c)

    def text(c, s):
        return code(c) + s.encode() + b"\0"

    def real(c, v):
        return code(c) + struct.pack("<d", v)

    body = text(0, "SECTION") + text(2, "ENTITIES") + text(0, "LINE") + text(8, "0")
    body += real(10, 0.0) + real(20, 0.0) + real(11, 1e300) + real(21, float("nan"))
    body += text(0, "ENDSEC") + text(0, "EOF")
    sentinel = b"AutoCAD Binary DXF\r\n\x1a\0"
    write("binary", "line_nan.dxf", sentinel + body)
    write("binary", "cut_inside_real.dxf", sentinel + body[:40])

    write("settings", "long_folder.ini", "[DXFViewer]\nViewerPath=/" + "d" * 2000 + "/\nDimW=800\n")
    write("settings", "values_with_cr.ini", "[A]\nk=v\r\r\nj=\r\r\n[\r]\n=x\n[B\n")
    write("settings", "duplicates.ini", "[A]\nk=1\nk=2\n[A]\nk=3\n;c\nno equals\n=e\n[]\nx=y")


if __name__ == "__main__":
    seeds()
