#!/usr/bin/env bash
# Builds the Windows Installer packages of the two OCX builds with wixl, signed:
#   dist.sh <win64-build-dir> <win32-build-dir> <out-dir>
# writes OvSplitter-x64.msi and OvSplitter-x86.msi (per machine) and OvSplitter-x64-user.msi
# and OvSplitter-x86-user.msi (per user, no administrator rights) into <out-dir>, with the
# signed OCX each holds in <out-dir>/x64 and <out-dir>/x86.
# Signing: OV_SIGN_CERT (PEM or DER certificate, or a PKCS#12 file holding certificate and
# key), OV_SIGN_KEY (PEM or DER key; not with PKCS#12), OV_SIGN_PASS (the key's password),
# OV_SIGN_TIMESTAMP_URL (an RFC 3161 time-stamping server). Without OV_SIGN_CERT a test
# certificate made once in <out-dir>/test-signing signs, and the packages are not for release.
# OV_DIST_VERSION overrides the product version (major.minor.build).
set -euo pipefail

[ $# -eq 3 ] || { echo "usage: $0 <win64-build-dir> <win32-build-dir> <out-dir>" >&2; exit 2; }
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
win64=$(cd "$1" && pwd)
win32=$(cd "$2" && pwd)
mkdir -p "$3"
out=$(cd "$3" && pwd)
for file in "$win64/OvSplitr.ocx" "$win32/OvSplitr.ocx"; do
    [ -f "$file" ] || { echo "missing $file (build the Windows trees first)" >&2; exit 1; }
done

# The product version: the project's major.minor and its fourth field as the build, the
# three fields Windows Installer compares when a newer package replaces an older one.
if [ -z "${OV_DIST_VERSION:-}" ]; then
    project=$(sed -n 's/^project(OvSplitter VERSION \([0-9.]*\).*/\1/p' "$repo/CMakeLists.txt")
    IFS=. read -r major minor _ build <<<"$project"
    OV_DIST_VERSION="$major.$minor.$build"
fi

# The generator of the registration rows, built with the build machine's compiler.
generator="$out/registry_wxs"
if [ ! -x "$generator" ] || [ "$repo/tools/registry_wxs.cpp" -nt "$generator" ] ||
   [ "$repo/activex/registry_rows.h" -nt "$generator" ]; then
    c++ -std=c++20 -O1 -I "$repo" -I "$repo/activex/resources" -o "$generator" "$repo/tools/registry_wxs.cpp"
fi

# The certificate and key to sign with.
sign_args=()
if [ -n "${OV_SIGN_CERT:-}" ]; then
    if [ -n "${OV_SIGN_KEY:-}" ]; then sign_args=(-certs "$OV_SIGN_CERT" -key "$OV_SIGN_KEY")
    else sign_args=(-pkcs12 "$OV_SIGN_CERT"); fi
    [ -n "${OV_SIGN_PASS:-}" ] && sign_args+=(-pass "$OV_SIGN_PASS")
    [ -n "${OV_SIGN_TIMESTAMP_URL:-}" ] && sign_args+=(-ts "$OV_SIGN_TIMESTAMP_URL")
    signer="certificate $OV_SIGN_CERT"
else
    test_signing="$out/test-signing"
    if [ ! -f "$test_signing/cert.pem" ]; then
        mkdir -p "$test_signing"
        openssl req -x509 -newkey rsa:2048 -nodes -days 3650 -subj "/CN=OvSplitter test signing" \
            -addext "extendedKeyUsage=codeSigning" -addext "keyUsage=digitalSignature" \
            -keyout "$test_signing/key.pem" -out "$test_signing/cert.pem" 2>/dev/null
    fi
    sign_args=(-certs "$test_signing/cert.pem" -key "$test_signing/key.pem")
    signer="the TEST certificate $test_signing/cert.pem"
fi
sign() {
    rm -f "$1.signed"
    osslsigncode sign "${sign_args[@]}" -h sha256 -n "OvSplitter Control" -in "$1" -out "$1.signed" >/dev/null
    mv "$1.signed" "$1"
}

for arch in x64 x86; do
    if [ $arch = x64 ]; then tree=$win64 win64_flag=yes machine_dir=ProgramFiles64Folder
    else tree=$win32 win64_flag=no machine_dir=ProgramFilesFolder; fi
    mkdir -p "$out/$arch"
    cp "$tree/OvSplitr.ocx" "$out/$arch/OvSplitr.ocx"
    sign "$out/$arch/OvSplitr.ocx"
    "$generator" "$tree/activex/resources/OvSplitr.tlb" "$out/$arch/registration.wxs"
    for scope in perMachine perUser; do
        if [ $scope = perMachine ]; then msi="$out/OvSplitter-$arch.msi" root=HKLM help="[$machine_dir]OvSplitter"
        else msi="$out/OvSplitter-$arch-user.msi" root=HKCU help="[LocalAppDataFolder]Programs\\OvSplitter"; fi
        # One product code per kind and version, so that a package built again is the same
        # product and a later version a new one.
        product=$(printf 'OvSplitter %s %s %s' $arch $scope "$OV_DIST_VERSION" | md5sum |
            sed 's/^\(.\{8\}\)\(.\{4\}\)\(.\{4\}\)\(.\{4\}\)\(.\{12\}\).*/\1-\2-\3-\4-\5/' | tr a-f A-F)
        (cd "$out" && wixl -a $arch -o "$msi" -D ProductCode="$product" -D Version="$OV_DIST_VERSION" -D Arch=$arch -D Win64=$win64_flag \
            -D Scope=$scope -D ClassesRoot=$root -D HelpDir="$help" -D Ocx="$arch/OvSplitr.ocx" \
            "$repo/installer/OvSplitter.wxs" "$arch/registration.wxs")
        sign "$msi"
    done
done

echo "Packages of OvSplitter $OV_DIST_VERSION in $out:"
(cd "$out" && ls -1 OvSplitter-*.msi)
echo "Signed with $signer."
if [ -z "${OV_SIGN_CERT:-}" ]; then
    echo "THIS IS A TEST SIGNATURE: no Windows trusts it. Set OV_SIGN_CERT and OV_SIGN_KEY to sign for release."
fi
