// The group frame's line source: a one-pixel outline in the frame colour, left open for two
// pixels at each corner (the frame curves its corners with marks of its own).

#include "controls.h"

namespace artgen {

void GenerateGroupFrame(Output& out) {
  constexpr int w = 22, h = 20;
  const Rgb line = C(208, 208, 191);
  Canvas img(w, h, false);
  for (int x = 2; x < w - 2; ++x) {
    img.Set(x, 0, line);
    img.Set(x, h - 1, line);
  }
  for (int y = 2; y < h - 2; ++y) {
    img.Set(0, y, line);
    img.Set(w - 1, y, line);
  }
  out.Write("frame/img", img);
}

}  // namespace artgen
