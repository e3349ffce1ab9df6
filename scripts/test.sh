#!/usr/bin/env bash
# Builds Orvane Commander with its tests and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build-tests -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOC_BUILD_TESTS=ON
cmake --build build-tests -j"$(nproc)"
cd build-tests
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
