#!/usr/bin/env bash
# The reference in the tree is the one the built type library gives, and every member added
# since the first release has a help string (the generator fails otherwise).
#   run_reference.sh <win64-build-dir> [--update]
set -euo pipefail

# shellcheck source=wine_run.sh
. "$(dirname "${BASH_SOURCE[0]}")/wine_run.sh" "${1:?usage: $0 <win64-build-dir> [--update]}" reference \
    reference/ov_reference.exe
generator="$build/reference/ov_reference.exe"
ov_wine "$(ov_winepath "$generator")" "$(ov_winepath "$build/OvSplitr.ocx")" \
    "$(ov_winepath "$build/reference/OvSplitter.md")" "$(ov_winepath "$build/reference/OvSplitter.html")"
if [ "${2:-}" = --update ]; then
    cp "$build/reference/OvSplitter.md" "$repo/reference/OvSplitter.md"
    echo "== reference/OvSplitter.md written; the HTML is $build/reference/OvSplitter.html"
elif ! diff -u "$repo/reference/OvSplitter.md" "$build/reference/OvSplitter.md"; then
    echo "reference/OvSplitter.md is stale: run make reference" >&2
    exit 1
else
    echo "== the reference is the type library's"
fi
