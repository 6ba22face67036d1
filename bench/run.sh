#!/usr/bin/env bash
# Builds the benchmarks (Release, in build/bench) and runs every one of them.
# Arguments go to each benchmark, e.g. --benchmark_repetitions=5.
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=$(nproc)
cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DPRODOTINA_BENCH=ON -DPRODOTINA_TESTS=OFF \
      -DPRODOTINA_QT=OFF >/dev/null
cmake --build build/bench -j "$jobs"

status=0
while IFS= read -r binary; do
  echo "== ${binary#build/bench/}"
  "$binary" "$@" || status=1
done < <(find build/bench/bench -maxdepth 1 -type f -perm -u+x -name '*Bench' | sort)
exit "$status"
