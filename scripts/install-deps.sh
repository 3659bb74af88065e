#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those that are missing.
# Safe to run again; runs `apt-get update` at most once, and only when something is missing.
set -euo pipefail

packages=(
    cmake make g++ clang libclang-rt-14-dev pkg-config
    g++-mingw-w64-x86-64 gcc-mingw-w64-x86-64 mingw-w64-tools binutils-mingw-w64-x86-64
    wine64 xvfb xauth
    libgtest-dev googletest libgmock-dev libbenchmark-dev
    libcairo2-dev libpango1.0-dev fonts-wqy-microhei fonts-dejavu-core
    libpugixml-dev
    libhidapi-dev nsis
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo=sudo
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
