#!/usr/bin/env bash
# Resident for months: 1,000 hot-key panels with their calendar, then 200 notices, in the
# real main dialog (soak_probe.exe), read through Wine's own traces. Fails when, between the
# early and the late marks of either run, the creation hook chain grows (the number of hook
# calls a window's creation makes), a window class is registered, the live GDI objects grow,
# or the private memory grows by more than a heap's slack.
# Usage: SoakTest.sh WINDOWS_BUILD_DIR [CYCLES NOTICES]
set -uo pipefail
build=$1
cycles=${2:-1000}
notices=${3:-200}
slack_kb=256
[ -n "${TEMPIVA_WINE_SESSION:-}" ] || { echo "FAIL: run inside tools/wine-session.sh"; exit 1; }

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
# Only the lines that count go to the file; the traces of a run are hundreds of megabytes.
mkfifo "$dir/traces"
grep --line-buffered -E 'soak-mark|WH_CBT code 3 |RegisterClassExWOW.*atom=|gdi_handle|Too many hooks' \
    <"$dir/traces" >"$dir/trace" 2>/dev/null &
filter=$!
WINEDEBUG=+pid,trace+hook,warn+hook,trace+class,trace+gdi env LC_ALL=ja_JP.UTF-8 \
    wine "$build/soak_probe.exe" "$cycles" "$notices" 10 20 $((notices - 10)) "$notices" \
    $((cycles - 10)) "$cycles" </dev/null >/dev/null 2>"$dir/traces"
status=$?
# The desktop process Wine started keeps a copy of our error stream open, so the filter
# sees no end of it; it has written every line it got by now.
sleep 1
kill "$filter" 2>/dev/null
wait "$filter" 2>/dev/null
[ $status -eq 0 ] || { echo "FAIL: soak_probe.exe ended with $status"; exit 1; }

awk -v slack="$slack_kb" '
$1 == "soak-mark" {
    pid = $2
    key = $3 " " $4
    depth[key] = segDepth; classes[key] = segClasses; gdi[key] = live; mem[key] = $5
    order[++n] = key
    segDepth = 0; segClasses = 0; delete calls
    next
}
# Only our own process: the desktop and the services print their traces too.
pid != "" && index($1, pid ":") != 1 { next }
/Too many hooks/ { tooMany++ }
/WH_CBT code 3 / { for (i = 1; i <= NF; i++) if ($i == "wp") w = $(i + 1); if (++calls[w] > segDepth) segDepth = calls[w] }
/RegisterClassExWOW/ { segClasses++ }
/gdi_handle/ { for (i = 1; i <= NF; i++) if ($i ~ /^[0-9]+\/[0-9]+$/) { split($i, a, "/"); live = a[1] } }
END {
    bad = 0
    if (tooMany) { print "the hook chain grew past Wine'"'"'s depth of 25 (" tooMany " warnings)"; bad = 1 }
    for (r = 0; r < 2; r++) {
        what = r == 0 ? "cycles" : "notices"
        first = ""; last = ""
        for (k = 1; k <= n; k++) if (index(order[k], what " ") == 1) { if (first == "") first = order[k]; last = order[k] }
        if (first == "") { print "no marks for " what; bad = 1; continue }
        # The segment after the first mark is the early one; the one ending at the last is late.
        for (k = 1; k <= n; k++) if (order[k] == first) early = order[k + 1]
        newClasses = 0
        for (k = 1; k <= n; k++) if (index(order[k], what " ") == 1 && order[k] != first) newClasses += classes[order[k]]
        printf "%s: after %s and %s: hook calls per creation %d and %d, live GDI objects %d and %d, private %d KB and %d KB; classes registered in between %d\n",
            what, first, last, depth[early], depth[last], gdi[first], gdi[last], mem[first], mem[last], newClasses
        if (depth[last] > depth[early]) { print "FAIL: the creation hook chain grew"; bad = 1 }
        if (newClasses > 0) { print "FAIL: window classes were registered per use"; bad = 1 }
        if (gdi[last] > gdi[first]) { print "FAIL: live GDI objects grew"; bad = 1 }
        if (mem[last] > mem[first] + slack) { print "FAIL: private memory grew"; bad = 1 }
    }
    if (!bad) print "PASS"
    exit bad
}' "$dir/trace"
