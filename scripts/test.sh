#!/usr/bin/env bash
# Builds everything and runs every test: the regular build (warnings are errors), then the
# core tests and the fuzz targets under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

# Every C++ file is laid out by the committed .clang-format.
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror

cmake -S . -B build -G Ninja -DKANAVO_WERROR=ON
cmake --build build -j2
ctest --test-dir build --output-on-failure -j2

cmake -S . -B build-asan -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
  -DKANAVO_WERROR=ON -DKANAVO_SANITIZE=ON -DKANAVO_FUZZ=ON -DKANAVO_TOOLS=OFF -DKANAVO_BENCH=OFF -DKANAVO_GUI=OFF
cmake --build build-asan -j2
ctest --test-dir build-asan --output-on-failure -j2 -L 'core|fuzz'
