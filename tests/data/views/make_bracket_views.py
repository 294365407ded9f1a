#!/usr/bin/python3
"""Writes bracket_views.dxf: a small bracket with its six orthographic views as the blocks
"_VIEW_1" (left) to "_VIEW_6" (back), each on a layer of its own colour, hidden edges
dashed on layer HIDDEN. The drawing itself shows the front view and a caption.

The bracket is 60 mm wide (X), 40 mm deep (Y) and 30 mm high (Z), stepped down to 20 mm
over its right third, with the front left vertical edge chamfered 8 mm and a 12 mm hole
through it at (20, 20). Each view is drawn as the viewer sees the part from that side,
with the up direction the view buttons assume:

    left   (from -X): x = -Y, y = Z        right  (from +X): x = Y,  y = Z
    bottom (from -Z): x = X,  y = -Y       top    (from +Z): x = X,  y = Y
    front  (from -Y): x = X,  y = Z        back   (from +Y): x = -X, y = Z

Run with the Python that has ezdxf:  /usr/bin/python3 make_bracket_views.py
"""
import pathlib

import ezdxf

WIDTH, DEPTH, HEIGHT = 60.0, 40.0, 30.0
STEP_X, STEP_Z = 40.0, 20.0
CHAMFER = 8.0
HOLE_X, HOLE_Y, HOLE_R = 20.0, 20.0, 6.0

PROJECTIONS = {
    1: ("LEFT", 3, lambda x, y, z: (-y, z)),
    2: ("RIGHT", 6, lambda x, y, z: (y, z)),
    3: ("BOTTOM", 4, lambda x, y, z: (x, -y)),
    4: ("TOP", 1, lambda x, y, z: (x, y)),
    5: ("FRONT", 5, lambda x, y, z: (x, z)),
    6: ("BACK", 40, lambda x, y, z: (-x, z)),
}

# The silhouette of the part seen from the front and back, and from the sides.
PROFILE_XZ = [(0, 0), (WIDTH, 0), (WIDTH, STEP_Z), (STEP_X, STEP_Z), (STEP_X, HEIGHT),
              (0, HEIGHT)]
PROFILE_YZ = [(0, 0), (DEPTH, 0), (DEPTH, HEIGHT), (0, HEIGHT)]
# The outline seen from above and below.
OUTLINE_XY = [(CHAMFER, 0), (WIDTH, 0), (WIDTH, DEPTH), (0, DEPTH), (0, CHAMFER)]


def closed(points):
    return [(points[i], points[(i + 1) % len(points)]) for i in range(len(points))]


def hole_sides_x():
    return [((HOLE_X + d, 0, 0), (HOLE_X + d, 0, HEIGHT)) for d in (-HOLE_R, HOLE_R)]


def hole_sides_y():
    return [((0, HOLE_Y + d, 0), (0, HOLE_Y + d, HEIGHT)) for d in (-HOLE_R, HOLE_R)]


def edges(view):
    """(visible edges, hidden edges, circles) of a view, in 3-D points."""
    chamfer_x = ((CHAMFER, 0, 0), (CHAMFER, 0, HEIGHT))
    chamfer_y = ((0, CHAMFER, 0), (0, CHAMFER, HEIGHT))
    step_y = ((0, 0, STEP_Z), (0, DEPTH, STEP_Z))
    step_x = ((STEP_X, 0, 0), (STEP_X, DEPTH, 0))
    hole = [((HOLE_X, HOLE_Y, 0), HOLE_R)]
    if view in (5, 6):
        outline = [((a[0], 0, a[1]), (b[0], 0, b[1])) for a, b in closed(PROFILE_XZ)]
        visible, hidden = ([chamfer_x], []) if view == 5 else ([], [chamfer_x])
        return outline + visible, hidden + hole_sides_x(), []
    if view in (1, 2):
        outline = [((0, a[0], a[1]), (0, b[0], b[1])) for a, b in closed(PROFILE_YZ)]
        if view == 1:
            return outline + [chamfer_y], [step_y] + hole_sides_y(), []
        return outline + [step_y], [chamfer_y] + hole_sides_y(), []
    outline = [((a[0], a[1], 0), (b[0], b[1], 0)) for a, b in closed(OUTLINE_XY)]
    if view == 4:
        return outline + [step_x], [], hole
    return outline, [step_x], hole


def main():
    # Fixed dates and version notes, so that running the script again writes the same file.
    ezdxf.options.write_fixed_meta_data_for_testing = True
    doc = ezdxf.new("R12", setup=True)
    doc.layers.add("HIDDEN", color=8, linetype="HIDDEN")
    for number, (name, colour, project) in PROJECTIONS.items():
        layer = "VIEW_" + name
        doc.layers.add(layer, color=colour)
        block = doc.blocks.new(name="_VIEW_%d" % number)
        visible, hidden, circles = edges(number)
        for start, end in visible:
            block.add_line(project(*start), project(*end), dxfattribs={"layer": layer})
        for start, end in hidden:
            block.add_line(project(*start), project(*end), dxfattribs={"layer": "HIDDEN"})
        for centre, radius in circles:
            block.add_circle(project(*centre), radius, dxfattribs={"layer": layer})
    msp = doc.modelspace()
    msp.add_blockref("_VIEW_5", (0, 0))
    msp.add_text("BRACKET 60 x 40 x 30", dxfattribs={"layer": "0", "height": 3.5,
                                                    "insert": (0, -8)})
    doc.header["$EXTMIN"] = (0, -8, 0)
    doc.header["$EXTMAX"] = (WIDTH, HEIGHT, 0)
    doc.saveas(pathlib.Path(__file__).with_name("bracket_views.dxf"))


if __name__ == "__main__":
    main()
