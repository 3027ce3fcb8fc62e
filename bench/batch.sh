#!/usr/bin/env bash
# Times `orbitek-calc --batch` on 10,000 and 100,000 generated motors in each output format, written
# to /dev/null under /usr/bin/time -v, and prints motors per second and the maximum resident size.
# Targets: text and CSV over 100,000 motors/s, JSON over 50,000; the same resident size for both counts.
# Usage: bench/batch.sh [BUILD_DIR]   (default build; builds orbitek-calc first)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
calc=$build/cli/orbitek-calc
cmake --build "$build" --target orbitek-calc >/dev/null
[ -x /usr/bin/time ] || { echo "needs /usr/bin/time (Debian package time; scripts/setup.sh installs it)" >&2; exit 1; }
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

printf '%-8s %-5s %10s %14s %12s  %s\n' motors format seconds "motors/s" "max RSS kB" "not accepted"
for count in 10000 100000; do
    generate "$count" >"$work/motors.tsv"
    for format in text csv json; do
        status=0
        /usr/bin/time -v -o "$work/time" env LANG=C "$calc" --batch "$work/motors.tsv" --format "$format" \
            >/dev/null 2>"$work/stderr" || status=$?
        if [ "$status" -ne 0 ] && [ "$status" -ne 2 ]; then
            cat "$work/stderr" >&2
            exit 1
        fi
        # "Elapsed (wall clock) time (h:mm:ss or m:ss): 0:01.23"
        seconds=$(awk -F': ' '/Elapsed \(wall clock\)/ { n = split($2, p, ":"); s = 0; for (i = 1; i <= n; i++) s = s * 60 + p[i]; print s }' "$work/time")
        rss=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$work/time")
        rate=$(awk -v n="$count" -v s="$seconds" 'BEGIN { printf "%d", (s > 0 ? n / s : 0) }')
        rejected=$(grep -o 'nepřijato [0-9]*' "$work/stderr" | grep -o '[0-9]*' || echo 0)
        printf '%-8s %-5s %10s %14s %12s  %s\n' "$count" "$format" "$seconds" "$rate" "$rss" "$rejected"
    done
done
