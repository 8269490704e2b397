#!/usr/bin/env bash
# The demo: registers the Win64 OCX in the build's wine prefix, runs the late-bound
# script client against it and unregisters it again.
#   demo.sh <win64-build-dir> [<native-build-dir>]
# The native tree is accepted for the targets that build it; the script client needs
# only the Win64 one.
set -euo pipefail

if [ $# -lt 1 ]; then
    echo "usage: $0 <win64-build-dir> [<native-build-dir>]" >&2
    exit 2
fi
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "$1" && pwd)
ocx="$build/OvSplitr.ocx"
client="$build/tests/wine/script_client.exe"
for file in "$ocx" "$client"; do
    if [ ! -f "$file" ]; then
        echo "missing $file (build the Win64 tree first)" >&2
        exit 1
    fi
done

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
}
trap cleanup EXIT

ov_wine regsvr32 /s "$ocx_w"
registered=1
ov_wine "$(ov_winepath "$client")"
