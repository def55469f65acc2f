#!/usr/bin/env bash
# make bench: every host benchmark of a Release build (REPEATS repetitions, medians of CPU
# time) and the timed Wine loops (bench/wine/TimedRuns.sh, medians of 3 runs), in one table.
# Usage: bench.sh BENCH_BUILD WINDOWS_BUILD [REPEATS]     (default 5)
set -uo pipefail
[ $# -ge 2 ] || { echo "usage: $0 BENCH_BUILD WINDOWS_BUILD [REPEATS]" >&2; exit 2; }
bench=$(cd "$1" && pwd)
windows=$(cd "$2" && pwd)
repeats=${3:-5}
here=$(cd "$(dirname "$0")" && pwd)
rows=$(mktemp)
trap 'rm -f "$rows"' EXIT

for program in "$bench"/*Bench; do
    # CSV: name,iterations,real_time,cpu_time,time_unit,...; the name is quoted.
    "$program" --benchmark_repetitions="$repeats" --benchmark_report_aggregates_only=true \
        --benchmark_format=csv 2>/dev/null |
        awk -F, -v prog="$(basename "$program")" '$1 ~ /_median"$/ {
            name = $1; gsub(/"/, "", name); sub(/_median$/, "", name)
            value = $4; unit = $5
            if (unit == "ns" && value >= 1000) { value /= 1000; unit = "us" }
            if (unit == "us" && value >= 1000) { value /= 1000; unit = "ms" }
            printf "%s: %s\t%.*f\t%s\n", prog, name, value < 100 ? 1 : 0, value, unit }' >>"$rows"
done
"$here/wine-session.sh" "$windows" "$(dirname "$here")/bench/wine/TimedRuns.sh" "$windows" >>"$rows" ||
    echo "bench: the Wine runs failed" >&2

echo "Machine: $(lscpu | awk -F: '/^Model name/ { gsub(/^ +/, "", $2); print $2 }'), $(nproc) cores;" \
     "host: medians of $repeats repetitions (CPU time); Wine: medians of 3 runs (wall time)"
echo
echo "| measurement | median | unit |"
echo "|---|---:|---|"
awk -F'\t' '{ printf "| %s | %s | %s |\n", $1, $2, $3 }' "$rows"
