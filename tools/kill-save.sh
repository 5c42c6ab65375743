#!/usr/bin/env bash
# Kills large saves at random moments, then checks what a person would find:
# the cellar is the old file or the new one, never a damaged one, and nothing
# else is left beside it once it has been opened again.
#
#   tools/kill-save.sh [KILLS] [RECORDS]     (defaults: 20 kills, 300000 records;
#                                            NO_BUILD=1 uses the programs as built)
#
# Slow (minutes); not part of the test suite.
set -euo pipefail

kills=${1:-20}
records=${2:-300000}
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$root/build}

[[ -n ${NO_BUILD:-} ]] || cmake --build "$build" -j2 --target vorlane-cli make_cellar >/dev/null
cli=$build/src/vorlane-cli
make_cellar=$build/bench/make_cellar

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$make_cellar" "$records" "$work/old.dat" --seed 1
"$make_cellar" "$records" "$work/new.dat" --seed 2
old_sum=$(sha256sum <"$work/old.dat")
new_sum=$(sha256sum <"$work/new.dat")
folder=$work/folder
mkdir "$folder"
cellar=$folder/cellar.dat

# How long one save takes, so that the kills fall anywhere inside one.
start=$(date +%s%N)
cp "$work/old.dat" "$cellar"
"$cli" resave "$work/new.dat" "$cellar"
duration_ms=$(( ($(date +%s%N) - start) / 1000000 ))
echo "one save of $records records ($(stat -c %s "$work/new.dat") bytes): ${duration_ms} ms"

old=0 new=0 damaged=0 leftovers=0 writing=0
for ((i = 1; i <= kills; i++)); do
    cp "$work/old.dat" "$cellar"
    "$cli" resave "$work/new.dat" "$cellar" &
    pid=$!
    sleep "$(awk -v ms="$duration_ms" -v seed="$RANDOM" 'BEGIN { srand(seed); printf "%.3f", rand() * ms / 1000 }')"
    # An unnamed file being written shows as "(deleted)" among its descriptors.
    if ls -l "/proc/$pid/fd" 2>/dev/null | grep -q "$folder/.*(deleted)"; then writing=$((writing + 1)); fi
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true

    sum=$(sha256sum <"$cellar")
    if [[ $sum == "$old_sum" ]]; then old=$((old + 1))
    elif [[ $sum == "$new_sum" ]]; then new=$((new + 1))
    else damaged=$((damaged + 1)); echo "kill $i: the cellar is damaged"; fi

    # The next open: a write through the lock, which takes over a lock its
    # killed predecessor left and gives it back afterwards.
    "$cli" resave "$cellar" "$cellar"
    left=$(find "$folder" -mindepth 1 ! -name cellar.dat)
    if [[ -n $left ]]; then leftovers=$((leftovers + 1)); echo "kill $i left: $left"; fi
done

echo "$kills kills ($writing while the new file was being written): old file $old, new file $new," \
     "damaged $damaged, leftovers after the next open $leftovers"
[[ $damaged -eq 0 && $leftovers -eq 0 ]]
