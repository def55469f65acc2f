#!/usr/bin/env bash
# Installs, only when missing, every Debian package the build, the tests and
# `make run` need. Safe to run again: it does nothing once all are present.
set -euo pipefail

packages=(
    build-essential cmake make git pkg-config
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-tools
    wine wine64 libwine
    xvfb xauth x11-utils
    fonts-ipafont-gothic fonts-ipafont-mincho
    googletest libgtest-dev libbenchmark-dev
    util-linux imagemagick
    chrony ntpsec-ntpdig iproute2
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "setup: installing ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO=sudo
fi
export DEBIAN_FRONTEND=noninteractive
# chrony's install would start the system's chronyd, which steers this machine's clock; the
# tests run their own with -x. Without a policy that forbids starting services, lay one for
# the install only.
if [ ! -e /usr/sbin/policy-rc.d ]; then
    printf '#!/bin/sh\nexit 101\n' | $SUDO tee /usr/sbin/policy-rc.d >/dev/null
    $SUDO chmod 755 /usr/sbin/policy-rc.d
    trap '$SUDO rm -f /usr/sbin/policy-rc.d' EXIT
fi
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"

# Nor may the system's chronyd start at the next boot.
if [[ " ${missing[*]} " == *" chrony "* ]]; then
    $SUDO ln -sf /dev/null /etc/systemd/system/chrony.service
    $SUDO update-rc.d chrony disable >/dev/null 2>&1 || true # no init scripts here: nothing to disable
fi
