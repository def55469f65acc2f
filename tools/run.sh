#!/usr/bin/env bash
# Starts Tempiva under Wine: in the real $DISPLAY when one answers, else in a private Xvfb.
# The shipped TimeTable.ini and Holiday.ini are copied beside the exe only when missing, so
# a user's own files are never overwritten. Tempiva stays resident until EXIT.
# Usage: run.sh WINDOWS_BUILD_DIR [RUN_DIR]
# RUN_DIR (default: the build folder) is where Tempiva.exe runs and keeps its INI files.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(dirname "$here")
. "$here/wine-env.sh"

[ $# -ge 1 ] && [ $# -le 2 ] || { echo "usage: $0 WINDOWS_BUILD_DIR [RUN_DIR]" >&2; exit 2; }
build=$(cd "$1" && pwd)
[ -f "$build/Tempiva.exe" ] || { echo "run: $build/Tempiva.exe is not built" >&2; exit 1; }
rundir=$(cd "${2:-$build}" && pwd)
exe="$rundir/Tempiva.exe"
[ "$rundir" = "$build" ] || cp "$build/Tempiva.exe" "$exe"

for name in TimeTable.ini Holiday.ini; do
    if [ ! -e "$rundir/$name" ]; then
        cp "$repo/res/defaults/$name" "$rundir/$name"
        echo "run: copied the default $name beside Tempiva.exe"
    fi
done

cd "$rundir"
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    tempiva_wine_env "$build"
    "${TEMPIVA_NO_CLOCK[@]}" bash -c '. "$1/wine-env.sh"; tempiva_wine_boot
        [ -n "${TEMPIVA_WINE_SESSION:-}" ] || tempiva_wine_managed Y' _ "$here"
    # Setting the clock is left to the host: Wine would change the machine's clock for all.
    exec "${TEMPIVA_NO_CLOCK[@]}" "${TEMPIVA_WINE[@]}" "$exe"
fi
echo "run: no usable \$DISPLAY; Tempiva runs in a private Xvfb until EXIT or Ctrl+C"
exec "$here/wine-session.sh" "$build" env LC_ALL=ja_JP.UTF-8 wine "$exe"
