#!/usr/bin/env bash
# Builds the tests with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ (or $VORLANE_ASAN_BUILD_DIR) and runs the whole suite under
# them. Leaks inside Qt and the system libraries below it are suppressed
# (tools/lsan-qt.supp); the project's own are not. Not part of CI: it takes
# far longer than the ordinary build.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VORLANE_ASAN_BUILD_DIR:-$root/build-asan}"
sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
"$root/tools/install-deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DVORLANE_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$sanitizers -O1" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$build" -j2
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$root/tools/lsan-qt.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir "$build" --output-on-failure -j2 --timeout 1200
