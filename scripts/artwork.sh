#!/usr/bin/env bash
# Regenerates every artwork picture under artwork/ and writes the contact sheet
# out/artwork-sheet.png (all slots enlarged, on a light and on a dark background).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build/artwork -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORIN_ARTWORK_GENERATOR=ON \
  -DQUORIN_TESTS=OFF -DQUORIN_BENCH=OFF >/dev/null
cmake --build build/artwork --target quorin_artwork_generator quorin_artwork_sheet
build/artwork/artwork/generator/quorin_artwork_generator artwork
mkdir -p out
build/artwork/artwork/generator/quorin_artwork_sheet artwork out/artwork-sheet.png
