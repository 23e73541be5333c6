#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: once as a normal
# build, once with the address and undefined-behaviour sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
(cd build && ctest --output-on-failure -j "$jobs")

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUEL5_SANITIZE=ON
cmake --build build-asan -j "$jobs"
(cd build-asan && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    ctest --output-on-failure -j "$jobs")

# Every fuzz target for a short while over the instrumented core (scripts/fuzz.sh runs
# them longer); their seed corpora are also replayed by the tests above.
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DQUEL5_FUZZ=ON -DBUILD_TESTING=OFF
mapfile -t fuzz_targets < fuzz/targets
cmake --build build-fuzz -j "$jobs" --target "${fuzz_targets[@]}"
scripts/fuzz.sh 20
