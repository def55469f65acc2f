#!/usr/bin/env bash
# Our SNTP exchange against a real NTP server: chronyd serving its local clock on the
# loopback, asked in turn by ntpdig and by sntp_query.exe (CSntpClient under Wine). Both read
# this machine's clock, so ntpdig's offset is near 0; sntp_query's clock seam runs a chosen
# amount behind, which its offset must show on top of ntpdig's, for every exchange
# within half its round trip plus ntpdig's own error bound plus 1 ms (no pair of exchanges
# can know more; ntpdig, a Python program, is slow to answer on a busy machine). The 1 ms
# holds for the round whose two bounds together are the tightest. chronyd runs with -x and
# without CAP_SYS_TIME: it never adjusts this machine's clock. Runs inside the test session.
# Usage: ChronyPeerTest.sh WINDOWS_BUILD_DIR
set -uo pipefail
build=$1
# ntpdig has no option for the server's port, so chronyd takes NTP's own, bound to the
# loopback address only.
port=123
rounds=${ROUNDS:-6}
# How far our clock seam is set back in each round, in turn: behind, ahead and level.
lags=(12.345 -0.25 0)
no_clock=(setpriv --bounding-set -sys_time --inh-caps -sys_time)

dir=$(mktemp -d)
chrony_pid=""
cleanup()
{
    if [ -n "$chrony_pid" ]; then
        kill "$chrony_pid" 2>/dev/null
        wait "$chrony_pid" 2>/dev/null
    fi
    rm -rf "$dir"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; [ -f "$dir/chronyd.log" ] && cat "$dir/chronyd.log"; exit 1; }

[ -n "${TEMPIVA_WINE_SESSION:-}" ] || fail "run inside tools/wine-session.sh"
# Unpacked into the build folder by tools/peer-tools.sh, never installed.
tools="$build/peer-tools/root"
chronyd=("$tools/usr/sbin/chronyd")
ntpdig=(env PYTHONPATH="$tools/usr/lib/python3/dist-packages" /usr/bin/python3 "$tools/usr/bin/ntpdig")
[ -x "${chronyd[0]}" ] && [ -f "$tools/usr/bin/ntpdig" ] || fail "chronyd or ntpdig missing: run tools/peer-tools.sh $build"
if ss -Hlun "( sport = :$port )" | grep -q .; then
    fail "UDP port $port is taken on this machine; the test needs its own server there"
fi

cat >"$dir/chrony.conf" <<CONF
port $port
bindaddress 127.0.0.1
allow 127.0.0.1
local stratum 10
cmdport 0
bindcmdaddress /
pidfile $dir/chronyd.pid
driftfile $dir/chronyd.drift
CONF

# -u root: no change of user, so the files stay in our own folder; setpriv has already
# taken away the right to set the clock, and -x keeps chronyd from trying.
"${no_clock[@]}" "${chronyd[@]}" -x -d -u root -f "$dir/chrony.conf" >"$dir/chronyd.log" 2>&1 &
chrony_pid=$!

ntpdig_offset()
{
    "${no_clock[@]}" timeout 20 "${ntpdig[@]}" -j -t 2 127.0.0.1 2>>"$dir/ntpdig.log" \
        | sed -n 's/.*"offset":\([-+0-9.e]*\),"precision":\([-+0-9.e]*\).*"stratum":\([0-9]*\).*/\1 \3 \2/p'
}

# The server answers once its local reference is selected, usually at once.
ready=""
for _ in $(seq 1 20); do
    kill -0 "$chrony_pid" 2>/dev/null || fail "chronyd ended at start"
    read -r _ stratum _ <<<"$(ntpdig_offset)"
    if [ "${stratum:-}" = 10 ]; then ready=1; break; fi
    sleep 0.5
done
[ -n "$ready" ] || fail "chronyd did not answer as a stratum 10 server"
[ "$(cat "$dir/chronyd.pid" 2>/dev/null)" = "$chrony_pid" ] || fail "the server on port $port is not ours"

for round in $(seq 1 "$rounds"); do
    lag=${lags[$(((round - 1) % ${#lags[@]}))]}
    read -r theirs _ their_bound <<<"$(ntpdig_offset)"
    ours_line=$("${no_clock[@]}" env LC_ALL=ja_JP.UTF-8 timeout 60 wine "$build/sntp_query.exe" 127.0.0.1 "$port" \
        "$lag" </dev/null 2>/dev/null | tr -d '\r')
    ours=$(sed -n 's/.*offset=\([-0-9.]*\).*/\1/p' <<<"$ours_line")
    delay=$(sed -n 's/.*delay=\([-0-9.]*\).*/\1/p' <<<"$ours_line")
    wall=$(sed -n 's/.*wall_ms=\([0-9.]*\).*/\1/p' <<<"$ours_line")
    [ -n "$theirs" ] || fail "ntpdig got no answer in round $round"
    [ -n "$ours" ] || fail "sntp_query failed in round $round: $ours_line"
    echo "$round $ours $theirs $delay $wall $lag $their_bound" >>"$dir/rounds"
done

awk '
{
    d = $2 - $6 - $3; if (d < 0) d = -d
    bound = ($4 < 0 ? 0 : $4) / 2 + $7 + 0.001
    printf "round %d: clock seam set back %+.3f s: sntp_query offset %+.6f s (round trip %.3f ms, " \
           "exchange %.3f ms wall), ntpdig offset %+.6f s (+/- %.3f ms), difference %.3f ms%s\n",
           $1, $6, $2, $4 * 1000, $5, $3, $7 * 1000, d * 1000, (d > bound ? " BEYOND ITS BOUND" : "")
    if (d > bound) bad = 1
    if (best == "" || bound < bestBound) { best = $1; bestBound = bound; bestDiff = d }
}
END {
    printf "tightest bounds in round %d: difference %.3f ms\n", best, bestDiff * 1000
    if (bad || bestDiff >= 0.001) { print "FAIL: offsets disagree"; exit 1 }
    print "PASS: our offset and ntpdig'"'"'s agree within 1 ms"
}' "$dir/rounds"
exit $?
