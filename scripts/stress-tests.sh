#!/usr/bin/env bash
# Runs the window tests and the command-line tests again and again while two busy processes keep both
# processors occupied, as on a shared CI machine: a test that passes only on a quiet machine fails here.
#
#   scripts/stress-tests.sh [RUNS]      RUNS (or STRESS_RUNS) repetitions, default 10
#
# STRESS_BUILD_DIR names the build tree (default build, already built). Fails when any run fails and says
# which tests failed; the logs of failed runs are kept.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-${STRESS_RUNS:-10}}
build=${STRESS_BUILD_DIR:-build}
# The window tests (CTest label "window": Qt Test windows and the window program run as a process) and the
# command-line tests (label "cli"). The random walk alone would take most of the time: the ordinary test
# run has it once. STRESS_EXCLUDE replaces that exclusion (a CTest regular expression).
labels='^(window|cli)$'
exclude=${STRESS_EXCLUDE:-^MonkeyTest$}

if ! [[ $runs =~ ^[1-9][0-9]*$ ]]; then
    echo "stress-tests.sh: the number of runs must be a positive whole number, not '$runs'" >&2
    exit 2
fi
if [ ! -f "$build/CTestTestfile.cmake" ]; then
    echo "stress-tests.sh: no build in $build (build it first, e.g. scripts/build.sh $build)" >&2
    exit 2
fi
select=(-L "$labels" -E "$exclude")
count=$(ctest --test-dir "$build" -N "${select[@]}" | sed -n 's/^Total Tests: //p')
if [ "${count:-0}" -eq 0 ]; then
    echo "stress-tests.sh: no window or command-line test in $build" >&2
    exit 2
fi

busy=()
stop_busy() {
    local pid
    for pid in "${busy[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${busy[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
    busy=()
}
trap stop_busy EXIT
trap 'stop_busy; exit 130' INT
trap 'stop_busy; exit 143' TERM
for _ in 1 2; do
    yes >/dev/null &
    busy+=("$!")
done

export QT_QPA_PLATFORM=offscreen
log=$(mktemp -d "${TMPDIR:-/tmp}/orbitek-stress-XXXXXX")
failed=0
start=$SECONDS
echo "Stress: $count tests, $runs runs, beside ${#busy[@]} busy processes (logs in $log)"
for run in $(seq 1 "$runs"); do
    run_start=$SECONDS
    if ctest --test-dir "$build" "${select[@]}" -j "$(nproc)" --output-on-failure >"$log/run-$run.log" 2>&1; then
        echo "run $run/$runs: passed ($((SECONDS - run_start)) s)"
    else
        failed=$((failed + 1))
        echo "run $run/$runs: FAILED ($((SECONDS - run_start)) s):"
        sed -n '/tests failed out of/,$p' "$log/run-$run.log" | grep -E '^\s+[0-9]+ - ' || tail -20 "$log/run-$run.log"
    fi
done
echo "Stress: $((runs - failed)) of $runs runs passed in $((SECONDS - start)) s"
[ "$failed" -eq 0 ] && rm -rf "$log"
[ "$failed" -eq 0 ]
