#!/usr/bin/env bash
# Builds Sleevora with AddressSanitizer and UndefinedBehaviorSanitizer in build-sanitize/
# and runs every test under them; any report fails the run. Expects scripts/setup.sh to
# have installed what the build needs.
set -euo pipefail
cd "$(dirname "$0")/.."
flags="-O1 -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
if [ ! -f build-sanitize/CMakeCache.txt ]; then
    cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DSLEEVORA_BUILD_BENCHMARKS=OFF \
        -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
fi
cmake --build build-sanitize -j"$(nproc)"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    LSAN_OPTIONS=suppressions="$PWD/tests/lsan.supp" \
    ctest --test-dir build-sanitize --output-on-failure -j"$(nproc)"
