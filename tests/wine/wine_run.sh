# Sourced by a wine run of the Win64 build: `. wine_run.sh <win64-build-dir> <name> <file>...`
# checks that the OCX and the files (paths in the build) are built, starts the build's Wine
# prefix and sets repo, build, ocx and work, a folder removed at the end; fail marks the run
# failed and finish ends it with its name and verdict; export_classes writes a classes root
# as text.
run_name=$2
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$(cd "$1" && pwd)
ocx="$build/OvSplitr.ocx"
shift 2
# shellcheck source=../../tools/wine-env.sh
. "$repo/tools/wine-env.sh"
ov_require_built "$ocx" "${@/#/$build/}"
ov_wine_setup "$build"
work=$(mktemp -d "$build/wine-run.XXXXXX")
trap 'ov_wine_stop; rm -rf "$work"' EXIT
failed=0
fail() { echo "$*" >&2; failed=1; }
# export_classes <root> <file>: the root as text in <file>.txt (the export is UTF-16 with
# CRLF), without the installer's own product registration; a loaded machine may time an
# export out, so it is tried again before the run fails.
export_classes() {
    local root="$1" file="$2" attempt
    for attempt in 1 2 3; do
        rm -f "$file"
        if ov_wine reg export "$root" "$(ov_winepath "$file")" /y >/dev/null 2>&1 && [ -f "$file" ]; then
            iconv -f UTF-16LE -t UTF-8 "$file" | tr -d '\r' |
                awk '/^\[/ { skip = /^\[HKEY_CLASSES_ROOT\\Installer(\\|\])/ } !skip' > "$file.txt"
            return
        fi
    done
    : > "$file.txt"
    fail "could not export $root"
}
finish() {
    [ $failed -eq 0 ] || { echo "$run_name: FAILED" >&2; exit 1; }
    echo "$run_name: passed"
}
