#!/usr/bin/env bash
# The main job: open the sample foundation plan, print its summary, and save it
# again as DXF with SVG and PNG previews in out/; then draw a plan by script.
set -euo pipefail
cd "$(dirname "$0")/.."

bin=${BIN:-build/bin}
vma=${VMA:-build/vma}
mkdir -p out
"$bin/vmacon" -i samples/fundering.dxf --info -o out/demo.dxf --svg out/demo.svg --png out/demo.png

# The foundation plan drawn by a script of commands with the module loaded,
# with its summary.
"$bin/vmacon" --arx "$vma/VMAAPPS.ARX" -s samples/plan.scr --info -o out/plan.dxf --svg out/plan.svg --png out/plan.png
