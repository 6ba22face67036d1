#!/usr/bin/env bash
# Installs the Debian packages that building, testing, fuzzing and
# benchmarking Prodotina need. Quick and silent when everything is there:
# apt-get runs only for what is missing.
set -euo pipefail

packages=(
  g++ cmake make
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-qpa-plugins
  fonts-dejavu-core       # a font for Qt to draw text with, offscreen too
  xvfb xdotool x11-utils x11-apps imagemagick
  clang libclang-rt-14-dev
  valgrind
  locales                 # an Italian locale, to prove numbers ignore it
)

# One dpkg-query for all of them; a package dpkg has never heard of is
# simply absent from its answer.
installed=" $(dpkg-query -W -f='${Package}=${db:Status-Status} ' "${packages[@]}" 2>/dev/null || true)"
missing=()
for package in "${packages[@]}"; do
  [[ "$installed" == *" $package=installed "* ]] || missing+=("$package")
done

# The number conversions are tested under an Italian locale, which a fresh
# machine has not generated.
italian_locale() {
  locale -a 2>/dev/null | grep -qi '^it_IT\.utf-\?8$' && return 0
  [[ $(id -u) -eq 0 ]] || return 0
  sed -i 's/^# *\(it_IT.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^it_IT.UTF-8 UTF-8' /etc/locale.gen || echo 'it_IT.UTF-8 UTF-8' >>/etc/locale.gen
  locale-gen >/dev/null
}

if ((${#missing[@]} == 0)); then
  italian_locale
  exit 0
fi

echo "setup: installing ${missing[*]}"
if [[ $(id -u) -ne 0 ]]; then
  if command -v sudo >/dev/null; then
    sudo=(sudo)
  else
    echo "setup: these packages are missing and installing them needs root: ${missing[*]}" >&2
    exit 1
  fi
else
  sudo=()
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
italian_locale
