#!/usr/bin/env bash
# One command for the painting table: builds a release ViewPaintBench and dxftool, writes
# the generated drawings (once), and prints the times of the screen's painting road (open
# with reading, fit, zoom step, ten times zoom, scroll by 100 pixels) in a 1600 x 1200
# area, then the peak memory of `dxftool render` per file against the file's size.
# The dxftool / LibreCAD ratio comes from bench/compare.sh --tasks render.
# Environment: RECORDS (default "100000 1000000"), BUILD (default build/bench-release).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$root/build/bench-release}
data=$root/build/bench-data
records=${RECORDS:-100000 1000000}

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target ViewPaintBench dxftool -j2 >/dev/null
# shellcheck disable=SC2086
/usr/bin/python3 "$root/bench/generate_drawings.py" "$data" --records $records
selected=$(mktemp -d)
trap 'rm -rf "$selected"' EXIT
for n in $records; do
  for release in R12 R2000; do ln -s "$data/gen_${n}_${release}.dxf" "$selected/"; done
done

DXFV_BENCH_DATA=$selected "$build/bench/ViewPaintBench" --benchmark_counters_tabular=true

echo
printf '%-26s %12s %14s %8s\n' "file" "MiB" "peak MiB" "ratio"
for file in "$selected"/*.dxf; do
  size=$(stat -L -c %s "$file")
  peak=$( { /usr/bin/time -f "%M" "$build/tools/dxftool/dxftool" render "$file" "$selected/out.png" >/dev/null; } 2>&1 | tail -1)
  awk -v f="$(basename "$file")" -v s="$size" -v p="$peak" \
    'BEGIN { printf "%-26s %12.1f %14.1f %8.2f\n", f, s / 1048576, p / 1024, p * 1024 / s }'
done
