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
# Glossy buttons in six skins and two progress bars, hovered, pressed and filled.
./build/release/apps/quorin-run/quorin-run apps/quorin-run/examples/buttons.frm \
  --script apps/quorin-run/examples/buttons.txt > out/buttons.log
echo "wrote out/buttons/*.png (glossy buttons and progress bars) and out/buttons.log"
# Option buttons in two group frames: hover, press, select, Tab and Space.
./build/release/apps/quorin-run/quorin-run apps/quorin-run/examples/options.frm \
  --script apps/quorin-run/examples/options.txt > out/options.log
# The skin's about page in the design-time property-page dialog.
./build/release/apps/quorin-run/quorin-run apps/quorin-run/examples/mail.frm --design \
  --script apps/quorin-run/examples/about-page.txt > out/about-page.log
echo "wrote out/pages/about-page.png (the property-page dialog) and out/about-page.log"
# A notification icon: its tip under the mouse, and clicks on it as events.
./build/release/apps/quorin-run/quorin-run apps/quorin-run/examples/tray.frm \
  --script apps/quorin-run/examples/tray.txt > out/tray.log
# The library as a component server: registered in a registry of the job's own, and listed.
QUORIN_REGISTRY=out/components.txt ./build/release/apps/quorin-run/quorin-run \
  --register build/release/library/libQuorinSkinForVB6.so --components > out/components.log
echo "wrote out/components.log (the library's classes in the component registry)"
echo "wrote out/tray/tip.png (the taskbar with the icon and its tip) and out/tray.log"
# Four tab strips: hover, click, a held scroll arrow, Page Up and Down, an access key.
./build/release/apps/quorin-run/quorin-run apps/quorin-run/examples/tabstrips.frm \
  --script apps/quorin-run/examples/tabstrips.txt > out/tabstrips.log
echo "wrote out/tabstrip/*.png (four tab strips in use) and out/tabstrips.log"
# The tab strip's property pages at design time; the form they saved, run.
./build/release/apps/quorin-run/quorin-run apps/quorin-run/examples/tabstrip-page.frm --design \
  --script apps/quorin-run/examples/tabstrip-page.txt > out/tabstrip-page.log
./build/release/apps/quorin-run/quorin-run out/tabstrip_page/designed.frm \
  --script apps/quorin-run/examples/tabstrip-designed.txt > out/tabstrip-designed.log
echo "wrote out/tabstrip_page/*.png (the strip's pages, the saved form run) and their logs"
./build/release/apps/quorin-run/quorin-run apps/quorin-run/examples/classic.frm --codepage 1252 \
  --script apps/quorin-run/examples/classic.txt > out/classic.log
echo "wrote out/skin/*.png (the skinned form's looks) and out/mail-looks.log"
echo "wrote out/tour/*.png (the skinned form in use) and out/mail-tour.log"
echo "wrote out/options/*.png (option buttons in group frames) and out/options.log"
echo "wrote out/hello.png (the scenario's screen shot) and out/hello.log (what it observed)"
