#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for the given seconds.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-20}"
build="${VORLANE_FUZZ_BUILD_DIR:-$root/build-fuzz}"
CXX=clang++ cmake -S "$root" -B "$build" -DVORLANE_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2
# The PNG decoder built with the instrumentation, loaded by Qt in place of the
# system's copy; without it the picture loader is fuzzed through uninstrumented decoders.
# Opt-in (VORLANE_FUZZ_DECODERS=1): it builds libpng from Debian's sources.
decoders=""
if [ "${VORLANE_FUZZ_DECODERS:-0}" = 1 ]; then
  if VORLANE_FUZZ_BUILD_DIR="$build" "$root/tools/fuzz-png-decoder.sh" >"$build/png-decoder.log" 2>&1; then
    decoders="$build/instrumented/lib"
  else
    echo "PNG decoder not instrumented (see $build/png-decoder.log)"
  fi
fi
for target in "$build"/fuzz/*_fuzz; do
  [ -x "$target" ] || continue
  name="$(basename "$target")"
  corpus="$build/corpus/$name"
  mkdir -p "$corpus"
  seeds="$root/fuzz/seeds/${name%_fuzz}"
  library_path="${LD_LIBRARY_PATH:-}"
  [ "$name" = picture_loader_fuzz ] && [ -n "$decoders" ] && library_path="$decoders${library_path:+:$library_path}"
  echo "fuzzing $name for ${seconds}s"
  if [ -d "$seeds" ]; then
    LD_LIBRARY_PATH="$library_path" "$target" -max_total_time="$seconds" -rss_limit_mb=2048 -max_len=65536 -print_final_stats=0 "$corpus" "$seeds" 2>"$build/$name.log" \
      || { tail -n 40 "$build/$name.log"; exit 1; }
  else
    LD_LIBRARY_PATH="$library_path" "$target" -max_total_time="$seconds" -rss_limit_mb=2048 -max_len=65536 "$corpus" 2>"$build/$name.log" \
      || { tail -n 40 "$build/$name.log"; exit 1; }
  fi
  grep -E '^#[0-9]+.*DONE' "$build/$name.log" | tail -n 1 || true
done
