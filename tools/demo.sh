#!/usr/bin/env bash
# The demo: registers the Win64 OCX in the build's wine prefix and opens formhost's form
# file formhost/forms/demo.frm, with nested splitters: a horizontal one whose first pane
# holds a tree view and whose second holds a vertical splitter with a list box and an edit
# box, all bound by ControlName. On $DISPLAY the form stays open until the user closes it,
# so that every bar can be dragged by hand. Without a display it runs the same form under
# an Xvfb of its own, drags a bar with the X server's pointer (xdotool) and writes
# screenshots before, during and after the drag into the build tree, saying where. Either
# way the form is saved into the build tree (and headless, the first screenshot becomes the
# README's picture, formhost/forms/demo.png) (on a display Ctrl+S saves it again), and a
# second formhost opens that file once the first is closed. The late-bound script client
# runs first.
#   demo.sh <win64-build-dir> [<native-build-dir>]
# The native tree is accepted for the targets that build it; the demo needs only the
# Win64 one.
set -euo pipefail

build=$(cd "${1:?usage: demo.sh <win64-build-dir> [<native-build-dir>]}" && pwd)
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# shellcheck source=wine-env.sh
. "$repo/tools/wine-env.sh"
# shellcheck source=xvfb.sh
. "$repo/tools/xvfb.sh"
ocx="$build/OvSplitr.ocx"
formhost="$build/formhost/formhost.exe"
ov_require_built "$ocx" "$build/automation/script_client.exe" "$formhost"
for tool in convert xdotool; do
    command -v "$tool" >/dev/null || { echo "missing $tool (make deps installs it)" >&2; exit 1; }
done

trap 'ov_wine_stop; ov_xvfb_stop' EXIT
own_display=0
if [ -n "${DISPLAY:-}" ] && xdotool getdisplaygeometry >/dev/null 2>&1; then
    echo "== on display $DISPLAY"
else
    ov_xvfb_start
    own_display=1
    echo "== on an Xvfb of its own, display $DISPLAY"
fi
export OV_WINE_GRAPHICS=x11
ov_wine_setup "$build"
ov_register_ocx "$ocx"

echo "== script client"
ov_wine "$(ov_winepath "$build/automation/script_client.exe")"

shots="$build/demo"
mkdir -p "$shots"
saved="$shots/demo.frm"
rm -f "$saved"
# Saved after the steps; on a display Ctrl+S saves the form there again.
form_args=(--open "$(ov_winepath "$repo/formhost/forms/demo.frm")" --wait 500 --save "$(ov_winepath "$saved")")
if [ $own_display -eq 1 ]; then
    names=(drag-before drag-during drag-after)
    form_args+=(--drag-screenshots "$(ov_winepath "$shots/drag")" --close)
else
    names=(formhost)
    form_args+=(--screenshot "$(ov_winepath "$shots/formhost.bmp")")
    echo "== the form stays open until you close it: drag its bars, Ctrl+S saves it to $saved"
fi
for name in "${names[@]}"; do rm -f "$shots/$name.bmp" "$shots/$name.png"; done
echo "== formhost ${form_args[*]}"
ov_wine "$(ov_winepath "$formhost")" "${form_args[@]}"
for name in "${names[@]}"; do
    convert "$shots/$name.bmp" "$shots/$name.png"
    rm -f "$shots/$name.bmp"
    echo "== screenshot: $shots/$name.png"
done
# The README's picture of the demo form, in the tree: commit it when it changes.
if [ $own_display -eq 1 ]; then
    convert "$shots/drag-before.png" -strip "$repo/formhost/forms/demo.png"
    echo "== the README's screenshot: formhost/forms/demo.png (git status shows whether it changed)"
fi
if [ -f "$saved" ]; then
    echo "== the form as saved: $saved; formhost opens it again"
    ov_wine "$(ov_winepath "$formhost")" --open "$(ov_winepath "$saved")" --close
fi
