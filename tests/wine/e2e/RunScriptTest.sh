#!/usr/bin/env bash
# The README's run command: Tempiva starts through tools/run.sh, stays resident, and ends
# with exit code 0 on EXIT, leaving its settings beside it. Runs inside the test session.
# Usage: RunScriptTest.sh REPO WINDOWS_BUILD_DIR
set -uo pipefail
repo=$1
build=$2
rundir=$(mktemp -d)
trap 'rm -rf "$rundir"' EXIT
remote() { env LC_ALL=ja_JP.UTF-8 timeout 90 wine "$build/tempiva_remote.exe" "$1" </dev/null >/dev/null 2>&1; }

"$repo/tools/run.sh" "$build" "$rundir" </dev/null >"$rundir/run.log" 2>&1 &
run_pid=$!
fail() { echo "FAIL: $*"; cat "$rundir/run.log"; kill "$run_pid" 2>/dev/null; exit 1; }

remote wait || fail "no main dialog appeared"
[ -f "$rundir/TimeTable.ini" ] && [ -f "$rundir/Holiday.ini" ] || fail "default INI files not copied"
sleep 3
kill -0 "$run_pid" 2>/dev/null || fail "Tempiva did not stay resident"
remote exit || fail "EXIT could not be sent"
for _ in $(seq 1 100); do
    kill -0 "$run_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$run_pid" 2>/dev/null && fail "Tempiva did not end after EXIT"
wait "$run_pid"
rc=$?
[ "$rc" -eq 0 ] || fail "run.sh ended with $rc"
grep -q 'USE_NTP=0' "$rundir/Tempiva.ini" || fail "settings not written at EXIT"
echo "PASS: resident until EXIT, settings written"
