#!/usr/bin/env bash
# Fails when a tracked C++ file differs from what clang-format makes of it with the tree's
# own .clang-format, and names the files; `tools/check-format.sh --fix` rewrites them.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
if ! command -v clang-format >/dev/null; then
    if [ "$(id -u)" = 0 ]; then
        apt-get update >/dev/null || apt-get update >/dev/null
        DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends clang-format >/dev/null
    else
        echo "clang-format is missing; run as root: apt-get install -y clang-format" >&2
        exit 1
    fi
fi
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
    clang-format -i "${files[@]}"
    exit 0
fi
unformatted=$(clang-format --dry-run "${files[@]}" 2>&1 | grep -oE '^[^:]+:[0-9]+:[0-9]+: warning' | cut -d: -f1 | sort -u || true)
if [ -n "$unformatted" ]; then
    echo "Not formatted as .clang-format says (tools/check-format.sh --fix):" >&2
    echo "$unformatted" >&2
    exit 1
fi
echo "formatting: every C++ file as .clang-format says"
