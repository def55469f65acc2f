#!/usr/bin/env bash
# Packs the release: OUT_DIR/Tempiva-<version>-win64.zip with Tempiva.exe (stripped), the
# default TimeTable.ini and Holiday.ini, and README.txt in Japanese and English. The version
# is the one the resource script defines (TEMPIVA_VERSION in res/Tempiva.rc), written with dots.
# Usage: dist.sh WINDOWS_BUILD_DIR OUT_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(dirname "$here")

[ $# -eq 2 ] || { echo "usage: $0 WINDOWS_BUILD_DIR OUT_DIR" >&2; exit 2; }
build=$(cd "$1" && pwd)
[ -f "$build/Tempiva.exe" ] || { echo "dist: $build/Tempiva.exe is not built" >&2; exit 1; }
mkdir -p "$2"
out=$(cd "$2" && pwd)

rc="$repo/res/Tempiva.rc"
version=$(sed -n 's/^#define TEMPIVA_VERSION[[:space:]]\+//p' "$rc" | tr -d ' \r' | tr ',' '.')
[[ "$version" =~ ^[0-9]+(\.[0-9]+){3}$ ]] || { echo "dist: no TEMPIVA_VERSION in $rc" >&2; exit 1; }
zip="$out/Tempiva-$version-win64.zip"

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
x86_64-w64-mingw32-strip -o "$stage/Tempiva.exe" "$build/Tempiva.exe"
cp "$repo/res/defaults/TimeTable.ini" "$repo/res/defaults/Holiday.ini" "$stage/"
# Notepad on every Windows reads UTF-8 with a byte order mark; CRLF line ends for it too.
{ printf '\xEF\xBB\xBF'; sed -e "s/@VERSION@/$version/" -e 's/$/\r/' "$repo/res/dist/README.txt"; } \
    >"$stage/README.txt"

rm -f "$zip"
(cd "$stage" && zip -q -X "$zip" Tempiva.exe TimeTable.ini Holiday.ini README.txt)
echo "dist: $zip"
