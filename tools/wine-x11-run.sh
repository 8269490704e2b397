#!/usr/bin/env bash
# Runs one Windows program under wine64 on an Xvfb of its own with Wine's x11 driver, with
# the build's OCX registered for the run, within OV_WINE_TIMEOUT seconds (default 240);
# the display, the registration and the wineserver go when it ends.
#   wine-x11-run.sh <win64-build-dir> <program.exe> [arguments...]
set -euo pipefail
usage="usage: wine-x11-run.sh <win64-build-dir> <program.exe> [arguments...]"
build=$(cd "${1:?$usage}" && pwd)
program=$(cd "$(dirname "${2:?$usage}")" && pwd)/$(basename "$2")
shift 2
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# shellcheck source=wine-env.sh
. "$repo/tools/wine-env.sh"
# shellcheck source=xvfb.sh
. "$repo/tools/xvfb.sh"
ov_require_built "$build/OvSplitr.ocx" "$program"

trap 'ov_wine_stop; ov_xvfb_stop' EXIT
ov_xvfb_start
echo "== on an Xvfb of its own, display $DISPLAY, Wine's x11 driver"
export OV_WINE_GRAPHICS=x11
ov_wine_setup "$build"
ov_register_ocx "$build/OvSplitr.ocx"
limit=${OV_WINE_TIMEOUT:-240}
echo "== $(basename "$program")"
status=0
OV_WINE_TIMEOUT=$limit ov_wine "$(ov_winepath "$program")" "$@" || status=$?
[ $status -eq 124 ] && echo "$(basename "$program") did not finish within $limit s" >&2
exit $status
