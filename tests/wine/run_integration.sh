#!/usr/bin/env bash
# Registers the Win64 OCX in a private wine prefix, runs the late-bound integration
# tests against it, unregisters it and checks that HKEY_CLASSES_ROOT is as before.
#   run_integration.sh <win64-build-dir>
set -euo pipefail

if [ $# -ne 1 ]; then
    echo "usage: $0 <win64-build-dir>" >&2
    exit 2
fi
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$(cd "$1" && pwd)
ocx="$build/OvSplitr.ocx"
tests="$build/tests/wine/ov_wine_tests.exe"
# shellcheck source=../../tools/wine-env.sh
. "$repo/tools/wine-env.sh"
ov_require_built "$ocx" "$tests"

ov_wine_setup "$build"
work=$(mktemp -d "$build/wine-integration.XXXXXX")
trap 'ov_wine_stop; rm -rf "$work"' EXIT

ocx_w=$(ov_winepath "$ocx")
tests_w=$(ov_winepath "$tests")

export_classes() {
    local file="$1"
    ov_wine reg export HKEY_CLASSES_ROOT "$(ov_winepath "$file")" /y >/dev/null
    # UTF-16 with CRLF; compare as text.
    iconv -f UTF-16LE -t UTF-8 "$file" | tr -d '\r' > "$file.txt"
}

# A registration left over from an aborted run would hide in the first export.
ov_wine regsvr32 /u /s "$ocx_w" >/dev/null 2>&1 || true

export_classes "$work/before.reg"

echo "== regsvr32 $ocx_w"
ov_wine regsvr32 /s "$ocx_w"

failed=0
echo "== registered: ov_wine_tests"
ov_wine "$tests_w" "--gtest_filter=-Unregistered.*" || failed=1

# Wine's own script engines, as a script user drives the control.
for script in "$repo"/tests/wine/scripts/*.vbs "$repo"/tests/wine/scripts/*.js; do
    echo "== cscript $(basename "$script")"
    ov_wine cscript //nologo "$(ov_winepath "$script")" || { echo "$(basename "$script") failed" >&2; failed=1; }
done

echo "== regsvr32 /u $ocx_w"
ov_wine regsvr32 /u /s "$ocx_w" || { echo "unregistration failed" >&2; failed=1; }

echo "== unregistered: ov_wine_tests"
ov_wine "$tests_w" "--gtest_filter=Unregistered.*" || failed=1

export_classes "$work/after.reg"
if ! diff -u "$work/before.reg.txt" "$work/after.reg.txt" > "$work/registry.diff"; then
    echo "HKEY_CLASSES_ROOT differs after unregistration:" >&2
    head -100 "$work/registry.diff" >&2
    failed=1
else
    echo "== HKEY_CLASSES_ROOT is as it was before registration"
fi

if [ $failed -ne 0 ]; then
    echo "wine integration: FAILED" >&2
    exit 1
fi
echo "wine integration: passed"
