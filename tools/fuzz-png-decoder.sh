#!/usr/bin/env bash
# Builds Debian's libpng with the fuzzing instrumentation (clang, AddressSanitizer,
# coverage), so that picture_loader_fuzz explores the PNG decoder itself: Qt's
# image reader calls libpng16.so.16, and tools/fuzz.sh puts this copy first.
# Needs Debian's source packages (a deb-src entry in the apt sources).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VORLANE_FUZZ_BUILD_DIR:-$root/build-fuzz}"
prefix="$build/instrumented"
[ -e "$prefix/lib/libpng16.so.16" ] && exit 0

sources="$build/decoder-sources"
mkdir -p "$sources"
if ! compgen -G "$sources/libpng1.6-*/configure" >/dev/null; then
  if ! grep -rqs "deb-src" /etc/apt/sources.list /etc/apt/sources.list.d/; then
    echo "no deb-src entry in the apt sources: add one for Debian's main archive to fetch libpng's source" >&2
    exit 1
  fi
  (cd "$sources" && apt-get source -qq libpng1.6)
fi
cd "$(compgen -G "$sources/libpng1.6-*/configure" | head -n 1 | xargs dirname)"
CC=clang CFLAGS="-g -O1 -fsanitize=address,fuzzer-no-link" LDFLAGS="-fsanitize=address" \
  ./configure --quiet --prefix="$prefix" --disable-static
make -s -j2 install
# The copy that is loaded must be the instrumented one.
nm -D "$prefix/lib/libpng16.so.16" | grep -c __sanitizer_cov >/dev/null
