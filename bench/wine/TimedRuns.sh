#!/usr/bin/env bash
# The timed Wine loops, each run REPEATS times (default 3): LCD draw, calendar paint, one
# notice step, and Tempiva's start-up and idle memory against the minimal resident program.
# Prints one line per figure: name<TAB>median<TAB>unit. Run inside a Wine session:
# tools/wine-session.sh build/windows bench/wine/TimedRuns.sh build/windows [REPEATS]
set -uo pipefail
build=$(cd "$1" && pwd)
repeats=${2:-3}
here=$(cd "$(dirname "$0")" && pwd)
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
run() { env LC_ALL=ja_JP.UTF-8 wine "$build/$1" </dev/null 2>/dev/null | tr -d '\r'; }

panel=$(for _ in $(seq 1 "$repeats"); do run panel_timing.exe; done)
calendar=$(for _ in $(seq 1 "$repeats"); do run calendar_timing.exe; done)
notice=$(for _ in $(seq 1 "$repeats"); do run notice_timing.exe; done)
printf 'LCD Draw\t%s\tus\n' "$(awk '/^Draw:/ { print $2 }' <<<"$panel" | median)"
printf 'LCD UpdateDigits + repaint\t%s\tus\n' "$(awk '/^Draw:/ { print $7 }' <<<"$panel" | median)"
printf 'calendar paint\t%s\tus\n' "$(awk '/^calendar Draw/ { print $4 }' <<<"$calendar" | median)"
printf 'notice step\t%s\tus\n' "$(awk '/^notice step:/ { print $3 }' <<<"$notice" | median)"

# "median of N: Tempiva RSS a MB against b MB (rx), private c MB against d MB (px); start-up e ms against f ms"
resident=$("$here/ResidentMemory.sh" "$build" "$repeats" | tail -n 1)
read -r rss min_rss rss_ratio private min_private private_ratio startup min_startup < <(
    awk '{ gsub(/[(),;x]/, ""); print $6, $9, $11, $13, $16, $18, $20, $23 }' <<<"$resident")
printf 'Tempiva idle RSS (minimal program)\t%s (%s)\tMB\n' "$rss" "$min_rss"
printf 'RSS ratio to the minimal program\t%s\tx\n' "$rss_ratio"
printf 'Tempiva idle private memory (minimal program)\t%s (%s)\tMB\n' "$private" "$min_private"
printf 'private memory ratio to the minimal program\t%s\tx\n' "$private_ratio"
printf 'start-up to resident (minimal program)\t%s (%s)\tms\n' "$startup" "$min_startup"
