#!/usr/bin/env bash
# Unpacks chronyd and ntpdig (with the Python module ntpdig needs) into the build folder for
# the NTP peer test, without installing them: the chrony package would take the place of
# this machine's own time service. Safe to run again: it does nothing once unpacked.
# Usage: peer-tools.sh BUILD_DIR      (the tools land in BUILD_DIR/peer-tools/root)
set -euo pipefail
[ $# -eq 1 ] || { echo "usage: $0 BUILD_DIR" >&2; exit 2; }
mkdir -p "$1"
dest=$(cd "$1" && pwd)/peer-tools
root="$dest/root"
[ -f "$dest/.unpacked" ] && exit 0

rm -rf "$dest"
mkdir -p "$dest/debs" "$root"
debs=(chrony ntpsec-ntpdig python3-ntp)
# apt-get download writes as the _apt user where it can; a root-owned folder is fine too.
if ! (cd "$dest/debs" && apt-get download "${debs[@]}" >/dev/null 2>&1); then
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO=sudo
    $SUDO apt-get update -qq
    (cd "$dest/debs" && apt-get download "${debs[@]}" >/dev/null 2>&1)
fi
for deb in "$dest"/debs/*.deb; do
    dpkg-deb -x "$deb" "$root"
done
# ntp's Python module looks for its C library beside itself first.
lib=$(find "$root/usr/lib" -name 'libntpc.so.*.*' | head -n 1)
cp "$lib" "$root/usr/lib/python3/dist-packages/ntp/libntpc.so"
echo "peer-tools: unpacked ${debs[*]} into $root"
touch "$dest/.unpacked"
