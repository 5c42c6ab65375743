#!/usr/bin/env bash
# Builds the program and starts it on the bundled sample cellar.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VORLANE_BUILD_DIR:-$root/build}"
"$root/tools/build.sh"
if [ -x "$build/src/vorlane" ]; then
  if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display: run it under Xvfb, for example: xvfb-run -a $0" >&2
    exit 1
  fi
  exec "$build/src/vorlane" "$root/data/sample/cellar.dat"
fi
exec "$build/src/vorlane-cli" info "$root/data/sample/cellar.dat"
