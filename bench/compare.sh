#!/usr/bin/env bash
# One command for the speed and memory comparison of dxftool with dxflib, ezdxf and
# LibreCAD: builds a release dxftool and the dxflib harness, writes the generated
# drawings (once) and prints the table. Extra arguments go to compare.py, e.g. --runs 3.
# Environment: RECORDS (default "10000 100000 1000000"), BUILD (default build/bench-release).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$root/build/bench-release}
data=$root/build/bench-data
records=${RECORDS:-10000 100000 1000000}

"$root/scripts/install-deps" --bench
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target dxftool -j2 >/dev/null
mkdir -p "$build/bench-peers"
g++ -O2 -std=c++20 -Wall -Wextra "$root/bench/tools/dxflib_count.cpp" -ldxflib \
  -o "$build/bench-peers/dxflib_count"

# shellcheck disable=SC2086
/usr/bin/python3 "$root/bench/generate_drawings.py" "$data" --records $records
files=()
for n in $records; do
  files+=("$data/gen_${n}_R12.dxf" "$data/gen_${n}_R2000.dxf")
done

exec /usr/bin/python3 "$root/bench/compare.py" --dxftool "$build/tools/dxftool/dxftool" \
  --dxflib "$build/bench-peers/dxflib_count" --files "${files[@]}" "$@"
