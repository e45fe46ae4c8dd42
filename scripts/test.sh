#!/usr/bin/env bash
# Sets up and runs the whole test suite: a plain build, then one under
# AddressSanitizer and UndefinedBehaviorSanitizer. Last, the fuzz targets are
# built with clang and each is run once over its corpus (tests/fuzz).
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen

bash scripts/setup.sh
(cd build && ctest --output-on-failure -j"$(nproc)")

VORLUX_SANITIZE=ON bash scripts/setup.sh
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
(cd build-sanitize && ctest --output-on-failure -j"$(nproc)")

VORLUX_FUZZ=ON bash scripts/setup.sh
(cd build-fuzz && ctest --output-on-failure -j"$(nproc)")
