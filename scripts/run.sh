#!/usr/bin/env bash
# Builds Orvane Commander, registers its components and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOC_BUILD_TESTS=OFF
cmake --build build -j"$(nproc)"
cmake --build build --target register_components
exec build/bin/oc
