// The tab page's arrow buttons: black triangles on the button face colour, pixel-exact.

#include "controls.h"

namespace artgen {

namespace {

void WriteTriangle(Output& out, const char* slot, bool pointing_left) {
  Canvas img(13, 13, true);
  img.Clear(C(212, 208, 200));
  // Four columns, seven rows at the base, one at the tip, centred on the box.
  for (int i = 0; i < 4; ++i) {
    const int x = pointing_left ? 4 + i : 8 - i;
    for (int y = 6 - i; y <= 6 + i; ++y) img.Set(x, y, Rgb{0, 0, 0});
  }
  out.Write(slot, img);
}

}  // namespace

void GenerateTabstripPage(Output& out) {
  WriteTriangle(out, "tabstrip_page/CmdPrevious", true);
  WriteTriangle(out, "tabstrip_page/CmdNext", false);
}

}  // namespace artgen
