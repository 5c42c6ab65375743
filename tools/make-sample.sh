#!/usr/bin/env bash
# Regenerates the bundled sample cellar, its label pictures and the album's
# placeholder picture from the project's own generator and drawing program.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
cmake --build "$build" -j2 --target make_cellar draw_labels
rm -rf "$root/data/sample/labels"
"$build/bench/make_cellar" 60 "$root/data/sample/cellar.dat" --seed 1985 --sample
"$build/bench/draw_labels" "$root/data/sample/cellar.dat" --placeholder "$root/data/placeholder.png"
