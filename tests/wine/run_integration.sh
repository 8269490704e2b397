#!/usr/bin/env bash
# Registers the Win64 OCX in a private wine prefix, runs the late-bound integration
# tests against it, unregisters it and checks that HKEY_CLASSES_ROOT is as before.
#   run_integration.sh <win64-build-dir>
set -euo pipefail
# shellcheck source=wine_run.sh
. "$(dirname "${BASH_SOURCE[0]}")/wine_run.sh" "${1:?usage: $0 <win64-build-dir>}" "wine integration" \
    tests/wine/ov_wine_tests.exe tests/wine/ov_wine_atl_tests.exe tests/wine/ov_wine_sweep_tests.exe
exe="$build/tests/wine/ov_wine"

ocx_w=$(ov_winepath "$ocx")
tests_w=$(ov_winepath "${exe}_tests.exe")

# Fails the run when the root differs from its first export.
expect_unchanged() {
    local root="$1" before="$2" after="$3" what="$4"
    export_classes "$root" "$after"
    if diff -u "$before.txt" "$after.txt" > "$after.diff"; then echo "== $root is as it was before $what"
    else fail "$root differs after $what:"; head -100 "$after.diff" >&2; fi
}

# A registration left over from an aborted run would hide in the first export.
ov_wine regsvr32 /u /s "$ocx_w" >/dev/null 2>&1 || true

# Wine registers its script engines' own classes the first time cscript runs, and the
# standard OLE type library the first time a font's or picture's members are looked up by
# name (saving and loading pictures does that); let both happen before the first export,
# so the comparison sees only what the OCX writes.
printf '%s\n' 'x = CreateObject("StdFont").Name' 'y = CreateObject("StdPicture").Type' > "$work/warm.vbs"
echo 'WScript.Quit(0);' > "$work/warm.js"
for warm in "$work"/warm.*; do ov_wine cscript //nologo "$(ov_winepath "$warm")" >/dev/null 2>&1 || true; done

export_classes HKEY_CLASSES_ROOT "$work/before.reg"

echo "== regsvr32 $ocx_w"
ov_wine regsvr32 /s "$ocx_w"

echo "== registered: ov_wine_tests"
ov_wine "$tests_w" "--gtest_filter=-Unregistered.*" || failed=1
# Wine's own ATL container; then every member against every kind of argument, where a crash
# or a member that hangs ends the sweep with its name, and the whole of it is bounded.
for program in atl sweep; do
    echo "== registered: ov_wine_${program}_tests"
    OV_WINE_TIMEOUT=60 ov_wine "$(ov_winepath "${exe}_${program}_tests.exe")" || failed=1
done

# Wine's own script engines, as a script user drives the control.
for script in "$repo"/tests/wine/scripts/*.vbs "$repo"/tests/wine/scripts/*.js; do
    echo "== cscript $(basename "$script")"
    # Wine's cscript exits 0 also when a script stops on an error: the last line counts.
    output=$(ov_wine cscript //nologo "$(ov_winepath "$script")" 2>&1) || true
    echo "$output"
    grep -q 'all checks passed' <<<"$output" || { echo "$(basename "$script") failed" >&2; failed=1; }
done

echo "== regsvr32 /u $ocx_w"
ov_wine regsvr32 /u /s "$ocx_w" || fail "unregistration failed"

echo "== unregistered: ov_wine_tests"
ov_wine "$tests_w" "--gtest_filter=Unregistered.*" || failed=1

expect_unchanged HKEY_CLASSES_ROOT "$work/before.reg" "$work/after.reg" "registration"

# Per-user registration, for users without administrator rights: everything that the
# machine-wide registration writes goes under the current user's classes instead, and
# comes out again. Run after the machine-wide check above, so that nothing here can touch
# what it compared. (Wine's HKEY_CLASSES_ROOT is the machine's classes alone, so COM in
# Wine does not find a class registered per user; the keys themselves are compared.)
user_classes='HKEY_CURRENT_USER\Software\Classes'
# The component's own keys below one classes root, as text rooted at HKEY_CLASSES_ROOT.
component_keys=('OrvaneSplitter.OvSplitter' 'OrvaneSplitter.OvSplitter.1'
                'CLSID\{5ED116FF-C6D0-42FD-9972-2DDC4D5D32A6}'
                'CLSID\{5D277210-E9F4-471F-82C1-819C41FC9E12}'
                'CLSID\{F9022F3E-D730-4679-BA52-A992D2F631A4}'
                'CLSID\{DDDBFB4E-5F27-43C5-A21E-71F480FCFF4A}')
export_component_keys() {
    local root="$1" out="$2" key file
    : > "$out"
    for key in "${component_keys[@]}"; do
        rm -f "${file:=$work/component-key.reg}"
        ov_wine reg export "$root\\$key" "$(ov_winepath "$file")" /y >/dev/null 2>&1 || { echo "missing: $root\\$key" >> "$out"; continue; }
        iconv -f UTF-16LE -t UTF-8 "$file" | tr -d '\r' |
            sed "s/^\[HKEY_CURRENT_USER\\\\Software\\\\Classes\\\\/[HKEY_CLASSES_ROOT\\\\/I" >> "$out"
    done
}

ov_wine regsvr32 /s /u /n /i:user "$ocx_w" >/dev/null 2>&1 || true
# Every Windows profile has its classes key with a CLSID key below it, shared by every
# component; a new prefix may not have them yet, and unregistration rightly leaves them.
ov_wine reg add 'HKCU\Software\Classes\CLSID' /f >/dev/null 2>&1 || true
export_classes "$user_classes" "$work/user-before.reg"

echo "== regsvr32 /n /i:user $ocx_w"
ov_wine regsvr32 /s /n /i:user "$ocx_w" || fail "per-user registration failed"
export_component_keys "$user_classes" "$work/user-keys.txt"

echo "== regsvr32 /u /n /i:user $ocx_w"
ov_wine regsvr32 /s /u /n /i:user "$ocx_w" || fail "per-user unregistration failed"

expect_unchanged "$user_classes" "$work/user-before.reg" "$work/user-after.reg" "per-user registration"

# The same keys and values as a machine-wide registration writes.
ov_wine regsvr32 /s "$ocx_w" || fail "registration failed"
export_component_keys 'HKEY_CLASSES_ROOT' "$work/machine-keys.txt"
ov_wine regsvr32 /u /s "$ocx_w" || fail "unregistration failed"
if grep -q '^missing:' "$work/user-keys.txt" "$work/machine-keys.txt" ||
   ! diff -u "$work/machine-keys.txt" "$work/user-keys.txt" > "$work/user-keys.diff"; then
    fail "per user: the keys differ from the machine-wide registration:"
    grep -h '^missing:' "$work/user-keys.txt" "$work/machine-keys.txt" >&2 || true
    head -100 "$work/user-keys.diff" >&2 2>/dev/null || true
else
    echo "== per user: the same $(grep -c '^\[' "$work/user-keys.txt") keys as the machine-wide registration"
fi

finish
