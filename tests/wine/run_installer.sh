#!/usr/bin/env bash
# The installer packages: built and signed by tools/dist.sh; the signatures verified; the
# 64-bit package installed, used, upgraded and removed with Wine's msiexec, its registry keys
# compared with a regsvr32 registration of the same file; the 32-bit package's tables
# compared with the 64-bit one's.
#   run_installer.sh <win64-build-dir> <win32-build-dir> <out-dir>
set -euo pipefail

[ $# -eq 3 ] || { echo "usage: $0 <win64-build-dir> <win32-build-dir> <out-dir>" >&2; exit 2; }
# shellcheck source=wine_run.sh
. "$(dirname "${BASH_SOURCE[0]}")/wine_run.sh" "$1" installer
ov_require_built "$2/OvSplitr.ocx"

out=$3
"$repo/tools/dist.sh" "$build" "$2" "$out" >/dev/null
out=$(cd "$out" && pwd)
# Fails the run, with the difference, when two files differ.
same() { diff -u "$1" "$2" >"$1.diff" || { fail "$3:"; head -40 "$1.diff" >&2; }; }
version_of() { msiinfo export "$1" Property | sed -n 's/^ProductVersion\t\([0-9.]*\).*/\1/p'; }

# A later version of the same product, for the upgrade, signed with the certificate given
# as a release's would be.
version=$(version_of "$out/OvSplitter-x64.msi")
next="${version%.*}.$((${version##*.} + 1))"
OV_DIST_VERSION=$next OV_SIGN_CERT="$out/test-signing/cert.pem" OV_SIGN_KEY="$out/test-signing/key.pem" \
    "$repo/tools/dist.sh" "$build" "$2" "$work/next" >/dev/null

echo "== signatures"
for file in "$out"/x64/OvSplitr.ocx "$out"/x86/OvSplitr.ocx "$out"/OvSplitter-*.msi "$work"/next/OvSplitter-x64.msi; do
    osslsigncode verify -CAfile "$out/test-signing/cert.pem" -in "$file" >"$work/verify.txt" 2>&1 ||
        { fail "signature of $file does not verify:"; tail -5 "$work/verify.txt" >&2; }
done

echo "== the 32-bit package's tables"
# The rows of one table, minus its three header lines, sorted.
rows() { msiinfo export "$1" "$2" | tail -n +4 | tr -d '\r' | sort; }
rows "$out/OvSplitter-x64.msi" Registry | grep -v -P '\tTypeLibrary32$' | sed -e 's/\\win64\t/\\win32\t/' -e 's/\[ProgramFiles64Folder\]/[ProgramFilesFolder]/' >"$work/x64.rows"
rows "$out/OvSplitter-x86.msi" Registry >"$work/x86.rows"
same "$work/x64.rows" "$work/x86.rows" "the 32-bit package's registry rows differ from the 64-bit one's"
grep -q '^Template: Intel;1033' <(msiinfo suminfo "$out/OvSplitter-x86.msi") || fail "the 32-bit package is not for Intel"
rows "$out/OvSplitter-x86.msi" Component | awk -F'\t' '$4 >= 256 { exit 1 }' || fail "the 32-bit package has 64-bit components"

products() {
    ov_wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null |
        tr -d '\r' | grep -E '^ +DisplayVersion|^ +DisplayName' | grep -A1 'OvSplitter Control (64-bit)' |
        sed -n 's/^ *DisplayVersion *REG_SZ *//p' | tr '\n' ' '
}
msiexec() {
    ov_wine msiexec "$1" "$(ov_winepath "$2")" /qn || fail "msiexec $1 $(basename "$2") failed"
}
# A script client creates the control by its ProgID and reads a member.
cat > "$work/control.vbs" <<'VBS'
Set s = CreateObject("OrvaneSplitter.OvSplitter")
If s.Panes.Count = 1 Then WScript.Echo "all checks passed" Else WScript.Echo "FAIL: Panes.Count " & s.Panes.Count
VBS
check_control() {
    local output
    output=$(ov_wine cscript //nologo "$(ov_winepath "$work/control.vbs")" 2>&1) || true
    grep -q 'all checks passed' <<<"$output" || fail "the installed control ($1): $output"
}

# What an aborted run may have left: the products, the file and its registration.
installed="$(ov_winepath "$build/wineprefix/drive_c")\\Program Files\\OvSplitter"
folder="$build/wineprefix/drive_c/Program Files/OvSplitter"
for msi in "$out"/OvSplitter-x64.msi "$out"/OvSplitter-x64-user.msi "$work"/next/OvSplitter-x64.msi; do
    ov_wine msiexec /x "$(ov_winepath "$msi")" /qn >/dev/null 2>&1 || true
done
[ ! -e "$folder" ] || { ov_wine regsvr32 /u /s "$installed\\OvSplitr.ocx" >/dev/null 2>&1 || true; rm -rf "$folder"; }

# Wine registers its script engines' classes when cscript first runs: before the first export.
echo 'WScript.Quit(0)' > "$work/warm.vbs"
ov_wine cscript //nologo "$(ov_winepath "$work/warm.vbs")" >/dev/null 2>&1 || true
export_classes HKEY_CLASSES_ROOT "$work/before.reg"

echo "== msiexec /i OvSplitter-x64.msi"
msiexec /i "$out/OvSplitter-x64.msi"
check_control "installed"
cmp -s "$folder/OvSplitr.ocx" "$out/x64/OvSplitr.ocx" || fail "the installed OCX is not the signed one"
export_classes HKEY_CLASSES_ROOT "$work/installed.reg"
echo "== installed twice"
msiexec /i "$out/OvSplitter-x64.msi"
[ "$(products)" = "$version " ] || fail "installed twice: products $(products)"

echo "== msiexec /x OvSplitter-x64.msi"
msiexec /x "$out/OvSplitter-x64.msi"
export_classes HKEY_CLASSES_ROOT "$work/removed.reg"
same "$work/before.reg.txt" "$work/removed.reg.txt" "HKEY_CLASSES_ROOT differs after the removal"
[ ! -e "$folder" ] || fail "$folder is left after the removal"
[ -z "$(products)" ] || fail "a product is left after the removal: $(products)"

echo "== regsvr32 of the same file in the same place"
mkdir -p "$folder"
cp "$out/x64/OvSplitr.ocx" "$folder/"
ov_wine regsvr32 /s "$installed\\OvSplitr.ocx" || fail "regsvr32 failed"
export_classes HKEY_CLASSES_ROOT "$work/registered.reg"
ov_wine regsvr32 /u /s "$installed\\OvSplitr.ocx" || fail "regsvr32 /u failed"
rm -rf "$folder"
same "$work/registered.reg.txt" "$work/installed.reg.txt" "the package's keys differ from regsvr32's"

# Per user: the same keys below the user's classes, which the removal takes out again.
# (Wine's COM reads the machine's classes alone, so no client is run here.)
user_classes='HKEY_CURRENT_USER\Software\Classes'
# What an export gained over an earlier one, as text rooted at HKEY_CLASSES_ROOT, with the
# installation folder as <folder>; without the 32-bit view, which Wine keeps in the same keys
# as the 64-bit one below a user's classes, and without the parent keys the user's classes
# may lack at first.
gained() {
    { diff "$1" "$2" || true; } | sed -n 's/^> //p' | sed -e '/^$/d' -e 's/^\[HKEY_CURRENT_USER\\Software\\Classes/[HKEY_CLASSES_ROOT/' \
        -e '/^\[/ s/.*/\L&/' -e 's/"[A-Za-z]:[^"]*\\\\OvSplitter/"<folder>/' |
        awk '/^\[/ { skip = /^\[hkey_classes_root\\wow6432node\\/ || /^\[hkey_classes_root\\(interface|typelib)\]$/ } !skip'
}
echo "== msiexec /i OvSplitter-x64-user.msi"
export_classes "$user_classes" "$work/user-before.reg"
msiexec /i "$out/OvSplitter-x64-user.msi"
export_classes "$user_classes" "$work/user-installed.reg"
msiexec /x "$out/OvSplitter-x64-user.msi"
export_classes "$user_classes" "$work/user-removed.reg"
gained "$work/before.reg.txt" "$work/installed.reg.txt" >"$work/machine.gained"
gained "$work/user-before.reg.txt" "$work/user-installed.reg.txt" >"$work/user.gained"
same "$work/machine.gained" "$work/user.gained" "per user: the keys differ from the per-machine package's"
same "$work/user-before.reg.txt" "$work/user-removed.reg.txt" "per user: the user's classes differ after the removal"
echo "== $(grep -c '^\[' "$work/machine.gained") keys written as regsvr32 writes them, per machine and per user"

echo "== upgrade to $next"
msiexec /i "$out/OvSplitter-x64.msi"
msiexec /i "$work/next/OvSplitter-x64.msi"
[ "$(products)" = "$next " ] || fail "after the upgrade: products $(products)"
check_control "upgraded"
msiexec /x "$work/next/OvSplitter-x64.msi"
export_classes HKEY_CLASSES_ROOT "$work/upgraded.reg"
same "$work/before.reg.txt" "$work/upgraded.reg.txt" "HKEY_CLASSES_ROOT differs after the upgrade's removal"
[ ! -e "$folder" ] || fail "$folder is left after the upgrade's removal"

finish
