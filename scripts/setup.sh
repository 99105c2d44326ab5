#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Quorvex needs.
# Safe to run again: packages already present are left as they are.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev libgl1-mesa-dev qt6-qpa-plugins
    libsqlcipher-dev libssl-dev sqlcipher
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth imagemagick fonts-dejavu-core
    clang-format ccache
    poppler-utils faketime
    clang libclang-rt-14-dev
    libpoppler-qt6-dev libquazip1-qt6-dev
    qt6-charts-dev
    postgresql libpq-dev qtkeychain-qt6-dev
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ "${#missing[@]}" -gt 0 ]; then
    sudo_cmd=""
    [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
    $sudo_cmd apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y --no-install-recommends "${missing[@]}"
fi
