#!/usr/bin/env bash
# Instruction counts of the DXF reader and writer under callgrind: unlike wall
# times they do not change with what else runs on the machine, so they compare
# one change with the next. Writes a drawing of COUNT entities (default
# 100,000), counts the instructions of writing it and of reading it back, and
# prints them with the functions that cost most.
set -euo pipefail
cd "$(dirname "$0")/.."

count=${COUNT:-100000}
bin=${BIN:-build/bin}
work=${WORK:-build/bench}
top=${TOP:-15}
mkdir -p "$work"
command -v valgrind >/dev/null || { echo "instructions.sh: valgrind is missing (run tools/setup.sh)" >&2; exit 1; }

measure() { # name, functions to count (separated by spaces), program arguments...
  local name=$1 functions toggles=()
  read -ra functions <<<"$2"
  for function in "${functions[@]}"; do toggles+=("--toggle-collect=$function"); done
  shift 2
  valgrind --tool=callgrind --callgrind-out-file="$work/callgrind.$name" \
    "${toggles[@]}" "$bin/vmabench" "$@" >/dev/null 2>"$work/callgrind.$name.log"
  printf '%s: %s instructions\n' "$name" "$(sed -n 's/.*Collected : //p' "$work/callgrind.$name.log")"
  callgrind_annotate "$work/callgrind.$name" 2>/dev/null | grep -E '^ *[0-9,]+ \(' | sed -n "2,$((top + 1))p"
}

measure write 'vma::dxf::writeFile*' write "$work/instructions.dxf" "$count"
# A large ENTITIES section is read by two threads: the second one's work counts too.
measure read 'vma::dxf::readFile* vma::dxf::Reader::readSecondHalf*' read "$work/instructions.dxf"
