#!/usr/bin/env bash
# CTest's emulator for the Windows build: runs one .exe under Wine, without the right
# to set the clock, and ends it if it hangs. Outside a session it opens its own.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"

[ $# -ge 1 ] || { echo "usage: $0 PROGRAM.exe [ARGS...]" >&2; exit 2; }

if [ -z "${TEMPIVA_WINE_SESSION:-}" ]; then
    dir=$(cd "$(dirname "$1")" && pwd)
    while [ "$dir" != / ] && [ ! -f "$dir/CMakeCache.txt" ]; do dir=$(dirname "$dir"); done
    [ -f "$dir/CMakeCache.txt" ] || { echo "wine-run: no build folder above $1" >&2; exit 2; }
    exec "$here/wine-session.sh" "$dir" "$0" "$@"
fi

tempiva_wine_env "$TEMPIVA_WINDOWS_BUILD"
# Output goes through a file: Wine's helper processes (services, explorer) inherit the
# program's stdout and outlive it, and CTest would wait for them to close its pipe.
out=$(mktemp)
trap 'rm -f "$out"' EXIT
"${TEMPIVA_NO_CLOCK[@]}" timeout --kill-after=10 "${TEMPIVA_WINE_TIMEOUT:-600}" \
    "${TEMPIVA_WINE[@]}" "$@" >"$out" 2>&1 </dev/null
rc=$?
cat "$out"
exit $rc
