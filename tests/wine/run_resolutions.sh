#!/usr/bin/env bash
# The real-input form at 144 and 192 pixels per inch: Wine's LogPixels set in the build's
# prefix for each run, put back to 96 at the end whatever happens. Skips as run_real_input.sh
# does without Xvfb or xdotool.
#   run_resolutions.sh <win64-build-dir> [gtest arguments...]
set -euo pipefail

build=$(cd "${1:?usage: run_resolutions.sh <win64-build-dir> [gtest arguments...]}" && pwd)
shift
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
# shellcheck source=../../tools/wine-env.sh
. "$repo/tools/wine-env.sh"

set_resolution() {
    ov_wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null
    wineserver -w
}

OV_WINE_GRAPHICS=x11 ov_wine_setup "$build"
trap 'set_resolution 96' EXIT
for ppi in 144 192; do
    echo "== $ppi pixels per inch"
    set_resolution "$ppi"
    bash "$repo/tests/wine/run_real_input.sh" "$build" --gtest_filter='SplitterDrag.*' "$@"
done
