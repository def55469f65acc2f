#!/usr/bin/env bash
# Resident and private memory of an idle Tempiva (hot key never pressed) against the minimal
# resident program, both started by resident_timing.exe in one run, read from the host's /proc
# of their Wine processes; and each one's start-up time. RUNS runs (default 3), then medians.
# Run inside a Wine session: tools/wine-session.sh build/windows bench/wine/ResidentMemory.sh build/windows [RUNS]
set -uo pipefail
build=$(cd "$1" && pwd)
runs=${2:-3}
settle=10
out=$(mktemp)
trap 'rm -f "$out"' EXIT

# The Wine process of this session whose command line names the folder.
find_pid() {
    local pid
    for pid in $(pgrep -f "$1.*Tempiva.exe"); do
        if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX"; then
            echo "$pid"
            return
        fi
    done
}
rss_kb() { awk '$1 == "VmRSS:" { print $2 }' "/proc/$1/status"; }
private_kb() { awk '$1 == "Private_Clean:" || $1 == "Private_Dirty:" { s += $2 } END { print s }' "/proc/$1/smaps_rollup"; }
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

rows=()
for run in $(seq 1 "$runs"); do
    : >"$out"
    env LC_ALL=ja_JP.UTF-8 wine "$build/resident_timing.exe" </dev/null >"$out" 2>&1 &
    driver=$!
    for _ in $(seq 1 600); do grep -q '^ready' "$out" && break; sleep 0.1; done
    grep -q '^ready' "$out" || { echo "resident_timing did not start both programs:"; cat "$out"; exit 1; }
    read -r _ tempiva_dir minimal_dir < <(grep '^folders:' "$out" | tr -d '\r')
    tempiva_name=$(basename "${tempiva_dir//\\//}")
    minimal_name=$(basename "${minimal_dir//\\//}")
    tempiva_pid=$(find_pid "$tempiva_name")
    minimal_pid=$(find_pid "$minimal_name")
    [ -n "$tempiva_pid" ] && [ -n "$minimal_pid" ] || { echo "no Wine process found"; exit 1; }
    sleep "$settle"
    startup=$(grep '^start-up' "$out" | tr -d '\r' | awk '{ print $5, $8 }')
    rows+=("$(rss_kb "$tempiva_pid") $(private_kb "$tempiva_pid") $(rss_kb "$minimal_pid") $(private_kb "$minimal_pid") $startup")
    # The driver ends both programs once this file is there.
    touch "$(find "$WINEPREFIX/drive_c" -maxdepth 6 -type d -name "$tempiva_name" | head -n 1)/done"
    wait "$driver"
done

printf '%s\n' "${rows[@]}" | awk '{ printf "run: Tempiva RSS %.1f MB, private %.1f MB; minimal RSS %.1f MB, private %.1f MB; start-up %s ms against %s ms\n", $1 / 1024, $2 / 1024, $3 / 1024, $4 / 1024, $5, $6 }'
col() { printf '%s\n' "${rows[@]}" | awk -v c="$1" '{ print $c }' | median; }
rss=$(col 1); private=$(col 2); min_rss=$(col 3); min_private=$(col 4)
echo "median of $runs: Tempiva RSS $(awk -v a="$rss" 'BEGIN { printf "%.1f", a / 1024 }') MB" \
     "against $(awk -v a="$min_rss" 'BEGIN { printf "%.1f", a / 1024 }') MB" \
     "($(awk -v a="$rss" -v b="$min_rss" 'BEGIN { printf "%.2f", a / b }')x)," \
     "private $(awk -v a="$private" 'BEGIN { printf "%.1f", a / 1024 }') MB" \
     "against $(awk -v a="$min_private" 'BEGIN { printf "%.1f", a / 1024 }') MB" \
     "($(awk -v a="$private" -v b="$min_private" 'BEGIN { printf "%.2f", a / b }')x);" \
     "start-up $(col 5) ms against $(col 6) ms"
