#!/usr/bin/env bash
# Installs every Debian package the project needs to build, test and render.
# Does nothing when all of them are already present.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang-format
  libpixman-1-dev libfreetype-dev libfontconfig-dev
  libpng-dev libjpeg62-turbo-dev libgif-dev libcairo2-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  fonts-liberation fonts-liberation2 fonts-droid-fallback fonts-dejavu-core
)

missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done

if ((${#missing[@]})); then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  echo "installing: ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
  fc-cache -f >/dev/null 2>&1 || true
fi
