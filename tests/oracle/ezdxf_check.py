#!/usr/bin/python3
"""The independent reader: what ezdxf sees in a DXF file, as JSON.

  ezdxf_check.py audit FILE          audit FILE and print what it holds
  ezdxf_check.py write R12|R2000 OUT write a test drawing, then print what it holds

The JSON has the audit result, the layers, the blocks (layouts left out) with
their entities, and the model-space entities. Each entity gives its type,
layer, handle and main points, and where the type has them its text, tag,
block name, radius, polyline widths and bulges, attributes and extended data.
The C++ side describes its own database in the same shape (describe.cpp).
"""

import json
import sys

try:
    import ezdxf
    from ezdxf import recover
except ImportError:
    sys.stderr.write("ezdxf_check: python3-ezdxf is missing (run tools/setup.sh)\n")
    sys.exit(2)

LAYOUT_BLOCKS = ("*MODEL_SPACE", "*PAPER_SPACE")


def vec(v):
    return [float(v[0]), float(v[1]), float(v[2]) if len(v) > 2 else 0.0]


def xdata_value(tag):
    value = tag.value
    if isinstance(value, (bytes, bytearray)):
        return value.hex().upper()
    if isinstance(value, (tuple, list)) or hasattr(value, "x"):
        return vec(value)
    return value


def xdata(entity):
    if not entity.xdata:
        return None
    return {app: [[t.code, xdata_value(t)] for t in tags] for app, tags in entity.xdata.data.items()}


def points(e):
    t = e.dxftype()
    if t == "LINE":
        return [vec(e.dxf.start), vec(e.dxf.end)]
    if t in ("CIRCLE", "ARC"):
        return [vec(e.dxf.center)]
    if t == "POINT":
        return [vec(e.dxf.location)]
    if t in ("TEXT", "MTEXT", "INSERT", "ATTRIB", "ATTDEF"):
        return [vec(e.dxf.insert)]
    if t == "SOLID":
        return [vec(e.dxf.get(name, (0, 0, 0))) for name in ("vtx0", "vtx1", "vtx2", "vtx3")]
    if t == "DIMENSION":
        return [vec(e.dxf.defpoint)]
    if t == "LWPOLYLINE":
        return [[float(x), float(y), 0.0] for x, y in e.get_points("xy")]
    if t == "POLYLINE":
        return [vec(v.dxf.location) for v in e.vertices]
    return []


def widths(e):
    t = e.dxftype()
    if t == "LWPOLYLINE":
        return [[float(s), float(w), float(b)] for _, _, s, w, b in e.get_points("xyseb")]
    if t == "POLYLINE":
        return [
            [float(v.dxf.get(name, 0.0)) for name in ("start_width", "end_width", "bulge")]
            for v in e.vertices
        ]
    return None


def describe(e):
    t = e.dxftype()
    out = {"type": t, "layer": e.dxf.layer, "handle": e.dxf.handle.upper(), "points": points(e)}
    if t in ("TEXT", "ATTRIB", "ATTDEF"):
        out["text"] = e.dxf.text
    if t == "MTEXT":
        out["text"] = e.text
    if t in ("ATTRIB", "ATTDEF"):
        out["tag"] = e.dxf.tag
    if t == "INSERT":
        out["name"] = e.dxf.name
    if t == "DIMENSION":
        out["name"] = e.dxf.get("geometry", "")
        out["measurement"] = float(e.dxf.get("actual_measurement", 0.0))
    if t == "HATCH":
        out["paths"] = len(e.paths)
        out["pattern_lines"] = len(e.pattern.lines) if e.pattern else 0
    if t in ("CIRCLE", "ARC"):
        out["radius"] = float(e.dxf.radius)
    w = widths(e)
    if w is not None:
        out["widths"] = w
    x = xdata(e)
    if x:
        out["xdata"] = x
    if t == "INSERT" and e.attribs:
        out["attribs"] = [describe(a) for a in e.attribs]
    return out


def layer_names_in_file(path):
    """The LAYER records of the file itself: ezdxf adds layers 0 and Defpoints on load."""
    with open(path, "rb") as f:
        lines = [line.strip() for line in f.read().decode("utf-8", "replace").splitlines()]
    names, in_layer = set(), False
    for code, value in zip(lines[0::2], lines[1::2]):
        if code == "0":
            in_layer = value == "LAYER"
        elif code == "2" and in_layer:
            names.add(value.upper())
            in_layer = False
    return names


def layers(doc, path):
    in_file = layer_names_in_file(path)
    return {
        layer.dxf.name: {"color": layer.dxf.color, "linetype": layer.dxf.linetype}
        for layer in doc.layers
        if layer.dxf.name.upper() in in_file
    }


def blocks(doc):
    return {
        block.name: [describe(e) for e in block]
        for block in doc.blocks
        if block.name.upper() not in LAYOUT_BLOCKS and not block.name.upper().startswith("*PAPER_SPACE")
    }


def audit(path):
    doc, auditor = recover.readfile(path)
    auditor = doc.audit()
    result = {
        "dxfversion": doc.dxfversion,
        "audit": {
            "errors": len(auditor.errors),
            "fixes": len(auditor.fixes),
            "messages": [str(m.message) for m in auditor.errors],
        },
        "layers": layers(doc, path),
        "blocks": blocks(doc),
        "entities": [describe(e) for e in doc.modelspace()],
    }
    json.dump(result, sys.stdout, indent=1)
    sys.stdout.write("\n")


def write(version, path):
    doc = ezdxf.new(version)
    doc.layers.add("MUUR", color=5)
    doc.layers.add("PALEN", color=3, linetype="DASHED")
    doc.appids.add("VMA_TEST")
    block = doc.blocks.new("KOLOM", base_point=(0, 0))
    block.add_line((-100, -100), (100, 100))
    block.add_circle((0, 0), 80)
    block.add_attdef("NR", insert=(120, 0), text="?", dxfattribs={"height": 50})
    block.add_attdef("TYPE", insert=(120, -80), text="HEB", dxfattribs={"height": 50})

    msp = doc.modelspace()
    msp.add_line((0, 0, 0), (1000.5, 250.25, 0), dxfattribs={"layer": "MUUR"})
    msp.add_circle((500, 500), 125.125, dxfattribs={"layer": "PALEN", "color": 1})
    msp.add_arc((-300, 200, 0), 75, 10, 170)
    msp.add_point((12.5, -7.25, 3.0))
    msp.add_solid([(0, 0), (100, 0), (0, 100), (100, 100)])
    msp.add_text("Straße ÄÖÜ ø", height=25, dxfattribs={"layer": "MUUR", "insert": (10, 20)})
    msp.add_polyline2d(
        [(0, 0, 5, 10, 0.5), (200, 0, 10, 5, 0), (200, 200, 0, 0, -1)],
        format="xyseb",
        dxfattribs={"layer": "MUUR"},
    )
    if version != "R12":
        msp.add_lwpolyline(
            [(0, 0, 0, 0, 0), (300, 0, 20, 40, 0.25), (300, 300, 0, 0, 0)], format="xyseb"
        )
        msp.add_mtext("eerste regel\\Ptweede regel", dxfattribs={"insert": (0, -200)})
    for n, (x, y) in enumerate([(0, 1000), (1500, 1000), (3000, 1000)], start=1):
        ref = msp.add_blockref("KOLOM", (x, y), dxfattribs={"layer": "PALEN"})
        ref.add_auto_attribs({"NR": str(n), "TYPE": "HEB%d" % (200 + 20 * n)})
        ref.set_xdata(
            "VMA_TEST",
            [(1000, "kolom %d" % n), (1070, n), (1040, 2.5 * n), (1010, (x, y, 0)), (1071, 100000 + n)],
        )
    line = msp.add_line((0, -500), (100, -500))
    line.set_xdata("VMA_TEST", [(1002, "{"), (1000, "genest"), (1002, "}"), (1005, "0")])
    doc.saveas(path)
    audit(path)


def main(argv):
    if len(argv) == 3 and argv[1] == "audit":
        audit(argv[2])
        return 0
    if len(argv) == 4 and argv[1] == "write" and argv[2] in ("R12", "R2000"):
        write(argv[2], argv[3])
        return 0
    sys.stderr.write(__doc__)
    return 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
