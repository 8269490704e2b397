#!/usr/bin/env bash
# Builds one libFuzzer target in its own clang tree and runs it over the seed corpus kept in
# the tree; what it finds new goes to a corpus inside the build tree, never into the seeds.
#   run_fuzz.sh <fuzz-build-dir> <record|bag_reader> [libFuzzer options...]
set -euo pipefail
[ $# -ge 2 ] || { echo "usage: $0 <fuzz-build-dir> <record|bag_reader> [libFuzzer options...]" >&2; exit 2; }
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$1 target=$2
shift 2
[ -f "$build/CMakeCache.txt" ] || cmake -S "$repo" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DOV_FUZZ=ON >/dev/null
cmake --build "$build" -j"${JOBS:-2}" --target "ov_${target}_fuzz" >/dev/null
found="$build/corpus/$target"
mkdir -p "$found"
# A crash, a leak, a sanitizer report or a timeout ends the run with a failure and leaves
# the input in the build tree.
"$build/tests/fuzz/ov_${target}_fuzz" -timeout=10 -rss_limit_mb=2048 -artifact_prefix="$build/" \
    -print_final_stats=1 "$@" "$found" "$repo/tests/fuzz/corpus/$target"
