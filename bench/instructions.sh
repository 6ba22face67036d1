#!/usr/bin/env bash
# Instructions per press of "Controlla", counted by callgrind: unlike a time,
# the count does not move with the machine's load, so a regression shows.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DPRODOTINA_BENCH=ON -DPRODOTINA_TESTS=OFF \
      -DPRODOTINA_QT=OFF >/dev/null
cmake --build build/bench -j "$(nproc)" --target ControllaBench >/dev/null

presses=10000
out=$(mktemp)
trap 'rm -f "$out"' EXIT
# Only what runs inside a click counts, not the set-up around the loop.
valgrind --tool=callgrind --callgrind-out-file="$out" --toggle-collect='fw::headless::Click(*' \
    build/bench/bench/ControllaBench --benchmark_filter='ControllaPress/fixed' >/dev/null 2>&1
total=$(awk '/^summary:/ { print $2 }' "$out")
echo "Controlla: $total instructions in $presses presses, $((total / presses)) per press"
