#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build folder (or only those named) for a set time each,
# JOBS at a time, and prints how many inputs each tried. Fails when any target finds a crash,
# a sanitizer report or a broken property; the input is left in BUILD/findings/.
# Usage: fuzz.sh FUZZ_BUILD [SECONDS_EACH [JOBS [NAME...]]]     (default 300 s, 2 at a time)
set -uo pipefail
[ $# -ge 1 ] || { echo "usage: $0 FUZZ_BUILD [SECONDS_EACH [JOBS [NAME...]]]" >&2; exit 2; }
build=$(cd "$1" && pwd)
seconds=${2:-300}
jobs=${3:-2}
shift $(($# < 3 ? $# : 3))
programs=()
if [ $# -gt 0 ]; then
    for name in "$@"; do programs+=("$build/${name}Fuzz"); done
else
    programs=("$build"/*Fuzz)
fi
seeds=$(cd "$(dirname "$0")/../fuzz/seeds" && pwd)
mkdir -p "$build/findings"

# One target: its row of the table in findings/NAME.row, its output in findings/NAME.log.
fuzz_one()
{
    local name log rc result
    name=$(basename "$1" Fuzz)
    log="$build/findings/$name.log"
    mkdir -p "$build/corpus/$name"
    # Lines longer than this add only loop turns; 256 bytes hold every field and escape.
    "$1" -max_total_time="$seconds" -max_len=256 -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$build/findings/$name-" "$build/corpus/$name" "$seeds/$name" >"$log" 2>&1
    rc=$?
    result=clean
    [ $rc -eq 0 ] || result="FINDING (see $log)"
    printf '| %-12s | %12s | %8s | %6s | %s |\n' "$name" \
        "$(awk '$1 == "stat::number_of_executed_units:" { print $2 }' "$log")" \
        "$(awk '$1 == "stat::average_exec_per_sec:" { print $2 }' "$log")" \
        "$(ls "$build/corpus/$name" | wc -l)" "$result" >"$build/findings/$name.row"
    return $rc
}

status=0
running=0
for program in "${programs[@]}"; do
    fuzz_one "$program" &
    running=$((running + 1))
    if [ $running -ge "$jobs" ]; then
        wait -n || status=1
        running=$((running - 1))
    fi
done
while [ $running -gt 0 ]; do
    wait -n || status=1
    running=$((running - 1))
done

echo "fuzzing, ${seconds} s per target, ${jobs} at a time:"
echo "| target       |   executions | execs/s | corpus | result |"
echo "|--------------|--------------|---------|--------|--------|"
for program in "${programs[@]}"; do
    cat "$build/findings/$(basename "$program" Fuzz).row"
done
exit $status
