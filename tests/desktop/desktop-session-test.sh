#!/usr/bin/env bash
# Usage: desktop-session-test.sh BUILD_DIR TEST_DATA_DIR TESTTOOL_MODULE
# End to end on the X display in $DISPLAY, as a desktop user meets the viewer: installs
# into a temporary prefix, starts it with `dxfviewer-open first.dxf`, lets the TestTool
# module start `dxfviewer-open second.dxf` (opened in the same window), drop a third file
# on the window and check the pointer position; then starts the launcher again without a
# file and reads the recent files from the File menu.
set -euo pipefail
build=$1 data=$2 module=$3
if [[ -z ${DISPLAY:-} ]] || ! xdpyinfo > /dev/null 2>&1; then
  echo "FAIL: the desktop session test needs an X display (DISPLAY)" >&2
  exit 1
fi
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

prefix="$tmp/prefix"
cmake --install "$build" --prefix "$prefix" > "$tmp/install.log"
mkdir "$tmp/drawings"
first="$tmp/drawings/first.dxf" second="$tmp/drawings/second drawing.dxf"
dropped="$tmp/drawings/dropped.dxf"
cp "$data/ASCII_R12.dxf" "$first"
cp "$data/POLI-ALL210_12.DXF" "$second"
cp "$data/desktop/rectangle.dxf" "$dropped"
artifacts="$build/tests/artifacts"
mkdir -p "$artifacts"
export XDG_CONFIG_HOME="$tmp/config" XDG_DATA_HOME="$tmp/data" HOME="$tmp/home"
mkdir -p "$HOME"
export DXFV_TestTool=$module DXFV_TestArtifacts=$artifacts NO_AT_BRIDGE=1
export DXFV_TestLauncher="$prefix/bin/dxfviewer-open"

# Runs the launcher with the scenario and waits for the viewer to close (at most 3 min).
session() {
  local scenario=$1 report=$2
  shift 2
  DXFV_TestDesktop=$scenario DXFV_TestReport=$report timeout 180 "$prefix/bin/dxfviewer-open" "$@" ||
    fail "the $scenario run ended with $?"
}
expect() {
  local report=$1 line=$2
  grep -qxF -- "$line" "$report" || fail "report lacks \"$line\""
}
# The "drawn N" of a report line with that start; 0 when missing.
drawn() { sed -n "s|^$2 .* drawn \([0-9]*\)$|\1|p" "$1" | head -n1; }

report="$tmp/session.txt"
DXFV_TestFirst=$first DXFV_TestSecond=$second DXFV_TestDrop=$dropped \
  session session "$report" "$first"
cat "$report"
grep -q "FAIL" "$report" && fail "the session scenario failed"
grep -q "^message" "$report" && fail "the viewer showed a message"
for label in first second dropped; do
  (($(drawn "$report" "$label" || echo 0) > 100)) || fail "$label: no drawing shown"
done
grep -q "^first $first drawn" "$report" || fail "the first launch did not show $first"
grep -q "^second $second drawn" "$report" || fail "the second launch did not open in the window"
grep -q "^dropped $dropped drawn" "$report" || fail "the dropped file was not opened"
expect "$report" "launcher exit 0"
(($(grep -c "^pointer ok" "$report") == 2)) || fail "pointer position not as drawn"
expect "$report" "closing"
[[ ! -e "$XDG_CONFIG_HOME/dxfviewer/open-request" ]] || fail "a request was left behind"

# The recent files after a restart: newest first, and in GTK's recent-files list.
report="$tmp/recent.txt"
session recent "$report"
cat "$report"
grep -q "FAIL" "$report" && fail "the recent scenario failed"
expect "$report" "recent sensitive 1"
grep -A3 "^recent sensitive" "$report" | tail -n3 > "$tmp/recent-entries"
printf 'recent %s\n' "_1  dropped.dxf | $dropped" "_2  second drawing.dxf | $second" \
  "_3  first.dxf | $first" > "$tmp/expected-entries"
cmp -s "$tmp/expected-entries" "$tmp/recent-entries" ||
  fail "recent files: $(cat "$tmp/recent-entries")"
grep -qx "File1=$dropped" "$XDG_CONFIG_HOME/dxfviewer/orvel.ini" || fail "orvel.ini lacks [Recent]"
for file in "$first" "$second" "$dropped"; do
  uri=$(/usr/bin/python3 -c 'import pathlib,sys; print(pathlib.Path(sys.argv[1]).as_uri())' "$file")
  grep -qF "href=\"$uri\"" "$XDG_DATA_HOME/recently-used.xbel" ||
    fail "GTK's recent files lack $file"
done

((failures == 0)) || exit 1
echo "desktop session: all checks passed"
