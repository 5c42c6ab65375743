#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for the given seconds.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-20}"
build="${VORLANE_FUZZ_BUILD_DIR:-$root/build-fuzz}"
CXX=clang++ cmake -S "$root" -B "$build" -DVORLANE_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2
for target in "$build"/fuzz/*_fuzz; do
  [ -x "$target" ] || continue
  name="$(basename "$target")"
  corpus="$build/corpus/$name"
  mkdir -p "$corpus"
  seeds="$root/fuzz/seeds/${name%_fuzz}"
  echo "fuzzing $name for ${seconds}s"
  if [ -d "$seeds" ]; then
    "$target" -max_total_time="$seconds" -rss_limit_mb=2048 -max_len=65536 -print_final_stats=0 "$corpus" "$seeds" 2>"$build/$name.log" \
      || { tail -n 40 "$build/$name.log"; exit 1; }
  else
    "$target" -max_total_time="$seconds" -rss_limit_mb=2048 -max_len=65536 "$corpus" 2>"$build/$name.log" \
      || { tail -n 40 "$build/$name.log"; exit 1; }
  fi
  grep -E '^#[0-9]+.*DONE' "$build/$name.log" | tail -n 1 || true
done
