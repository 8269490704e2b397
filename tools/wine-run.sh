#!/usr/bin/env bash
# Runs one Windows program under wine64 in the build's private prefix.
#   wine-run.sh <win64-build-dir> <program.exe> [arguments...]
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "$1" && pwd)
program=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
shift 2
# shellcheck source=wine-env.sh
. "$repo/tools/wine-env.sh"
ov_wine_setup "$build"
trap ov_wine_stop EXIT
ov_wine "$(ov_winepath "$program")" "$@"
