#!/usr/bin/env bash
# Builds Kanavo and starts the viewer on a home folder of its own inside the build tree
# (build/run-home): a sample week covering today in its TV folder, made by knvtool, and a
# settings file beside it, so the first start shows a real week and the user's own
# settings stay untouched. Arguments go on to the viewer (--check, -platform offscreen).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

cmake -S . -B build -G Ninja
cmake --build build -j2 --target kanavo knvtool
home=$PWD/build/run-home
monday=$(date -d "$(date +%F) -$(( $(date +%u) - 1 )) days" +%d.%m.%Y)
mkdir -p "$home/TV"
week=$home/TV/$monday.knv
[ -e "$week" ] || build/tools/knvtool/knvtool sample --week "$monday" -o "$week"
exec build/src/gui/app/kanavo --home "$home" --config "$home/Kanavo2.ini" "$@"
