#!/usr/bin/env bash
# The main job: open the sample foundation plan, print its summary, and save it
# again as DXF with SVG and PNG previews in out/.
set -euo pipefail
cd "$(dirname "$0")/.."

bin=${BIN:-build/bin}
mkdir -p out
"$bin/vmacon" -i samples/fundering.dxf --info -o out/demo.dxf --svg out/demo.svg --png out/demo.png

# The foundation plan drawn by a script of commands, with its summary.
"$bin/vmacon" -s samples/plan.scr --info -o out/plan.dxf --svg out/plan.svg --png out/plan.png
