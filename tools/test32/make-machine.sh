#!/usr/bin/env bash
# Makes the machine's kernel and initramfs: Debian's own amd64 kernel, unpacked from its
# package (not installed on the host), and an initramfs of busybox-static with the modules
# that mount the host over virtio 9p. Kept while the kernel package, busybox and these
# files are unchanged.
#   make-machine.sh <machine-dir>     leaves <machine-dir>/vmlinuz and initramfs.gz
set -euo pipefail

dir=${1:?usage: make-machine.sh <machine-dir>}
mkdir -p "$dir"
dir=$(cd "$dir" && pwd)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

kernel_package=$(apt-cache depends linux-image-amd64 2>/dev/null | sed -n 's/^ *Depends: \(linux-image-[0-9].*\)$/\1/p' | head -1)
[ -n "$kernel_package" ] || { echo "no linux-image-amd64 in the host's apt lists (apt-get update)" >&2; exit 1; }
kernel_version=$(apt-cache policy "$kernel_package" | sed -n 's/^ *Candidate: //p')
key=$( { echo "$kernel_package $kernel_version"; dpkg-query -W -f='${Version}' busybox-static;
         cat "$here/make-machine.sh" "$here/init"; } | sha256sum | cut -d' ' -f1)
if [ -f "$dir/key" ] && [ "$(cat "$dir/key")" = "$key" ] && [ -f "$dir/vmlinuz" ] && [ -f "$dir/initramfs.gz" ]; then
    echo "== kernel and initramfs: cached ($kernel_package $kernel_version)"
    exit 0
fi
rm -f "$dir/key"

echo "== kernel $kernel_package $kernel_version"
work=$(mktemp -d "$dir/make.XXXXXX")
trap 'rm -rf "$work"' EXIT
# apt's _apt user cannot write into the build tree; the download is one signed package.
(cd "$work" && apt-get download -q "$kernel_package=$kernel_version" 2>&1 | grep -v 'unsandboxed as root' >&2 || true)
deb=$(ls "$work"/linux-image-*.deb)
dpkg-deb -x "$deb" "$work/kernel"
cp "$work"/kernel/boot/vmlinuz-* "$dir/vmlinuz"
modules=$(ls -d "$work"/kernel/lib/modules/*)

# Load order from each module's own depends= field (no depmod on the host).
declare -A seen=()
order=()
add_module() {
    local name=$1 file dep
    [ -n "${seen[$name]:-}" ] && return
    seen[$name]=1
    file=$(find "$modules/kernel" -name "$name.ko" -o -name "$name.ko.xz" | head -1)
    [ -n "$file" ] || { echo "module $name is not in $kernel_package" >&2; exit 1; }
    for dep in $(strings -a "$file" | sed -n 's/^depends=//p' | tr ',' ' '); do add_module "$dep"; done
    order+=("$file")
}
for m in virtio_pci 9pnet_virtio 9p; do add_module "$m"; done

ramfs="$work/ramfs"
mkdir -p "$ramfs"/{bin,dev,proc,sys,host,lib/modules}
cp /bin/busybox "$ramfs/bin/busybox"
ln -s busybox "$ramfs/bin/sh"
: > "$ramfs/lib/modules/order"
for file in "${order[@]}"; do
    name=$(basename "$file")
    case $name in
        *.xz) xz -dc "$file" > "$ramfs/lib/modules/${name%.xz}"; name=${name%.xz} ;;
        *) cp "$file" "$ramfs/lib/modules/$name" ;;
    esac
    echo "$name" >> "$ramfs/lib/modules/order"
done
install -m 755 "$here/init" "$ramfs/init"
(cd "$ramfs" && find . | cpio -o -H newc --quiet | gzip -9) > "$dir/initramfs.gz"
echo "$key" > "$dir/key"
echo "== initramfs with $(wc -l < "$ramfs/lib/modules/order") modules: $(tr '\n' ' ' < "$ramfs/lib/modules/order")"
