#!/usr/bin/env bash
# Runs a command inside one Wine session: a booted prefix in the Windows build folder,
# a private Xvfb display and one persistent wineserver, all stopped by their own pid
# when the command ends, also when it fails or is interrupted. The command and
# everything it starts run without the right to set the clock.
# Usage: wine-session.sh WINDOWS_BUILD_DIR COMMAND [ARGS...]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"

[ $# -ge 2 ] || { echo "usage: $0 WINDOWS_BUILD_DIR COMMAND..." >&2; exit 2; }
tempiva_wine_env "$1"
shift

xvfb_pid=""
server_pid=""
cleanup()
{
    if [ -n "$server_pid" ]; then
        wineserver -k >/dev/null 2>&1
        kill "$server_pid" 2>/dev/null
        wait "$server_pid" 2>/dev/null
    fi
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Xvfb picks a display number nobody holds and writes it once it listens, so two sessions
# started at the same moment never share a display.
displayfile=$(mktemp)
"${TEMPIVA_NO_CLOCK[@]}" Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp -ac 5>"$displayfile" \
    >/dev/null 2>&1 &
xvfb_pid=$!
display=""
for _ in $(seq 1 200); do
    display=$(head -n 1 "$displayfile")
    [ -n "$display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.05
done
rm -f "$displayfile"
[ -n "$display" ] || { echo "wine-session: Xvfb did not start" >&2; exit 1; }
display=":$display"
export DISPLAY="$display"

"${TEMPIVA_NO_CLOCK[@]}" bash -c '. "$1/wine-env.sh"; tempiva_wine_boot' _ "$here" || {
    echo "wine-session: wineboot failed" >&2; exit 1; }
"${TEMPIVA_NO_CLOCK[@]}" wineserver -f -p &
server_pid=$!
"${TEMPIVA_NO_CLOCK[@]}" bash -c '. "$1/wine-env.sh"; tempiva_wine_managed N' _ "$here" || {
    echo "wine-session: could not set up the prefix for a display without a window manager" >&2; exit 1; }

export TEMPIVA_WINE_SESSION=1
"${TEMPIVA_NO_CLOCK[@]}" "$@"
