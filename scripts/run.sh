#!/usr/bin/env bash
# Builds Kanavo and shows its main job on a sample week: a weekly file made by knvtool,
# then read back.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

cmake -S . -B build -G Ninja
cmake --build build -j2 --target knvtool
monday=$(date -d "$(date +%F) -$(( $(date +%u) - 1 )) days" +%d.%m.%Y)
build/tools/knvtool/knvtool sample --week "$monday" -o build/sample.knv
build/tools/knvtool/knvtool info build/sample.knv
