#!/usr/bin/env bash
# The Win32 build in real 32-bit processes. The host cannot run 32-bit code, so this boots
# a throwaway machine (QEMU, software emulation) on Debian's own kernel, with the host's
# root read-only and a work folder writable over virtio 9p, and runs the suites there under
# trixie's Wine 10 in WoW64 mode (tools/test32/guest.sh). Everything it makes is kept in
# the state folder: the trixie root, the kernel and initramfs, the Wine prefix (each made
# again only when its inputs change) and the last run's logs and summary.
#   run.sh <win32-build-dir> <state-dir> [<win64-build-dir>]
# With the Win64 build, saved controls cross the architectures: the 64-bit suite saves into the
# work folder before the machine boots, the 32-bit one loads that and saves its own, and the
# 64-bit one loads the 32-bit files after it (Persistence.WhatTheOtherArchitectureSaved...).
# OV_TEST32_TIMEOUT bounds the whole machine run (seconds, default 7200); OV_TEST32_SCRIPT
# runs another script in the machine instead of the suites (a path inside the repository).
set -euo pipefail

usage="usage: run.sh <win32-build-dir> <state-dir> [<win64-build-dir>]"
build=$(cd "${1:?$usage}" && pwd)
mkdir -p "${2:?$usage}"
state=$(cd "$2" && pwd)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(cd "$here/../.." && pwd)
started=$SECONDS

for path in "$build" "$state" "$repo"; do
    case $path in *[[:space:]]*) echo "run.sh: no spaces in $path, please (kernel command line)" >&2; exit 2 ;; esac
done
for file in OvSplitr.ocx tests/wine/ov_wine_tests.exe; do
    [ -f "$build/$file" ] || { echo "missing $build/$file (make win32 first)" >&2; exit 1; }
done

# Host packages that only this run needs; none of them touches the host's Wine.
packages=(qemu-system-x86 debootstrap busybox-static cpio binutils xz-utils)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" != 0 ]; then
        echo "Missing packages: ${missing[*]}"
        echo "Run as root: apt-get update && apt-get install -y --no-install-recommends ${missing[*]}"
        exit 1
    fi
    echo "Installing: ${missing[*]}"
    apt-get update || apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi
[ "$(id -u)" = 0 ] || { echo "run.sh needs root: debootstrap and chroot make the trixie root" >&2; exit 1; }

"$here/make-root.sh" "$state/root"
"$here/make-machine.sh" "$state/machine" ||
    { apt-get update || apt-get update; "$here/make-machine.sh" "$state/machine"; }
prepared=$((SECONDS - started))

guest="$state/guest"
mkdir -p "$guest"
rm -rf "$guest/logs" "$guest/summary.txt" "$guest/status" "$guest/failed.list"
# The machine checks its copies against these sums.
(cd "$build" && sha256sum OvSplitr.ocx) > "$guest/inputs.sha256"
for file in formhost/formhost.exe tests/wine/ov_wine_tests.exe tests/wine/ov_wine_atl_tests.exe \
            tests/wine/ov_wine_sweep_tests.exe tests/wine/ov_wine_input_tests.exe \
            tests/wine/ov_wine_endurance_tests.exe bench/wine/ov_drag_bench.exe bench/wine/ov_redraw_bench.exe; do
    [ -f "$build/$file" ] && (cd "$(dirname "$build/$file")" && sha256sum "$(basename "$file")") >> "$guest/inputs.sha256"
done

# cross64 <require>: the 64-bit side of the cross-architecture persistence test.
win64=${3:+$(cd "$3" && pwd)}
cross="$guest/cross"
cross64() {
    [ -n "$win64" ] || return 0
    env OV_CROSS_ARCH_DIR="Z:${cross//\//\\}" ${1:+OV_CROSS_ARCH_REQUIRE=1} OV_WINE_TIMEOUT=300 \
        bash "$repo/tools/wine-x11-run.sh" "$win64" "$win64/tests/wine/ov_wine_tests.exe" \
        --gtest_filter=Persistence.WhatTheOtherArchitectureSavedLoadsAsItWas > "$guest/cross64.log" 2>&1
}
rm -rf "$cross"
mkdir -p "$cross"
if [ -n "$win64" ]; then
    cross64 "" || { echo "the 64-bit side could not save for the 32-bit one:"; tail -20 "$guest/cross64.log"; exit 1; }
fi

# -smap: with it QEMU 7.2's emulation oopses the guest on every return to user mode.
echo "== booting the machine (prepared in $prepared s); console in $guest/console.log"
boot=$SECONDS
set +e
timeout "${OV_TEST32_TIMEOUT:-7200}" qemu-system-x86_64 \
    -machine q35,accel=tcg -cpu max,-smap -smp 2 -m 3072 -nographic -no-reboot -nic none \
    -kernel "$state/machine/vmlinuz" -initrd "$state/machine/initramfs.gz" \
    -append "console=ttyS0 quiet loglevel=3 panic=-1 ov.root=$state/root ov.repo=$repo ov.build=$build ov.script=${OV_TEST32_SCRIPT:-tools/test32/guest.sh}" \
    -fsdev "local,id=hostroot,path=/,security_model=none,readonly=on,multidevs=remap" \
    -device virtio-9p-pci,fsdev=hostroot,mount_tag=hostroot \
    -fsdev "local,id=work,path=$guest,security_model=none,multidevs=remap" \
    -device virtio-9p-pci,fsdev=work,mount_tag=work \
    < /dev/null 2>&1 | tee "$guest/console.log" | grep --line-buffered '^test32:'
machine=${PIPESTATUS[0]}
set -e
[ "$machine" = 124 ] && echo "the machine did not finish within ${OV_TEST32_TIMEOUT:-7200} s" >&2

echo "== machine ran $((SECONDS - boot)) s; whole run $((SECONDS - started)) s"
if [ ! -f "$guest/summary.txt" ]; then
    echo "no summary from the machine; its console:" >&2
    tail -40 "$guest/console.log" >&2
    exit 1
fi
if [ -n "$win64" ]; then
    if cross64 require; then
        echo "64-bit loads what the 32-bit control saved           PASS" >> "$guest/summary.txt"
    else
        echo "64-bit loads what the 32-bit control saved           FAIL" >> "$guest/summary.txt"
        echo 1 > "$guest/status"
        echo "$guest/cross64.log" >> "$guest/failed.list"
    fi
fi
echo "== Win32 in a 32-bit process ($guest/summary.txt; logs in $guest/logs)"
cat "$guest/summary.txt"
if [ "$(cat "$guest/status" 2>/dev/null)" != 0 ]; then
    while read -r log; do
        echo "---- $(basename "$log") (last lines)"
        tail -25 "$guest/logs/$(basename "$log")"
    done < "$guest/failed.list"
    echo "test32: FAILED" >&2
    exit 1
fi
echo "test32: passed"
