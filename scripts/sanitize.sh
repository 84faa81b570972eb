#!/usr/bin/env bash
# Builds the core library and its tests with AddressSanitizer and UndefinedBehaviorSanitizer
# into build-asan/ and runs them; any report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DQUORLEX_SANITIZE=ON \
  -DQUORLEX_BUILD_GUI=OFF -DQUORLEX_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan -j "$(nproc)"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
ctest --test-dir build-asan --output-on-failure -j "$(nproc)"
