#!/usr/bin/env bash
# Builds everything with AddressSanitizer (leak detection on) and UndefinedBehaviorSanitizer in
# build-asan/ and runs every test there, the end-to-end scripts included: a memory error, a leak or
# undefined behaviour anywhere fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
# Set before the build too: listing a test program's tests runs it.
export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:print_stacktrace=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
cmake -S . -B build-asan -G Ninja -DQUORVEX_SANITIZE=ON
cmake --build build-asan -j2
QT_QPA_PLATFORM=offscreen LC_ALL=en_US.UTF-8 ctest --test-dir build-asan --output-on-failure -j2
