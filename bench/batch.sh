#!/usr/bin/env bash
# Times `orbitek-calc --batch` against bench/batch_numpy.py, the same computation vectorised with
# NumPy and run with the system's /usr/bin/python3, on the same seeded motor files. For each count
# (100,000 and 1,000,000 motors; BATCH_COUNTS to change) it makes BATCH_RUNS interleaved runs (default
# 3): NumPy once, then orbitek-calc in every format with one job and with one per processor. Each
# line gives wall and CPU seconds, motors per second, the maximum resident size and the ratios of the
# run's wall and CPU time to NumPy's in the same round (below 1: faster than NumPy); on a machine
# shared with other work the CPU time ratio is the steadier one.
# Targets at 1,000,000 motors: text and CSV with one job at most 0.67 of NumPy's time and faster
# again with more jobs, JSON at most 1.0; the resident size the same for both counts.
# Usage: bench/batch.sh [BUILD_DIR]   (default build; builds orbitek-calc first)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
calc=$build/cli/orbitek-calc
counts=${BATCH_COUNTS:-100000 1000000}
runs=${BATCH_RUNS:-3}
cmake --build "$build" --target orbitek-calc >/dev/null
[ -x /usr/bin/time ] || { echo "needs /usr/bin/time (Debian package time; scripts/setup.sh installs it)" >&2; exit 1; }
/usr/bin/python3 -c 'import numpy' 2>/dev/null ||
    { echo "needs NumPy for /usr/bin/python3 (Debian package python3-numpy; scripts/setup.sh installs it)" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Seeded motors over the accepted ranges, typed with '.' as the C locale wants; R1f is a share of
# Rf = Uf / Ik · cos φk, so that nearly every motor is accepted and goes through the whole calculation.
generate() {
    awk -v n="$1" 'BEGIN {
        srand(20261211)
        print "i0\tcos0\tik\tcosk\tuf\tr1\tphases\tpoles"
        for (m = 0; m < n; m++) {
            i0 = 1 + int(rand() * 200000) / 1000
            cos0 = (1 + int(rand() * 40)) / 100
            ik = int(i0 * (3 + rand() * 7)) + 1
            if (ik > 1000) ik = 1000
            cosk = cos0 + (1 + int(rand() * (99 - cos0 * 100))) / 100
            uf = 100 + int(rand() * 900)
            r1 = int(uf / ik * cosk * (0.2 + rand() * 0.6) * 10000) / 10000
            if (r1 < 0.05) r1 = 0.05
            printf "%.3f\t%.2f\t%d\t%.2f\t%d\t%.4f\t%d\t%d\n", i0, cos0, ik, cosk, uf, r1, rand() < 0.5 ? 1 : 3, 2 + 2 * int(rand() * 10)
        }
    }'
}

# Runs a command with its output to a file and sets `seconds` and `rss` (kB); exit status 2 (motors
# not accepted) is expected, anything else ends the benchmark.
timed() {
    local output=$1
    shift
    local status=0
    /usr/bin/time -q -f '%e %U %S %M' -o "$work/time" env LANG=C "$@" >"$output" 2>"$work/stderr" || status=$?
    if [ "$status" -ne 0 ] && [ "$status" -ne 2 ]; then
        cat "$work/stderr" >&2
        exit 1
    fi
    read -r seconds user system rss <"$work/time"
    cpu=$(awk -v u="$user" -v s="$system" 'BEGIN { printf "%.2f", u + s }')
}

jobs=$(nproc)
printf '%-8s %-3s %-6s %-4s %8s %8s %10s %8s %s\n' motors run format jobs seconds "CPU s" "motors/s" "RSS kB" \
    "ratio to NumPy: time, CPU time"
for count in $counts; do
    generate "$count" >"$work/motors.tsv"
    for run in $(seq "$runs"); do
        timed "$work/numpy.out" /usr/bin/python3 bench/batch_numpy.py "$work/motors.tsv"
        numpy=$seconds
        numpyCpu=$cpu
        printf '%-8s %-3s %-6s %-4s %8s %8s %10d %8s\n' "$count" "$run" numpy 1 "$numpy" "$cpu" \
            "$(awk -v n="$count" -v s="$numpy" 'BEGIN { print int(s > 0 ? n / s : 0) }')" "$rss"
        for format in text csv json; do
            for j in 1 "$jobs"; do
                timed "$work/$format.$j" "$calc" --batch "$work/motors.tsv" --format "$format" --jobs "$j"
                printf '%-8s %-3s %-6s %-4s %8s %8s %10d %8s %.3f %.3f\n' "$count" "$run" "$format" "$j" "$seconds" \
                    "$cpu" "$(awk -v n="$count" -v s="$seconds" 'BEGIN { print int(s > 0 ? n / s : 0) }')" "$rss" \
                    "$(awk -v a="$seconds" -v b="$numpy" 'BEGIN { print (b > 0 ? a / b : 0) }')" \
                    "$(awk -v a="$cpu" -v b="$numpyCpu" 'BEGIN { print (b > 0 ? a / b : 0) }')"
            done
            cmp -s "$work/$format.1" "$work/$format.$jobs" ||
                { echo "--jobs 1 and --jobs $jobs wrote different $format" >&2; exit 1; }
        done
    done
done
