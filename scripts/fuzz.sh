#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time from its seed corpus.
# FUZZ_SECONDS sets the time per target (default 30).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-30}
CC=clang CXX=clang++ scripts/build.sh build-fuzz -DORBITEK_FUZZ=ON

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for pair in FuzzTextToNumber:text_to_number FuzzFormatters:formatters FuzzAcceptance:acceptance FuzzBatch:batch FuzzOptions:options FuzzMotorFile:motor_file; do
    target=${pair%%:*}
    corpus=${pair##*:}
    mkdir -p "$work/$corpus"
    echo "== $target: ${seconds} s"
    # New inputs go to a scratch folder; the seed corpus in the tree stays as committed.
    if ! build-fuzz/fuzz/"$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
            -artifact_prefix="$work/" "$work/$corpus" "fuzz/corpus/$corpus" >"$work/$target.log" 2>&1; then
        tail -n 40 "$work/$target.log"
        echo "$target found a failing input (above)" >&2
        exit 1
    fi
    grep -E '^Done [0-9]+ runs' "$work/$target.log"
done
