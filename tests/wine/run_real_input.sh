#!/usr/bin/env bash
# The drag tests with real input: ov_wine_input_tests on an Xvfb of its own under Wine's
# x11 driver, with the Win64 OCX registered; its xdotool moves the X pointer over a form in
# the test's own process. Skips (exit 0, with the reason) only when Xvfb or xdotool is not
# installed.
#   run_real_input.sh <win64-build-dir> [gtest arguments...]
set -euo pipefail

build=$(cd "${1:?usage: run_real_input.sh <win64-build-dir> [gtest arguments...]}" && pwd)
shift
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
for tool in Xvfb xdotool; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: the real-input drag tests need $tool (make deps installs it)"
        exit 0
    fi
done
exec bash "$repo/tools/wine-x11-run.sh" "$build" "$build/tests/wine/ov_wine_input_tests.exe" "$@"
