#!/usr/bin/env bash
# Fails when a tracked C++ file differs from what clang-format makes of it.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if ! clang-format --dry-run --Werror "${files[@]}" 2>/tmp/orbitek-format.log; then
    grep -E '^[^ ].*: error' /tmp/orbitek-format.log | cut -d: -f1 | sort -u | sed 's/^/not formatted: /' >&2
    echo "Run: clang-format -i \$(git ls-files '*.cpp' '*.h')" >&2
    exit 1
fi
echo "clang-format: ${#files[@]} files formatted"
