#!/usr/bin/python3
"""Generates samples/fundering.dxf: a small foundation plan in millimetres.

Grid lines 1..5 and A..C with bubbles, a pile symbol block PAAL with attribute
NR inserted at the grid crossings and between them (each pile carrying its
data as extended data of the application VMA_PAAL), foundation beams as wide
polylines with rounded ends, a hatched pit, texts in several justifications
and a linear dimension with its *D block.

Run with Debian's python3-ezdxf: /usr/bin/python3 tools/make_sample.py [OUT]
"""

import sys

import ezdxf
from ezdxf.enums import TextEntityAlignment

GRID_X = [0.0, 6000.0, 12000.0, 18000.0, 24000.0]  # axes 1..5
GRID_Y = [0.0, 5000.0, 10000.0]  # axes A..C
OVERSHOOT = 1500.0
BUBBLE_RADIUS = 400.0

LAYERS = [
    ("S-STRAMIEN", 1, "DASHED"),
    ("S-PALEN", 3, "CONTINUOUS"),
    ("S-BALKEN", 5, "CONTINUOUS"),
    ("S-ARCERING", 8, "CONTINUOUS"),
    ("S-TEKST", 7, "CONTINUOUS"),
    ("S-MATEN", 2, "CONTINUOUS"),
]


def add_layers(doc):
    doc.linetypes.add("DASHED", pattern=[600.0, 400.0, -200.0], description="Dashed __ __ __")
    for name, colour, linetype in LAYERS:
        doc.layers.add(name, color=colour, linetype=linetype)


def add_grid(msp):
    low_y, high_y = GRID_Y[0] - OVERSHOOT, GRID_Y[-1] + OVERSHOOT
    low_x, high_x = GRID_X[0] - OVERSHOOT, GRID_X[-1] + OVERSHOOT
    for number, x in enumerate(GRID_X, start=1):
        msp.add_line((x, low_y), (x, high_y), dxfattribs={"layer": "S-STRAMIEN"})
        add_bubble(msp, (x, low_y - BUBBLE_RADIUS), str(number))
    for letter, y in zip("ABC", GRID_Y):
        msp.add_line((low_x, y), (high_x, y), dxfattribs={"layer": "S-STRAMIEN"})
        add_bubble(msp, (low_x - BUBBLE_RADIUS, y), letter)


def add_bubble(msp, centre, label):
    msp.add_circle(centre, BUBBLE_RADIUS, dxfattribs={"layer": "S-STRAMIEN"})
    msp.add_text(label, height=350.0, dxfattribs={"layer": "S-STRAMIEN"}).set_placement(
        centre, align=TextEntityAlignment.MIDDLE_CENTER
    )


def define_pile_block(doc):
    block = doc.blocks.new("PAAL", base_point=(0, 0))
    block.add_circle((0, 0), 160.0, dxfattribs={"layer": "0"})
    block.add_line((-220, -220), (220, 220), dxfattribs={"layer": "0"})
    block.add_line((-220, 220), (220, -220), dxfattribs={"layer": "0"})
    block.add_attdef("NR", insert=(250, 250), text="0", dxfattribs={"height": 200.0, "layer": "0"})


def pile_positions():
    crossings = [(x, y) for y in GRID_Y for x in GRID_X]
    between = [(3000.0, 0.0), (9000.0, 0.0), (15000.0, 10000.0), (21000.0, 10000.0), (12000.0, 2500.0)]
    return crossings + between


def add_piles(doc, msp):
    doc.appids.add("VMA_PAAL")
    for number, (x, y) in enumerate(pile_positions(), start=1):
        ref = msp.add_blockref("PAAL", (x, y), dxfattribs={"layer": "S-PALEN"})
        ref.add_auto_attribs({"NR": str(number)})
        ref.set_xdata(
            "VMA_PAAL",
            [
                (1000, "PREFAB 290x290"),
                (1070, number),
                (1040, -14500.0 - 250.0 * (number % 4)),
                (1010, (x, y, 0.0)),
            ],
        )


def add_beams(msp):
    # The beams along axes A and C: wide outlines with round ends (bulge -1 is a half circle turning clockwise, outward here).
    for y in (GRID_Y[0], GRID_Y[-1]):
        msp.add_lwpolyline(
            [
                (GRID_X[0], y - 250.0, 0, 0, -1.0),
                (GRID_X[0], y + 250.0, 0, 0, 0.0),
                (GRID_X[-1], y + 250.0, 0, 0, -1.0),
                (GRID_X[-1], y - 250.0, 0, 0, 0.0),
            ],
            format="xyseb",
            close=True,
            dxfattribs={"layer": "S-BALKEN", "const_width": 30.0},
        )
    # A tie beam drawn as its centre line with a start and end width per segment.
    msp.add_lwpolyline(
        [
            (GRID_X[2], GRID_Y[0], 400.0, 400.0, 0.0),
            (GRID_X[2], GRID_Y[1], 400.0, 200.0, -0.25),
            (GRID_X[3], GRID_Y[2], 200.0, 200.0, 0.0),
        ],
        format="xyseb",
        dxfattribs={"layer": "S-BALKEN"},
    )
    # An old-style polyline with vertices: the pit wall.
    pit = msp.add_polyline2d(
        [(7000.0, 6000.0), (11000.0, 6000.0), (11000.0, 9000.0), (7000.0, 9000.0)],
        close=True,
        dxfattribs={"layer": "S-BALKEN"},
    )
    pit.dxf.default_start_width = 50.0
    pit.dxf.default_end_width = 50.0


def add_hatch(msp):
    hatch = msp.add_hatch(color=256, dxfattribs={"layer": "S-ARCERING"})
    hatch.set_pattern_fill("ANSI31", scale=20.0)
    hatch.paths.add_polyline_path(
        [(7000.0, 6000.0), (11000.0, 6000.0), (11000.0, 9000.0), (7000.0, 9000.0)], is_closed=True
    )


def add_texts(msp):
    def text(content, where, align, height=250.0, rotation=0.0):
        msp.add_text(
            content, height=height, rotation=rotation, dxfattribs={"layer": "S-TEKST"}
        ).set_placement(where, align=align)

    text("FUNDERINGSPLAN", (0.0, -3500.0), TextEntityAlignment.LEFT, height=500.0)
    text("schaal 1:50", (12000.0, -3500.0), TextEntityAlignment.BOTTOM_CENTER)
    text("maten in mm", (24000.0, -3500.0), TextEntityAlignment.BOTTOM_RIGHT)
    text("PUT", (9000.0, 7500.0), TextEntityAlignment.MIDDLE_CENTER, height=400.0)
    text("paalpunt NAP -15.000", (26500.0, 5000.0), TextEntityAlignment.TOP_LEFT, rotation=90.0)
    msp.add_mtext(
        "Palen: prefab beton 290x290\\PPuntniveau zie tabel", dxfattribs={"layer": "S-TEKST"}
    ).set_location((0.0, -4500.0), attachment_point=1).dxf.char_height = 200.0


def add_dimension(msp):
    dim = msp.add_linear_dim(
        base=(0.0, GRID_Y[-1] + 2500.0),
        p1=(GRID_X[0], GRID_Y[-1]),
        p2=(GRID_X[1], GRID_Y[-1]),
        dimstyle="Standard",
        override={"dimtxt": 250.0, "dimasz": 200.0, "dimexe": 150.0, "dimexo": 100.0, "dimgap": 80.0},
        dxfattribs={"layer": "S-MATEN"},
    )
    dim.render()


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "samples/fundering.dxf"
    doc = ezdxf.new("R2000")
    doc.header["$INSUNITS"] = 4
    add_layers(doc)
    define_pile_block(doc)
    msp = doc.modelspace()
    add_grid(msp)
    add_piles(doc, msp)
    add_beams(msp)
    add_hatch(msp)
    add_texts(msp)
    add_dimension(msp)
    doc.saveas(out)


if __name__ == "__main__":
    main()
