// Progress bar pictures: the frame the bar cuts in nine pieces (three rings of grey around a
// white well, corners curved within 3 x 3) and the 8 x 10 blocks at three strengths.

#include <algorithm>
#include <string>

#include "controls.h"

namespace artgen {

namespace {

void WriteFrame(Output& out) {
  constexpr int w = 59, h = 13;
  const Rgb ring[3] = {C(107, 105, 107), C(189, 190, 189), C(239, 239, 239)};
  const Rgb white{1, 1, 1};
  Canvas img(w, h, true);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const int d = std::min(std::min(x, w - 1 - x), std::min(y, h - 1 - y));
      img.Set(x, y, d < 3 ? ring[d] : white);
    }
  }
  // The bar stretches its well from x 4..54, y 4..10 and its bottom edge from the single
  // column x = 3 of rows 10..12, so row 10 stays white under the well and carries the inner
  // ring only where the edge and the corners are cut.
  for (int x = 4; x <= 54; ++x) img.Set(x, 10, white);
  // Round each corner: the corner pixel fades to white, the two next to it lean outward and
  // the diagonal pixel inside takes the dark ring so the curve stays closed.
  const int cx[2] = {0, w - 1}, cy[2] = {0, h - 1};
  for (int i = 0; i < 2; ++i) {
    for (int j = 0; j < 2; ++j) {
      const int sx = i == 0 ? 1 : -1, sy = j == 0 ? 1 : -1;
      const int x = cx[i], y = cy[j];
      img.Set(x, y, Mix(ring[0], white, 0.7));
      img.Set(x + sx, y, Mix(ring[0], white, 0.25));
      img.Set(x, y + sy, Mix(ring[0], white, 0.25));
      img.Set(x + sx, y + sy, Mix(ring[0], ring[1], 0.35));
    }
  }
  out.Write("progress_bar/img", img);
}

// A block: full colour in the middle rows, lighter towards the top like a lit bar, a little
// darker at the bottom. Columns are uniform so squeezed blocks look the same.
void WriteBlocks(Output& out, const std::string& array, Rgb full) {
  const double strength[3] = {0.62, 0.34, 0.0};  // mixed with white: light, medium, full
  for (int i = 0; i < 3; ++i) {
    const Rgb base = Lighter(full, strength[i]);
    Canvas block(8, 10, true);
    const double shade[10] = {0.62, 0.48, 0.34, 0.2, 0.08, 0.0, 0.0, -0.04, -0.08, -0.14};
    for (int y = 0; y < 10; ++y) {
      const Rgb row = shade[y] >= 0 ? Lighter(base, shade[y]) : Darker(base, -shade[y]);
      for (int x = 0; x < 8; ++x) block.Set(x, y, row);
    }
    out.Write("progress_bar/" + array + "_" + std::to_string(i), block);
  }
}

}  // namespace

void GenerateProgressBar(Output& out) {
  WriteFrame(out);
  WriteBlocks(out, "master", C(38, 176, 44));
  WriteBlocks(out, "goldmet", C(214, 166, 24));
  WriteBlocks(out, "grmet", C(104, 140, 108));
  WriteBlocks(out, "redmet", C(230, 78, 28));
  Canvas blank(8, 10, true);
  blank.Clear(Rgb{1, 1, 1});
  out.Write("progress_bar/blank", blank);
}

}  // namespace artgen
