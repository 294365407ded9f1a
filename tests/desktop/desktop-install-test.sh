#!/usr/bin/env bash
# Usage: desktop-install-test.sh BUILD_DIR TEST_DATA_DIR
# Installs the build into a temporary prefix, validates the desktop entry, metainfo and
# MIME type with the desktop's own tools, runs the installed thumbnailer's command line on
# a sample and checks the launcher's working folder and request file.
set -euo pipefail
build=$1 data=$2
here=$(dirname "$(readlink -f "$0")")
tmp=$(mktemp -d)
background=
trap '[[ -n $background ]] && kill "$background" 2>/dev/null; rm -rf "$tmp"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

prefix="$tmp/prefix"
cmake --install "$build" --prefix "$prefix" > "$tmp/install.log"
share="$prefix/share"
app=org.dxfviewer.Viewer

# Programs, resource file and pictures, icon.
for file in bin/dxfviewer bin/dxftool bin/dxfviewer-open share/dxfviewer/geo.cgw \
    share/dxfviewer/dxflogo.svg share/dxfviewer/open.svg "share/icons/hicolor/scalable/apps/$app.svg"; do
  [[ -s "$prefix/$file" ]] || fail "$file is not installed"
done

# Desktop entry and metainfo, as the desktop tools see them.
desktop-file-validate "$share/applications/$app.desktop" || fail "desktop entry is not valid"
grep -qx "Exec=\"$prefix/bin/dxfviewer-open\" %F" "$share/applications/$app.desktop" ||
  fail "desktop entry does not start the installed launcher"
appstreamcli validate --no-net --no-color "$share/metainfo/$app.metainfo.xml" ||
  fail "metainfo is not valid"

# MIME type: well-formed, accepted by the database, and deciding by name and by content.
xmllint --noout "$share/mime/packages/$app.xml" || fail "MIME XML is not well-formed"
update-mime-database "$share/mime" > /dev/null 2> "$tmp/mime.log" || fail "MIME database refuses the type"
if grep -qi "error\|warning" "$tmp/mime.log"; then fail "MIME database: $(cat "$tmp/mime.log")"; fi
mkdir "$tmp/probe" "$tmp/empty-home"
cp "$data/ASCII_R12.dxf" "$tmp/probe/ascii-without-extension"
cp "$data/bin_dxf_r12.dxf" "$tmp/probe/binary-without-extension"
echo "not a drawing" > "$tmp/probe/NAMED.DXF"
echo "not a drawing" > "$tmp/probe/plain-text"
while read -r name expected; do
  type=$(XDG_DATA_HOME="$tmp/empty-home" XDG_DATA_DIRS="$share" \
         gio info -a standard::content-type "$tmp/probe/$name" | sed -n 's/.*content-type: //p')
  [[ $type == "$expected" ]] || fail "$name is $type, expected $expected"
done <<'CASES'
ascii-without-extension image/vnd.dxf
binary-without-extension image/vnd.dxf
NAMED.DXF image/vnd.dxf
plain-text text/plain
CASES

# Thumbnailer: its Exec line with the file manager's %i %o %s, as file managers run it.
thumbnailer="$share/thumbnailers/dxfviewer.thumbnailer"
grep -qx "MimeType=image/vnd.dxf;" "$thumbnailer" || fail "thumbnailer is not for DXF"
exec_line=$(sed -n 's/^Exec=//p' "$thumbnailer")
# Split as the desktop splits Exec lines: quoted words may hold blanks.
mapfile -t words < <(/usr/bin/python3 -c '
import sys
from gi.repository import GLib
print("\n".join(GLib.shell_parse_argv(sys.argv[1])[1]))' "$exec_line")
for size in 128 256; do
  out="$tmp/thumb-$size.png"
  command=()
  for word in "${words[@]}"; do
    case $word in
      %i) command+=("$data/POLI-ALL210_12.DXF") ;;
      %o) command+=("$out") ;;
      %s) command+=("$size") ;;
      *) command+=("$word") ;;
    esac
  done
  PATH=/usr/bin:/bin "${command[@]}" || fail "thumbnailer command failed at $size"
  read -r width height drawn < <(/usr/bin/python3 "$here/png-check.py" "$out")
  [[ $width == "$size" && $height == "$size" ]] || fail "thumbnail is $width x $height, asked $size"
  ((drawn > size)) || fail "thumbnail at $size shows no drawing ($drawn drawn pixels)"
done

# Launcher, with a stand-in viewer that records where it starts and then waits.
fake="$tmp/fake"
mkdir -p "$fake/bin" "$fake/share"
cp "$prefix/bin/dxfviewer-open" "$fake/bin/"
cp -r "$share/dxfviewer" "$fake/share/"
cat > "$fake/bin/dxfviewer" <<'VIEWER'
#!/usr/bin/env bash
pwd >> "$VIEWER_STARTS"
exec sleep "${VIEWER_SECONDS:-0}"
VIEWER
chmod +x "$fake/bin/dxfviewer"
export XDG_CONFIG_HOME="$tmp/config" VIEWER_STARTS="$tmp/starts"
work="$XDG_CONFIG_HOME/dxfviewer"
cd "$data"
VIEWER_SECONDS=60 "$fake/bin/dxfviewer-open" ASCII_R12.dxf missing.dxf 2> "$tmp/first.err" &
background=$!
for _ in $(seq 100); do [[ -s $VIEWER_STARTS ]] && break; sleep 0.1; done
[[ $(cat "$VIEWER_STARTS") == "$work" ]] || fail "viewer did not start in $work"
while IFS='=' read -r key value; do
  grep -qx "$key=$value" "$work/orvel.ini" || fail "orvel.ini lacks $key=$value"
done <<SETTINGS
WorkPath=$work
BmpPath=$fake/share/dxfviewer
ViewerPath=$HOME
SilLayer=0
DimW=960
SETTINGS
"$fake/bin/dxfviewer-open" "$data/AC1003_LINE_Example.dxf" 2> /dev/null ||
  fail "second launch failed"
[[ $(wc -l < "$VIEWER_STARTS") == 1 ]] || fail "second launch started another viewer"
printf '%s\n' "$data/ASCII_R12.dxf" "$data/missing.dxf" "$data/AC1003_LINE_Example.dxf" \
  > "$tmp/expected-request"
cmp -s "$tmp/expected-request" "$work/open-request" ||
  fail "request file: $(cat "$work/open-request")"

# A settings file the viewer could not start with is kept aside, and the defaults take its
# place; one it can start with stays.
geometry="[DXFViewer]\nState=0\nDimW=9\nDimH=9\nPos X = 1\n"
while IFS='|' read -r name text kept; do
  export XDG_CONFIG_HOME="$tmp/$name"
  mkdir -p "$XDG_CONFIG_HOME/dxfviewer"
  printf "$text" > "$tmp/$name.ini"
  cp "$tmp/$name.ini" "$XDG_CONFIG_HOME/dxfviewer/orvel.ini"
  "$fake/bin/dxfviewer-open" 2> /dev/null || fail "$name: launch failed"
  damaged=("$XDG_CONFIG_HOME"/dxfviewer/orvel.ini.damaged-*)
  if [[ $kept == yes ]]; then
    cmp -s "$tmp/$name.ini" "$XDG_CONFIG_HOME/dxfviewer/orvel.ini" || fail "$name: replaced"
  else
    cmp -s "$tmp/$name.ini" "${damaged[0]}" || fail "$name: not kept aside"
    grep -qx "DimW=960" "$XDG_CONFIG_HOME/dxfviewer/orvel.ini" || fail "$name: no defaults"
  fi
done <<CASES
empty||no
without-posy|$geometry|no
blanks|${geometry}PosY=2\n|yes
CASES

((failures == 0)) || exit 1
echo "desktop install: all checks passed"
