#!/usr/bin/env bash
# Sets up the machine, builds the release configuration and runs the main job.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORIN_TESTS=OFF -DQUORIN_WERROR=ON >/dev/null
cmake --build build/release
mkdir -p out
./build/release/apps/sample/quorin_sample out
# A form from a form file, driven by a script on the headless desktop.
./build/release/apps/quorin-run/quorin-run apps/quorin-run/examples/hello.frm \
  --script apps/quorin-run/examples/hello.txt > out/hello.log
# The skinned mail form in both themes, active and inactive, at two sizes.
./build/release/apps/quorin-run/quorin-run apps/quorin-run/examples/mail.frm \
  apps/quorin-run/examples/other.frm --script apps/quorin-run/examples/mail-looks.txt \
  > out/mail-looks.log
# The same form in use: buttons, maximise and restore, moving, resizing, its menu, a fade.
./build/release/apps/quorin-run/quorin-run apps/quorin-run/examples/mail.frm \
  --script apps/quorin-run/examples/mail-tour.txt > out/mail-tour.log
./build/release/apps/quorin-run/quorin-run apps/quorin-run/examples/classic.frm --codepage 1252 \
  --script apps/quorin-run/examples/classic.txt > out/classic.log
echo "wrote out/skin/*.png (the skinned form's looks) and out/mail-looks.log"
echo "wrote out/tour/*.png (the skinned form in use) and out/mail-tour.log"
echo "wrote out/hello.png (the scenario's screen shot) and out/hello.log (what it observed)"
