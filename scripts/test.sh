#!/usr/bin/env bash
# Builds Orvane Commander with its tests and runs every test headless (as
# root, the tests with rows about files one may not read or write run again
# as an unprivileged user); then the whole suite again under AddressSanitizer
# and UndefinedBehaviorSanitizer (build-asan, any report fails), the engine
# tests under ThreadSanitizer (build-tsan: only they, with one worker and
# with four), and the fuzzers for a bounded number of inputs each
# (build-fuzz, clang). The last lines count the rows the tests skipped: a
# skip means a missing tool.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
jobs=$(nproc)
# A second run of the same sources (another clone, another build folder)
# compiles nothing again.
cache=()
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1
  cache=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

cmake -S . -B build-tests "${cache[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOC_BUILD_TESTS=ON
cmake --build build-tests -j"$jobs"
(cd build-tests && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs")
skipped=$(grep -c '^SKIP' build-tests/Testing/Temporary/LastTest.log || true)
unprivileged="the suite ran unprivileged"
if [ "$(id -u)" -eq 0 ]; then
  unprivileged=$(scripts/unprivileged.sh build-tests | tee -a /dev/stderr | tail -n 1)
fi

cmake -S . -B build-asan "${cache[@]}" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=-O1 -DOC_SANITIZE=ON -DOC_BUILD_TESTS=ON
cmake --build build-asan -j"$jobs"
# One test at a time: the window tests' timed key strokes need the slack.
suppressions=$PWD/scripts/lsan-suppressions.txt
(cd build-asan && QT_QPA_PLATFORM=offscreen \
  ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1 \
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  LSAN_OPTIONS="suppressions=$suppressions" \
  ctest --output-on-failure)

cmake -S . -B build-tsan "${cache[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOC_TSAN=ON -DOC_BUILD_TESTS=ON
cmake --build build-tsan -j"$jobs" --target engine_tests
# The mount tests fork; Qt itself is not instrumented (see the suppressions).
tsan_suppressions=$PWD/scripts/tsan-suppressions.txt
(cd build-tsan && QT_QPA_PLATFORM=offscreen \
  TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:die_after_fork=0:suppressions=$tsan_suppressions" \
  ctest --output-on-failure -L ENGINE -j"$jobs")

cmake -S . -B build-fuzz "${cache[@]}" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOC_FUZZ=ON -DOC_BUILD_TESTS=OFF
cmake --build build-fuzz -j"$jobs" --target fuzzers
(cd build-fuzz && ctest --output-on-failure -j"$jobs")

echo "Skipped rows (QSKIP): $skipped in the suite; $unprivileged"
