#!/usr/bin/env bash
# Builds Prodotina (Release, in build/release) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

# Qt needs a screen to open its window on. QT_QPA_PLATFORM chosen by hand
# (offscreen, say) is taken as it is.
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
  echo "start: Prodotina is a desktop program and needs a graphical session," >&2
  echo "start: but neither DISPLAY nor WAYLAND_DISPLAY is set." >&2
  echo "start: run it from a desktop, or under a virtual one: xvfb-run -a bash scripts/start.sh" >&2
  exit 1
fi

bash scripts/setup.sh

cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DPRODOTINA_TESTS=OFF -DPRODOTINA_QT=ON >/dev/null
cmake --build build/release -j "$(nproc)" --target prodotina

program=build/release/src/app/prodotina
if [[ ! -x "$program" ]]; then
  program=$(find build/release -type f -name prodotina -perm -u+x -print -quit)
fi
if [[ -z "$program" ]]; then
  echo "start: the build made no prodotina executable" >&2
  exit 1
fi
exec "$program"
