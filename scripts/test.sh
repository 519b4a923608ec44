#!/usr/bin/env bash
# Sets up the machine, builds under AddressSanitizer and UndefinedBehaviorSanitizer and runs
# every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUORIN_SANITIZE=ON -DQUORIN_WERROR=ON >/dev/null
cmake --build build/sanitize
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=print_suppressions=0
ctest --test-dir build/sanitize --output-on-failure -j"$(nproc)"
