#!/usr/bin/env bash
# Benchmark of the DXF reader and writer. Generates a drawing of COUNT entities
# (default 1,000,000) with our writer, then measures in one run: our write
# (MB/s), our read (MB/s, entities/s, best of 3), peak memory of a read, an
# ezdxf full document load of the same file (once: it takes minutes) and
# wc -l (best of 3). Prints a table and writes bench/results.md.
set -euo pipefail
cd "$(dirname "$0")/.."

count=${COUNT:-1000000}
bin=${BIN:-build/bin}
work=${WORK:-build/bench}
mkdir -p "$work"
drawing="$work/drawing.dxf"
python=/usr/bin/python3

"$python" -c 'import ezdxf' 2>/dev/null || { echo "run.sh: python3-ezdxf is missing (run tools/setup.sh)" >&2; exit 1; }
[ -x /usr/bin/time ] || { echo "run.sh: /usr/bin/time is missing (run tools/setup.sh)" >&2; exit 1; }

value() { sed -n "s/^$1=//p"; }
best() { sort -g | head -1; }

load=$(cut -d' ' -f1-3 /proc/loadavg)
echo "generating $count entities ..." >&2
out=$("$bin/vmabench" write "$drawing" "$count")
bytes=$(value bytes <<<"$out")
write_s=$(value seconds <<<"$out")
records=$(value entities <<<"$out")

echo "reading with vmabench (3 runs) ..." >&2
read_times=()
for _ in 1 2 3; do
  out=$(/usr/bin/time -f "rss_kb=%M" "$bin/vmabench" read "$drawing" 2>"$work/time.txt")
  read_times+=("$(value seconds <<<"$out")")
  peak_kb=$(value rss_kb <"$work/time.txt")
done
read_s=$(printf '%s\n' "${read_times[@]}" | best)

echo "wc -l (3 runs) ..." >&2
wc_times=()
for _ in 1 2 3; do
  start=$(date +%s.%N)
  wc -l "$drawing" >/dev/null
  end=$(date +%s.%N)
  wc_times+=("$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.6f", b - a }')")
done
wc_s=$(printf '%s\n' "${wc_times[@]}" | best)

echo "100,000 LINE commands and a filtered selection of $count entities ..." >&2
out=$("$bin/vmabench" lines 100000)
lines_s=$(value seconds <<<"$out")
lines_rate=$(value per_second <<<"$out")
lines_cpu=$(value cpu_seconds <<<"$out")
out=$("$bin/vmabench" ssget "$count")
ssget_s=$(value seconds <<<"$out")
ssget_n=$(value selected <<<"$out")
ssget_cpu=$(value cpu_seconds <<<"$out")

echo "ezdxf.readfile (once; this takes minutes) ..." >&2
ezdxf_s=$("$python" -c '
import sys, time, ezdxf
start = time.perf_counter()
ezdxf.readfile(sys.argv[1])
print("%.3f" % (time.perf_counter() - start))' "$drawing")

report=$(awk -v bytes="$bytes" -v records="$records" -v count="$count" -v w="$write_s" \
  -v r="$read_s" -v wc="$wc_s" -v ez="$ezdxf_s" -v peak="$peak_kb" \
  -v ls="$lines_s" -v lr="$lines_rate" -v lc="$lines_cpu" -v ss="$ssget_s" -v sn="$ssget_n" \
  -v sc="$ssget_cpu" '
function verdict(ok) { return ok ? "yes" : "NO" }
BEGIN {
  mb = bytes / 1e6
  printf "Drawing: %d entities (%d records with attributes and sequence ends), %.1f MB\n\n", count, records, mb
  printf "| Measure | Result | Target | Met |\n|---|---|---|---|\n"
  printf "| Write | %.2f s, %.1f MB/s | >= 50 MB/s | %s |\n", w, mb / w, verdict(mb / w >= 50)
  printf "| Read | %.2f s, %.1f MB/s, %.0f entities/s | | |\n", r, mb / r, records / r
  printf "| Read vs ezdxf.readfile (%.1f s) | %.1fx faster | >= 25x | %s |\n", ez, ez / r, verdict(ez / r >= 25)
  printf "| Read vs wc -l (%.3f s) | %.1fx slower | <= 12x | %s |\n", wc, r / wc, verdict(r / wc <= 12)
  printf "| Peak memory of a read | %.0f MB, %.2fx file size | < 4x | %s |\n", peak / 1024, peak * 1024 / bytes, verdict(peak * 1024 / bytes < 4)
  printf "| 100,000 LINE commands from a script | %.2f s (%.2f s processor), %.0f commands/s | >= 50,000/s | %s |\n", ls, lc, lr, verdict(lr >= 50000)
  printf "| acedSSGet \"X\", layer and type filter (%d selected) | %.0f ms (%.0f ms processor, two threads) | < 200 ms | %s |\n", sn, ss * 1000, sc * 1000, verdict(ss < 0.2)
}')

echo
echo "$report"
{
  echo "# Benchmark results"
  echo
  echo "Produced by \`make bench\` (bench/run.sh) on $(date -u +%Y-%m-%d), $(nproc) cores,"
  echo "$(grep -m1 'model name' /proc/cpuinfo | sed 's/.*: //')."
  echo "Load average at the start: $load (figures are slower when other work shares the cores)."
  echo "Read and wc -l: best of 3 runs with the file in the page cache; ezdxf: one run."
  echo
  echo "$report"
} >bench/results.md
echo
echo "wrote bench/results.md"
