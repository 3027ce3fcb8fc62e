#!/usr/bin/env bash
# Fresh machine to passing tests: installs what is missing, then
#   1. builds and runs every test through CTest, then the window and command-line tests three times more
#      beside two busy processes (scripts/stress-tests.sh),
#   2. checks the installation and the Debian package (scripts/check-package.sh),
#   3. checks that the code is formatted,
#   4. builds everything again with AddressSanitizer and UBSan and runs every test again,
#   5. runs each fuzz target for a bounded time (FUZZ_SECONDS, default 30).
# Exits non-zero at the first failure.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

echo "== Build and test"
scripts/build.sh build
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== Window and command-line tests with both processors busy"
STRESS_BUILD_DIR=build scripts/stress-tests.sh 3

echo "== Installation and Debian package"
scripts/check-package.sh build

echo "== Formatting"
scripts/check-format.sh

echo "== Build and test with AddressSanitizer and UndefinedBehaviorSanitizer"
scripts/build.sh build-asan -DORBITEK_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure -j "$jobs"

echo "== Fuzzing"
scripts/fuzz.sh
