#!/usr/bin/env bash
# Installs the Debian packages Kanavo needs to build, test and run; only the missing ones.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang clang-format pkg-config
  qt6-base-dev qt6-multimedia-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libarchive-dev          # reference lh5 decoder for the benchmark
  xvfb xauth fonts-dejavu-core
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
