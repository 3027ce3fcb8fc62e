#!/usr/bin/env bash
# Times `orbitek-calc --batch` as whole processes against two yardsticks on the same seeded motors:
# bench/batch_numpy.py, the same computation fully vectorised with NumPy and written as the same
# rows (run with the system's /usr/bin/python3), and "today's" orbitek-calc, an older build given
# as BASE_CALC (leave it unset to skip it). For each count (100,000 and 1,000,000 motors;
# BATCH_COUNTS to change) it makes BATCH_RUNS rounds (default 3); in each round, for every format,
# the peer, today's program and ours run in turn, with one job and with one per processor, so that
# each ratio is taken between runs next to each other. The readings form runs on the same motors
# written as measured readings (one test at rated voltage, delta connected with three phases).
#
# Every run's CPU time (user + system) is divided by its yardstick's in the same round; the table
# gives the minimum, median and maximum of these ratios, the CPU seconds of ours (median), its
# largest resident size and its minor page faults per million motors (median). On a machine shared
# with other work the CPU time ratio is the steadier figure. JSON is set against the peer that writes
# the same keys with 17 significant digits (the batch writes 21), the readings form also against the
# first form of ours on the same motors.
#
# Usage: BASE_CALC=path/to/old/orbitek-calc bench/batch.sh [BUILD_DIR]   (default build; builds
# orbitek-calc first). Each run's output of ours is compared with today's, byte for byte.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
calc=$build/cli/orbitek-calc
base=${BASE_CALC:-}
counts=${BATCH_COUNTS:-100000 1000000}
runs=${BATCH_RUNS:-3}
cmake --build "$build" --target orbitek-calc >/dev/null
[ -x /usr/bin/time ] || { echo "needs /usr/bin/time (Debian package time; scripts/setup.sh installs it)" >&2; exit 1; }
/usr/bin/python3 -c 'import numpy' 2>/dev/null ||
    { echo "needs NumPy for /usr/bin/python3 (Debian package python3-numpy; scripts/setup.sh installs it)" >&2; exit 1; }
[ -z "$base" ] || [ -x "$base" ] || { echo "BASE_CALC '$base' is no program" >&2; exit 1; }
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

# The same motors as measured readings: both tests at the rated voltage Uf, 50 Hz, the resistance
# per phase; with three phases delta connected, so the line currents are √3 times the phase currents.
as_readings() {
    awk -F'\t' 'NR == 1 { print "un\tconnection\tf\tpoles\tphases\tu0\ti0\tp0\tuk\tik\tpk\tr1\tr1kind"; next }
    {
        m = $7; line = m == 3 ? sqrt(3) : 1
        printf "%d\tdelta\t50\t%d\t%d\t%d\t%.4f\t%.4f\t%d\t%.4f\t%.4f\t%s\tphase\n", $5, $8, m, $5, $1 * line,
            m * $5 * $1 * $2, $5, $3 * line, m * $5 * $3 * $4, $6
    }'
}

# Runs a command with its output to a file and sets `cpu` (seconds), `rss` (kB) and `faults` (minor
# page faults); exit status 2 (motors not accepted) is expected, anything else ends the benchmark.
timed() {
    local output=$1
    shift
    local status=0
    /usr/bin/time -q -f '%U %S %M %R' -o "$work/time" env LANG=C "$@" >"$output" 2>"$work/stderr" || status=$?
    if [ "$status" -ne 0 ] && [ "$status" -ne 2 ]; then
        cat "$work/stderr" >&2
        exit 1
    fi
    read -r user system rss faults <"$work/time"
    cpu=$(awk -v u="$user" -v s="$system" 'BEGIN { printf "%.2f", u + s }')
}

jobs=$(nproc)
results=$work/results # count case jobs round cpu ratio-to-peer ratio-to-today rss faults
: >"$results"
for count in $counts; do
    generate "$count" >"$work/motors.tsv"
    as_readings <"$work/motors.tsv" >"$work/readings.tsv"
    for run in $(seq "$runs"); do
        for format in text csv json readings; do
            input=$work/motors.tsv
            calcFormat=$format
            peerCpu=
            if [ "$format" = readings ]; then
                input=$work/readings.tsv
                calcFormat=text
            else
                timed "$work/peer.out" /usr/bin/python3 bench/batch_numpy.py "$input" --format "$format"
                peerCpu=$cpu
            fi
            for j in 1 "$jobs"; do
                baseCpu=
                if [ -n "$base" ]; then
                    timed "$work/base.out" "$base" --batch "$input" --format "$calcFormat" --jobs "$j"
                    baseCpu=$cpu
                fi
                timed "$work/ours.out" "$calc" --batch "$input" --format "$calcFormat" --jobs "$j"
                if [ -n "$base" ] && ! cmp -s "$work/ours.out" "$work/base.out"; then
                    echo "$format with $j jobs: the output differs from today's program" >&2
                    exit 1
                fi
                if [ "$format" = readings ]; then # against the first form of ours, same motors, same jobs
                    oursCpu=$cpu oursRss=$rss oursFaults=$faults
                    timed "$work/first.out" "$calc" --batch "$work/motors.tsv" --format text --jobs "$j"
                    peerCpu=$cpu cpu=$oursCpu rss=$oursRss faults=$oursFaults
                fi
                echo "$count $format $j $run $cpu ${peerCpu:--} ${baseCpu:--} $rss $faults" >>"$results"
            done
        done
    done
done

# One line per count, form and jobs: min/median/max over the rounds.
awk -v counts="$counts" '
function sorted(list, n,    i, j, t) {
    for (i = 2; i <= n; i++)
        for (j = i; j > 1 && list[j - 1] > list[j]; j--) { t = list[j]; list[j] = list[j - 1]; list[j - 1] = t }
}
function spread(key, what,    n, i, list, parts) {
    n = split(values[key, what], parts, " ")
    if (n == 0 || parts[1] == "-")
        return "-"
    for (i = 1; i <= n; i++) list[i] = parts[i] + 0
    sorted(list, n)
    return sprintf("%.2f/%.2f/%.2f", list[1], list[int((n + 1) / 2)], list[n])
}
function median(key, what,    n, i, list, parts) {
    n = split(values[key, what], parts, " ")
    for (i = 1; i <= n; i++) list[i] = parts[i] + 0
    sorted(list, n)
    return list[int((n + 1) / 2)]
}
function add(key, what, v) { values[key, what] = values[key, what] (values[key, what] == "" ? "" : " ") v }
{
    key = $1 SUBSEP $2 SUBSEP $3
    if (!(key in seen)) { seen[key] = 1; order[++keys] = key }
    add(key, "cpu", $5)
    add(key, "peer", $6 == "-" ? "-" : ($6 > 0 ? $5 / $6 : 0))
    add(key, "base", $7 == "-" ? "-" : ($7 > 0 ? $5 / $7 : 0))
    if ($8 > rss[key]) rss[key] = $8
    add(key, "faults", $9 / $1 * 1000000)
}
END {
    printf "%-9s %-8s %-4s %8s  %-20s %-20s %8s %12s\n", "motors", "form", "jobs", "CPU s", \
        "to NumPy min/med/max", "to today min/med/max", "RSS kB", "faults/1M"
    for (i = 1; i <= keys; i++) {
        split(order[i], k, SUBSEP)
        printf "%-9s %-8s %-4s %8.2f  %-20s %-20s %8d %12d\n", k[1], k[2], k[3], median(order[i], "cpu"), \
            spread(order[i], "peer"), spread(order[i], "base"), rss[order[i]], median(order[i], "faults")
    }
    print "(readings: the NumPy column is the ratio to the first form of ours on the same motors)"
}' "$results"
