#!/usr/bin/env bash
# Makes the Debian trixie root that the machine runs the Win32 build in: Wine 10, whose
# WoW64 mode draws for 32-bit programs (bookworm's Wine 8 does not), with the 32-bit
# Windows-side DLLs of libwine:i386 beside its 64-bit ones, Xvfb and xdotool. Runs on the
# host as root; only the new tree is touched, never the host's dpkg state or its Wine.
# Kept while this script is unchanged (its hash is the key beside the tree).
#   make-root.sh <root-dir>
set -euo pipefail

root=${1:?usage: make-root.sh <root-dir>}
root=$(realpath -m "$root")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
key=$(sha256sum "$here/make-root.sh" | cut -d' ' -f1)
if [ -f "$root.key" ] && [ "$(cat "$root.key")" = "$key" ] && [ -f "$root/usr/bin/wine-stable" ]; then
    echo "== trixie root: cached ($root)"
    exit 0
fi

packages=(wine wine64 libwine xvfb xauth xdotool fonts-wine fonts-liberation
          libxrender1 libxrandr2 libxi6 libxcursor1 libxcomposite1 libxinerama1 libxxf86vm1
          libgnutls30t64 libdbus-1-3 procps)
# The host's own archive, so this works wherever the host's apt does.
mirror=$(sed -n 's/^URIs:[[:space:]]*\([^[:space:]]*\).*/\1/p' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -1)
mirror=${mirror:-http://deb.debian.org/debian}

new="$root.new"
mounted=()
cleanup() {
    local i
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -l "${mounted[i]}" 2>/dev/null || true; done
}
trap cleanup EXIT
rm -rf "$new" "$root.key"
mkdir -p "$(dirname "$root")"

start=$SECONDS
echo "== debootstrap trixie from $mirror"
debootstrap --variant=minbase --arch=amd64 trixie "$new" "$mirror" > "$root.debootstrap.log" 2>&1 ||
    { tail -30 "$root.debootstrap.log" >&2; exit 1; }

# apt and the maintainer scripts need these; unmounted again before the tree is used.
for fs in proc dev dev/pts; do
    case $fs in
        proc) mount -t proc proc "$new/proc" ;;
        *) mount --bind "/$fs" "$new/$fs" ;;
    esac
    mounted+=("$new/$fs")
done
cp /etc/resolv.conf "$new/etc/resolv.conf" 2>/dev/null || true
in_root() { chroot "$new" env DEBIAN_FRONTEND=noninteractive LC_ALL=C.UTF-8 "$@"; }

echo "== apt-get install ${packages[*]}"
in_root apt-get update -q > "$root.apt.log" 2>&1 || in_root apt-get update -q >> "$root.apt.log" 2>&1
in_root apt-get install -y -q --no-install-recommends "${packages[@]}" >> "$root.apt.log" 2>&1 ||
    { tail -30 "$root.apt.log" >&2; exit 1; }

# Debian's amd64 Wine ships wow64.dll and friends but an empty i386-windows: the 32-bit
# half comes from libwine:i386, unpacked rather than installed.
echo "== libwine:i386's i386-windows"
in_root dpkg --add-architecture i386
in_root apt-get update -q >> "$root.apt.log" 2>&1 || in_root apt-get update -q >> "$root.apt.log" 2>&1
version=$(in_root dpkg-query -W -f='${Version}' libwine)
in_root sh -c "cd /tmp && apt-get download -q libwine:i386=$version" >> "$root.apt.log" 2>&1
in_root sh -c 'mkdir /tmp/libwine-i386 && dpkg-deb -x /tmp/libwine_*_i386.deb /tmp/libwine-i386'
windows="$new/usr/lib/x86_64-linux-gnu/wine/i386-windows"
mkdir -p "$windows"
cp -a "$new/tmp/libwine-i386/usr/lib/i386-linux-gnu/wine/i386-windows/." "$windows/"
count=$(find "$windows" -type f | wc -l)
[ "$count" -gt 500 ] || { echo "libwine:i386 gave only $count files" >&2; exit 1; }
rm -rf "$new/tmp/libwine-i386" "$new"/tmp/libwine_*.deb
in_root apt-get clean

# Mount points for the machine: the host's root and the writable work folder.
mkdir -p "$new/host" "$new/work"

cleanup
mounted=()
rm -rf "$root"
mv "$new" "$root"
echo "$key" > "$root.key"
echo "== trixie root with Wine $version and $count i386-windows files in $((SECONDS - start)) s: $(du -sh "$root" | cut -f1)"
