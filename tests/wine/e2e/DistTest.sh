#!/usr/bin/env bash
# The release package: packed by tools/dist.sh as `make dist` packs it, it holds exactly the
# four files, and unpacked into an empty folder it starts under Wine, writes its settings beside
# itself at the first run's greeting and ends with 0 on EXIT. Runs inside the test session.
# Usage: DistTest.sh REPO WINDOWS_BUILD_DIR PRODUCT_VERSION   (as the resource has it: "1, 3, 0, 0")
set -uo pipefail
repo=$1
build=$2
expected=$(printf '%s' "$3" | tr -d ' ' | tr ',' '.')
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*"
    if [ -n "${tempiva:-}" ]; then
        kill "$tempiva" 2>/dev/null
        cat "$work/wine.log"
    fi
    exit 1
}
remote() { env LC_ALL=ja_JP.UTF-8 timeout 90 wine "$build/tempiva_remote.exe" "$1" </dev/null >/dev/null 2>&1; }

"$repo/tools/dist.sh" "$build" "$work/out" >"$work/dist.log" 2>&1 || { cat "$work/dist.log"; fail "dist.sh"; }
packages=("$work"/out/*)
[ ${#packages[@]} -eq 1 ] || fail "more than one file made: ${packages[*]}"
name=$(basename "${packages[0]}")
[ "$name" = "Tempiva-$expected-win64.zip" ] || fail "package named $name, not after version $expected"

listing=$(unzip -Z1 "${packages[0]}" | sort | tr '\n' ' ')
[ "$listing" = "Holiday.ini README.txt Tempiva.exe TimeTable.ini " ] || fail "package holds: $listing"
mkdir "$work/unpacked"
unzip -q "${packages[0]}" -d "$work/unpacked" || fail "unzip"
for file in TimeTable.ini Holiday.ini; do
    cmp -s "$repo/res/defaults/$file" "$work/unpacked/$file" || fail "$file is not the default one"
done
grep -q "Tempiva $expected" "$work/unpacked/README.txt" || fail "README.txt does not name the version"

# Wine's helper processes may outlive the program and keep its output open: it goes to a file.
(cd "$work/unpacked" && exec env LC_ALL=ja_JP.UTF-8 timeout 120 wine ./Tempiva.exe </dev/null >"$work/wine.log" 2>&1) &
tempiva=$!
remote wait || fail "no main dialog after the greeting"
[ -f "$work/unpacked/Tempiva.ini" ] || fail "the greeting's settings are not written beside the exe"
remote exit || fail "EXIT could not be sent"
wait "$tempiva"
rc=$?
[ "$rc" -eq 0 ] || fail "the unpacked program ended with $rc"
echo "PASS: $name unpacked into an empty folder greets the first run and ends on EXIT"
