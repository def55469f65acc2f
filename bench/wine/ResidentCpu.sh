#!/usr/bin/env bash
# CPU time the resident Tempiva uses in one minute with the panel closed and with it open
# (pointer resting on it), read from the host's /proc for the Wine process. Run inside a
# Wine session: tools/wine-session.sh build/windows bench/wine/ResidentCpu.sh build/windows
set -uo pipefail
build=$(cd "$1" && pwd)
repo=$(cd "$(dirname "$0")/../.." && pwd)
seconds=${2:-60}
rundir=$(mktemp -d)
trap 'kill "$tempiva" 2>/dev/null; rm -rf "$rundir"' EXIT
cp "$build/Tempiva.exe" "$repo/res/defaults/TimeTable.ini" "$repo/res/defaults/Holiday.ini" "$rundir/"
remote() { env LC_ALL=ja_JP.UTF-8 timeout 90 wine "$build/tempiva_remote.exe" "$1" </dev/null >/dev/null 2>&1; }

(cd "$rundir" && exec env LC_ALL=ja_JP.UTF-8 wine ./Tempiva.exe </dev/null >/dev/null 2>&1) &
tempiva=$!
remote wait || { echo "no main dialog"; exit 1; }
pid=$(pgrep -f "$(basename "$rundir").*Tempiva.exe" | head -1)
[ -n "$pid" ] || pid=$(pgrep -n -f 'Tempiva.exe')
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
hz=$(getconf CLK_TCK)
measure() {
    local before after
    before=$(ticks); sleep "$seconds"; after=$(ticks)
    awk -v d=$((after - before)) -v hz="$hz" 'BEGIN { printf "%.2f", d / hz }'
}
sleep 5
closed=$(measure)
remote hotkey
remote hover
sleep 1
open=$(measure)
echo "resident CPU in ${seconds} s: panel closed ${closed} s, panel open ${open} s (pid $pid)"
remote exit
