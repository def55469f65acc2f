#!/usr/bin/env bash
# Installs, only when missing, every Debian package the build, the tests and `make run`
# need, and says which. Safe to run again: it does nothing once all are present.
# No package here brings a system service: the NTP peer test's chronyd and ntpdig are
# unpacked into the build folder by tools/peer-tools.sh instead, because installing chrony
# would replace this machine's own time service.
set -euo pipefail

packages=(
    build-essential cmake make git pkg-config
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-tools
    wine wine64 libwine
    xvfb xauth x11-utils
    fonts-ipafont-gothic fonts-ipafont-mincho
    googletest libgtest-dev libbenchmark-dev
    # The fuzz build: clang with libFuzzer and the sanitizers' runtimes.
    clang libclang-rt-14-dev
    util-linux imagemagick zip unzip iproute2
    # What the unpacked chronyd and ntpdig run on (libraries and Python only).
    python3 libcap2 libedit2 libgnutls30 libnettle8 libseccomp2 libbsd0 libssl3
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
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
