# Sourced by a wine run of the Win64 build: `. wine_run.sh <win64-build-dir> <name> <file>...`
# checks that the OCX and the files (paths in the build) are built, starts the build's Wine
# prefix and sets repo, build, ocx and work, a folder removed at the end; fail marks the run
# failed and finish ends it with its name and verdict.
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
finish() {
    [ $failed -eq 0 ] || { echo "$run_name: FAILED" >&2; exit 1; }
    echo "$run_name: passed"
}
