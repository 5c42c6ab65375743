#!/usr/bin/env bash
# Installs the built program into a temporary prefix and checks the installed
# copy: it starts on the shipped sample, the companion reads it, the desktop
# files and the cellar's file type work, and the Debian package builds and
# passes lintian. Reuses build/ from build.sh; the package is built apart in
# build-deb/ with Debian's hardening flags.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VORLANE_BUILD_DIR:-$root/build}"
app_id=org.vorlane.Vorlane

fail() { echo "test-install: $*" >&2; exit 1; }

[ -f "$build/CMakeCache.txt" ] || "$root/tools/build.sh"
cmake --build "$build" -j2 --target vorlane vorlane-cli app_icons man_pages >/dev/null

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

# ---- what was installed ----
for f in bin/vorlane bin/vorlane-cli \
         share/applications/$app_id.desktop share/metainfo/$app_id.metainfo.xml \
         share/mime/packages/$app_id.xml share/doc/vorlane/copyright share/doc/vorlane/changelog.gz \
         share/icons/hicolor/scalable/apps/$app_id.svg share/icons/hicolor/48x48/apps/$app_id.png \
         share/man/man1/vorlane.1.gz share/man/man1/vorlane-cli.1.gz; do
  [ -s "$prefix/$f" ] || fail "not installed: $f"
done
(cd "$root/data" && find . -type f) | while read -r f; do
  cmp -s "$root/data/$f" "$prefix/share/vorlane/$f" || fail "shipped data missing or different: $f"
done
file -b "$prefix/share/icons/hicolor/256x256/apps/$app_id.png" | grep -q '256 x 256' || fail "icon PNG is not 256 x 256"

# ---- the companion ----
cli="$prefix/bin/vorlane-cli"
sample="$prefix/share/vorlane/sample/cellar.dat"
"$cli" info "$sample" | grep -q '^Records: [1-9]' || fail "vorlane-cli info does not count the sample's records"
"$cli" --version | grep -qx 'vorlane-cli [0-9.]*' || fail "vorlane-cli --version"
status=0; "$cli" --frobnicate 2>/dev/null || status=$?
[ "$status" -eq 1 ] || fail "vorlane-cli --frobnicate exits $status, not 1"
# Every command the companion knows is described in its manual page.
man_cli="$(zcat "$prefix/share/man/man1/vorlane-cli.1.gz" | sed 's/\\-/-/g')"  # roff escapes its hyphens
for command in $("$cli" --help | awk '/^commands:/ {on = 1; next} on && /^  [a-z]/ {print $1}'); do
  grep -q "^\.BI $command " <<<"$man_cli" || fail "manual page lacks the command $command"
done
for page in vorlane vorlane-cli; do
  warnings="$(zcat "$prefix/share/man/man1/$page.1.gz" | LC_ALL=C.UTF-8 groff -man -ww -z -Tutf8 2>&1)"
  [ -z "$warnings" ] || fail "$page.1: $warnings"
done

# ---- the windowed program ----
gui="$prefix/bin/vorlane"
env -u DISPLAY -u WAYLAND_DISPLAY "$gui" --version | grep -qx 'Vorlane [0-9.]*' || fail "vorlane --version"
env -u DISPLAY -u WAYLAND_DISPLAY "$gui" --help | grep -q -- '--version' || fail "vorlane --help"
status=0; env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$gui" --frobnicate 2>"$work/err" || status=$?
[ "$status" -eq 1 ] && grep -q 'frobnicate' "$work/err" || fail "vorlane --frobnicate exits $status: $(cat "$work/err")"

# Started on the sample with a fresh home, the main window comes up titled
# with the file it opened.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
mkdir -p "$HOME"
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  "$1" "$2" 2>"$3" &
  pid=$!
  for _ in $(seq 1 150); do
    if xwininfo -root -tree | grep -qF "$2"; then kill "$pid"; wait "$pid" 2>/dev/null; exit 0; fi
    kill -0 "$pid" 2>/dev/null || exit 1
    sleep 0.2
  done
  kill "$pid"; exit 1' _ "$gui" "$sample" "$work/gui.err" \
  || fail "the installed vorlane did not show its window on the sample: $(cat "$work/gui.err")"

# ---- desktop integration files ----
desktop-file-validate "$prefix/share/applications/$app_id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" >"$work/as.txt" \
  || fail "appstream: $(cat "$work/as.txt")"
grep -q "date=\"$(date -u +%Y)-" "$prefix/share/metainfo/$app_id.metainfo.xml" || fail "appstream release date is not the build's"

# The cellar's file type: known by its first bytes, and offered to the program.
export XDG_DATA_DIRS="$prefix/share:/usr/share"
update-mime-database "$prefix/share/mime"
update-desktop-database "$prefix/share/applications"
type="$(xdg-mime query filetype "$sample")"
[ "$type" = application/x-vorlane-cellar ] || fail "xdg-mime calls the sample $type"
default="$(xdg-mime query default application/x-vorlane-cellar)"
[ "$default" = "$app_id.desktop" ] || fail "xdg-mime offers \"$default\" for a cellar"
printf 'not a cellar' >"$work/other.dat"
[ "$(xdg-mime query filetype "$work/other.dat")" != application/x-vorlane-cellar ] || fail "any .dat is taken for a cellar"

# ---- Debian package ----
# Built with Debian's hardening flags (fortify, stack protector, relro, bindnow, PIE).
deb_build="${VORLANE_DEB_BUILD_DIR:-$root/build-deb}"
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)" \
  cmake -S "$root" -B "$deb_build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
        -DVORLANE_BUILD_TESTS=OFF -DVORLANE_BUILD_BENCH=OFF >/dev/null
cmake --build "$deb_build" -j2 >"$work/deb-build.log" 2>&1 || fail "package build: $(tail -20 "$work/deb-build.log")"
(cd "$deb_build" && cpack -G DEB -B "$work/deb" >"$work/cpack.log" 2>&1) || fail "cpack: $(cat "$work/cpack.log")"
deb="$(ls "$work"/deb/*.deb)"
contents="$(dpkg-deb -c "$deb")"
echo "$contents"
depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
for p in libc6 libqt6widgets6 libqt6svg6; do
  grep -q "$p" <<<"$depends" || fail "the package does not depend on $p"
done
grep -q "usr/share/vorlane/sample/cellar.dat" <<<"$contents" || fail "the package lacks the sample"
dpkg-deb -f "$deb" Maintainer | grep -qv localhost || fail "the package's maintainer is on localhost"
[ -n "$(dpkg-deb -f "$deb" Homepage)" ] || fail "the package has no Homepage"
dpkg-deb -x "$deb" "$work/unpacked"
for program in vorlane vorlane-cli; do
  # Read whole before grep -q, which would end the pipe early under pipefail.
  elf="$(readelf -W --dynamic --program-headers --file-header --section-headers --dyn-syms \
        "$work/unpacked/usr/bin/$program")"
  grep -q 'BIND_NOW' <<<"$elf" || fail "$program is not linked with bindnow"
  grep -q 'GNU_RELRO' <<<"$elf" || fail "$program has no relro"
  grep -q 'DYN (' <<<"$elf" || fail "$program is not PIE"
  grep -q '__stack_chk_fail' <<<"$elf" || fail "$program has no stack protector"
  grep -q '_chk@' <<<"$elf" || fail "$program is not fortified"
  if grep -q ' \.comment ' <<<"$elf"; then fail "$program keeps its .comment section"; fi
done
# lintian: no error; its warnings are printed for the record.
lintian --tag-display-limit 0 "$deb" >"$work/lintian.txt" 2>&1 || true
cat "$work/lintian.txt"
if grep -q '^E: ' "$work/lintian.txt"; then fail "lintian reports errors"; fi
echo "test-install: all checks passed"
