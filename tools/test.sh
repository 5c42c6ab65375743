#!/usr/bin/env bash
# Builds everything and runs every test headless, then each fuzz target
# for a short, fixed time.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VORLANE_BUILD_DIR:-$root/build}"
"$root/tools/build.sh"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j2 --timeout 300
"$root/tools/fuzz.sh" "${VORLANE_FUZZ_SECONDS:-20}"
