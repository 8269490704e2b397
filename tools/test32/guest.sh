#!/bin/bash
# Runs inside the test machine, chrooted into the trixie root (tools/test32/init): the Win32
# build in 32-bit processes under Wine 10's WoW64. Registers the OCX with the 32-bit
# regsvr32, runs the Win32 wine suites, Wine's 32-bit cscript on the script files and the
# 32-bit formhost on the demo form, unregisters, and checks the classes root is as before.
# Each suite's result goes to summary.txt in the machine's writable work folder (the host's
# build/test32/guest), its output to logs/<suite>.log there; status there holds 0 when
# every suite passed.
# Every Wine process start costs about 20 s here, so the suites share one prefix, one X
# server and as few starts as they can.
set -uo pipefail

repo=${OV_REPO:?} build=${OV_BUILD:?}
out=/work
logs=$out/logs
summary=$out/summary.txt
mkdir -p "$logs"
: > "$summary"
: > "$out/failed.list"
echo 1 > "$out/status"

export HOME=/root LC_ALL=C.UTF-8 WINEDEBUG=-all WINEPREFIX=$out/prefix
# A crash ends its process at once instead of waiting minutes for winedbg.
export WINEDLLOVERRIDES="winedbg.exe=d"
# Wine 10 refuses WINEARCH=wow64 and starts 32-bit programs in WoW64 by itself.
unset WINEARCH WINELOADER WINESERVER
# The 32-bit programs, as C:\windows\syswow64 holds them.
sys32='C:\windows\syswow64'
started=$SECONDS
note() { echo "test32: [$((SECONDS - started)) s] $*"; }

passed=0 failed=0
# record <suite> <status> <seconds>
record() {
    local result=PASS
    if [ "$2" -ne 0 ]; then
        result=FAIL
        failed=$((failed + 1))
    else
        passed=$((passed + 1))
    fi
    [ "$2" -eq 124 ] && result="FAIL (timed out)"
    printf '%-44s %s  %4d s\n' "$1" "$result" "$3" >> "$summary"
    note "$1: $result in $3 s"
}

# suite <name> <limit-seconds> <command...>: runs one suite with its output in its log.
suite() {
    local name=$1 limit=$2 begin=$SECONDS status=0 log
    shift 2
    log="$logs/$(tr -c 'A-Za-z0-9._-' '_' <<<"$name" | sed 's/_*$//').log"
    # bash -c, so that a suite may be one of the functions below (exported before use)
    timeout -k 20 "$limit" bash -c '"$@"' "$name" "$@" > "$log" 2>&1 || status=$?
    if [ $status -eq 124 ] || [ $status -eq 137 ]; then
        status=124
        wineserver -k 2>/dev/null || true
    fi
    record "$name" $status $((SECONDS - begin))
    [ $status -eq 0 ] || echo "$log" >> "$out/failed.list"
}

# What runs, every 30 s: a suite that hangs shows what it waits for.
while sleep 30; do
    { echo "== $((SECONDS - started)) s"; ps -eo pid,etime,time,args --sort=start_time | cut -c1-160; } > "$logs/ps.now"
    mv "$logs/ps.now" "$logs/processes.log"
    # the host sees what the guest wrote over 9p (cache=loose) only once it is written back
    sync
done &
monitor_pid=$!

# The X server: Wine's x11 driver for the input suites, and the prefix is made under it.
Xvfb :90 -screen 0 1024x768x24 -nolisten tcp > "$logs/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY=:90
for _ in $(seq 300); do
    xdotool getdisplaygeometry > /dev/null 2>&1 && break
    sleep 0.2
done
# A pointer left over a window would hover it; park it in a corner.
xdotool mousemove 1023 767 > /dev/null 2>&1 || note "Xvfb did not start"

# The prefix is made once per Wine: about five minutes here.
key="$(wine --version) $(cat "$OV_ROOT_KEY" 2>/dev/null)"
if [ "$(cat "$WINEPREFIX/.ov-key" 2>/dev/null)" != "$key" ]; then
    note "creating the prefix for $key"
    begin=$SECONDS
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    # No mono or gecko installers: nothing here needs them.
    WINEDLLOVERRIDES="mscoree=;mshtml=;winedbg.exe=d" timeout 1800 wine wineboot -i > "$logs/wineboot.log" 2>&1
    status=$?
    wineserver -w
    echo "wineboot -i exited with $status" >> "$logs/wineboot.log"
    # On a loaded host wineboot may end non-zero with nothing said and the prefix whole; the
    # suites after it show whether it works.
    [ $status -ne 0 ] && [ -s "$WINEPREFIX/system.reg" ] && [ -d "$WINEPREFIX/drive_c/windows/syswow64" ] && status=0
    record prefix $status $((SECONDS - begin))
    [ $status -eq 0 ] && echo "$key" > "$WINEPREFIX/.ov-key"
else
    note "prefix cached ($key)"
fi

# graphics <null|x11>: the driver that the next desktop process loads.
graphics() {
    note "graphics driver $1"
    timeout 600 wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d "$1" /f > /dev/null 2>&1
    timeout 600 wineserver -w || wineserver -k
}

# Wine reads (not maps) an image whose file alignment is below the page size, and over 9p
# the bytes past the first 512 KB of such a read come back as zeros: run copies on tmpfs.
ov=/tmp/ov
mkdir -p "$ov/scripts"
pe_files=(OvSplitr.ocx formhost/formhost.exe tests/wine/ov_wine_tests.exe
          tests/wine/ov_wine_atl_tests.exe tests/wine/ov_wine_sweep_tests.exe
          tests/wine/ov_wine_input_tests.exe tests/wine/ov_wine_endurance_tests.exe
          bench/wine/ov_drag_bench.exe bench/wine/ov_redraw_bench.exe)
for file in "${pe_files[@]}"; do
    [ -f "$build/$file" ] && cp "$build/$file" "$ov/"
done
cp "$repo"/tests/wine/scripts/*.vbs "$repo"/tests/wine/scripts/*.js "$ov/scripts/"
cp "$repo/formhost/forms/demo.frm" "$ov/"
# The host's sums of the same files: a short 9p read would show here.
(cd "$ov" && sha256sum -c --quiet "$out/inputs.sha256") > "$logs/copy.log" 2>&1
record "copy to tmpfs" $? 0
win() { echo "Z:${1//\//\\}"; }
ocx_w=$(win "$ov/OvSplitr.ocx")
# have <file>: whether the build made it (a suite that is missing fails, not skips).
have() { [ -f "$ov/$1" ] || { note "missing $1 in $build"; record "$1" 1 0; return 1; }; }

export ov ocx_w sys32
export -f win
graphics null

# The classes root as the 32-bit side sees it, without the installer's own bookkeeping (the
# empty Installer keys msiexec makes at its first run); Wine registers its script engines' and
# the standard OLE type library's classes on first use, so that happens before the first export.
export_classes() {
    rm -f "$1.reg"
    wine "$sys32\\reg.exe" export HKEY_CLASSES_ROOT "$(win "$1.reg")" /y > /dev/null 2>&1 &&
        iconv -f UTF-16LE -t UTF-8 "$1.reg" | tr -d '\r' |
        awk '/^\[/ { skip = /^\[HKEY_CLASSES_ROOT\\Installer(\\|\])/ } !skip' > "$1.txt"
}
printf '%s\n' 'x = CreateObject("StdFont").Name' 'y = CreateObject("StdPicture").Type' 'WScript.Quit 0' > "$ov/warm.vbs"
echo 'WScript.Quit(0);' > "$ov/warm.js"
export -f export_classes
note "warming up the script engines"
for warm in warm.vbs warm.js; do
    echo "== $warm" >> "$logs/warm.log"
    timeout 600 wine "$sys32\\cscript.exe" //nologo "$(win "$ov/$warm")" >> "$logs/warm.log" 2>&1
    echo "== exit $? at $((SECONDS - started)) s" >> "$logs/warm.log"
done
# A registration left by an aborted run would hide in the first export.
timeout 600 wine "$sys32\\regsvr32.exe" /u /s "$ocx_w" > /dev/null 2>&1
timeout 600 bash -c 'export_classes "$1"' _ "$ov/before"
note "warmed up and exported the classes root"

suite "regsvr32 (32-bit)" 600 wine "$sys32\\regsvr32.exe" /s "$ocx_w"

# The ProgID leads through its CLSID to this very file, in the 32-bit view.
progid_resolves() {
    local clsid server
    clsid=$(wine "$sys32\\reg.exe" query 'HKCR\OrvaneSplitter.OvSplitter\CLSID' /ve | tr -d '\r' |
            grep -o '{[0-9A-Fa-f-]*}') || { echo "no CLSID under the ProgID"; return 1; }
    echo "OrvaneSplitter.OvSplitter -> $clsid"
    server=$(wine "$sys32\\reg.exe" query "HKCR\\CLSID\\$clsid\\InprocServer32" /ve | tr -d '\r')
    echo "$server"
    grep -qiF "$ocx_w" <<<"$server" || { echo "InprocServer32 is not $ocx_w"; return 1; }
}
export -f progid_resolves
suite "ProgID resolves" 600 progid_resolves

# With the 64-bit side's files in the work folder, the persistence suite loads them and saves
# its own there for the 64-bit side to load after the machine.
[ -f "$out/cross/bag64.txt" ] && export OV_CROSS_ARCH_DIR="Z:${out//\//\\}\\cross" OV_CROSS_ARCH_REQUIRE=1
have ov_wine_tests.exe &&
    suite "ov_wine_tests (registered)" 3600 wine "$(win "$ov/ov_wine_tests.exe")" "--gtest_filter=-Unregistered.*"
unset OV_CROSS_ARCH_DIR OV_CROSS_ARCH_REQUIRE
have ov_wine_atl_tests.exe &&
    suite "ov_wine_atl_tests" 1200 wine "$(win "$ov/ov_wine_atl_tests.exe")"
# The 64-bit run bounds the sweep to a minute; this machine is about ten times slower.
have ov_wine_sweep_tests.exe &&
    suite "ov_wine_sweep_tests" 900 wine "$(win "$ov/ov_wine_sweep_tests.exe")"

# Wine's cscript exits 0 also when a script stops on an error: the last line counts.
run_script() {
    local output
    output=$(wine "$sys32\\cscript.exe" //nologo "$(win "$1")" 2>&1)
    echo "$output"
    tr -d '\r' <<<"$output" | grep -v '^$' | tail -1 | grep -q 'all checks passed'
}
export -f run_script
for script in "$ov"/scripts/*; do
    suite "cscript $(basename "$script")" 600 run_script "$script"
done

# The demo form through the 32-bit formhost: what one process saves, a second opens as it
# was and saves again byte for byte.
form_state() {
    tr -d '\r' < "$1" | grep -E '^(state|splitter|pane|child) ' |
        sed -E 's/^state [a-z]+ /state /; s/ (filtered|moves|refreshes)=[0-9]+//g; s/ key=BSTR "" / key=Empty /' |
        awk '/^state /{block = ""} {block = block $0 "\n"} END {printf "%s", block}'
}
demo_round_trip() {
    local fh
    fh=$(win "$ov/formhost.exe")
    wine "$fh" --open "$(win "$ov/demo.frm")" --save "$(win "$ov/saved.frm")" --close > "$ov/saved.txt" || return 1
    wine "$fh" --open "$(win "$ov/saved.frm")" --save "$(win "$ov/again.frm")" --close > "$ov/opened.txt" || return 1
    diff -u <(form_state "$ov/saved.txt") <(form_state "$ov/opened.txt") || return 1
    diff -u "$ov/saved.frm" "$ov/again.frm" || return 1
    grep -q '^pane ' <(form_state "$ov/opened.txt") || { echo "the opened form has no panes"; return 1; }
    form_state "$ov/opened.txt"
}
export -f form_state demo_round_trip
have formhost.exe && suite "formhost demo form" 900 demo_round_trip

# The drag with real input and the long session, under Wine's x11 driver on the Xvfb.
graphics x11
have ov_wine_input_tests.exe &&
    suite "ov_wine_input_tests (Xvfb)" 2400 wine "$(win "$ov/ov_wine_input_tests.exe")"
have ov_wine_endurance_tests.exe &&
    suite "ov_wine_endurance_tests (100 cycles)" 3600 \
        env OV_ENDURANCE_CYCLES=100 wine "$(win "$ov/ov_wine_endurance_tests.exe")"
# For the record, when built: the drag move and the repaint against their floors in a 32-bit
# process (ratios only: the machine is emulated); the ratio lines go to the summary too.
bench_ratios() {
    wine "$(win "$ov/$1")" | tee "$ov/$1.txt"
    tr -d '\r' < "$ov/$1.txt" | grep '^Ratio' | sed "s/^/    $1: /" >> "$summary"
}
export -f bench_ratios
export summary
for bench in ov_drag_bench.exe ov_redraw_bench.exe; do
    [ -f "$ov/$bench" ] && suite "$bench (for the record)" 1200 bench_ratios "$bench"
done
graphics null

suite "regsvr32 /u (32-bit)" 600 wine "$sys32\\regsvr32.exe" /u /s "$ocx_w"
have ov_wine_tests.exe &&
    suite "ov_wine_tests (unregistered)" 1200 wine "$(win "$ov/ov_wine_tests.exe")" "--gtest_filter=Unregistered.*"

classes_unchanged() {
    export_classes "$ov/after" || { echo "cannot export the classes root"; return 1; }
    [ -s "$ov/before.txt" ] || { echo "the first export is empty"; return 1; }
    diff -u "$ov/before.txt" "$ov/after.txt" | head -100
    [ "${PIPESTATUS[0]}" -eq 0 ]
}
export -f classes_unchanged
suite "classes root as before" 600 classes_unchanged

# The 32-bit installer package, when make dist built it: installed, the control created by
# its ProgID from the 32-bit cscript, removed, and the classes root as before.
msi_round_trip() {
    local msi_w output
    msi_w=$(win "$ov/OvSplitter-x86.msi")
    wine "$sys32\\msiexec.exe" /i "$msi_w" /qn || { echo "msiexec /i failed"; return 1; }
    printf '%s\n' 'Set s = CreateObject("OrvaneSplitter.OvSplitter")' 'WScript.Echo "panes " & s.Panes.Count' \
        > "$ov/installed.vbs"
    output=$(wine "$sys32\\cscript.exe" //nologo "$(win "$ov/installed.vbs")" 2>&1)
    echo "$output"
    tr -d '\r' <<<"$output" | grep -qx 'panes 1' || { echo "the installed control did not answer"; return 1; }
    wine "$sys32\\msiexec.exe" /x "$msi_w" /qn || { echo "msiexec /x failed"; return 1; }
    classes_unchanged
}
export -f msi_round_trip
if [ -f "$build/../dist/OvSplitter-x86.msi" ]; then
    cp "$build/../dist/OvSplitter-x86.msi" "$ov/"
    suite "OvSplitter-x86.msi installed and removed" 1200 msi_round_trip
fi

wineserver -k 2>/dev/null || true
kill "$monitor_pid" "$xvfb_pid" 2>/dev/null
wait "$xvfb_pid" 2>/dev/null
echo "test32: $passed passed, $failed failed" >> "$summary"
note "$passed passed, $failed failed"
[ $failed -eq 0 ] && echo 0 > "$out/status"
sync
