#!/usr/bin/env bash
# The demo: registers the Win64 OCX in the build's wine prefix and opens formhost's form
# with a three-pane splitter whose panes hold a tree, a list and an edit box bound by
# ControlName. It runs on $DISPLAY when there is one (the form stays open until closed),
# otherwise under an Xvfb of its own; either way it writes a screenshot PNG into the
# build tree and says where. The late-bound script client runs first.
#   demo.sh <win64-build-dir> [<native-build-dir>]
# The native tree is accepted for the targets that build it; the demo needs only the
# Win64 one.
set -euo pipefail

if [ $# -lt 1 ]; then
    echo "usage: $0 <win64-build-dir> [<native-build-dir>]" >&2
    exit 2
fi
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "$1" && pwd)
ocx="$build/OvSplitr.ocx"
client="$build/formhost/script_client.exe"
formhost="$build/formhost/formhost.exe"
for file in "$ocx" "$client" "$formhost"; do
    if [ ! -f "$file" ]; then
        echo "missing $file (build the Win64 tree first)" >&2
        exit 1
    fi
done
for tool in convert xdotool; do
    command -v "$tool" >/dev/null || { echo "missing $tool (make deps installs it)" >&2; exit 1; }
done

xvfb_pid=""
own_display=0
if [ -n "${DISPLAY:-}" ] && xdotool getdisplaygeometry >/dev/null 2>&1; then
    echo "== on display $DISPLAY"
else
    command -v Xvfb >/dev/null || { echo "no display and no Xvfb (make deps installs it)" >&2; exit 1; }
    number=90
    while [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ]; do
        number=$((number + 1))
    done
    Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$number"
    for _ in $(seq 50); do
        xdotool getdisplaygeometry >/dev/null 2>&1 && break
        kill -0 "$xvfb_pid" 2>/dev/null || { echo "Xvfb on $DISPLAY did not start" >&2; exit 1; }
        sleep 0.1
    done
    own_display=1
    echo "== on an Xvfb of its own, display $DISPLAY"
fi
export OV_WINE_GRAPHICS=x11

# shellcheck source=wine-env.sh
. "$repo/tools/wine-env.sh"
ov_wine_setup "$build"
ocx_w=$(ov_winepath "$ocx")
registered=0
cleanup() {
    if [ $registered -eq 1 ]; then
        ov_wine regsvr32 /u /s "$ocx_w" || echo "unregistering $ocx_w failed" >&2
    fi
    ov_wine_stop
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
}
trap cleanup EXIT

ov_wine regsvr32 /s "$ocx_w"
registered=1

echo "== script client"
ov_wine "$(ov_winepath "$client")"

shots="$build/demo"
mkdir -p "$shots"
bmp="$shots/formhost.bmp"
png="$shots/formhost.png"
rm -f "$bmp" "$png"
form_args=(--size 640x400 --panes 3 --bind tree,list,edit --wait 1500
           --screenshot "$(ov_winepath "$bmp")")
if [ $own_display -eq 1 ]; then
    form_args+=(--close)
else
    echo "== the form stays open until you close it"
fi
echo "== formhost ${form_args[*]}"
ov_wine "$(ov_winepath "$formhost")" "${form_args[@]}"
convert "$bmp" "$png"
rm -f "$bmp"
echo "== screenshot: $png"
