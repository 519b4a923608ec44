#include "window_frame.h"

#include <algorithm>
#include <cmath>

namespace artgen {

namespace {

struct FrameColors {
  Rgb outline;        // outermost visible pixel
  Rgb highlight;      // just inside the outline
  Rgb body_outer;     // border body next to the highlight
  Rgb body_inner;     // border body next to the client
  Rgb inner_light;    // second pixel from the client
  Rgb inner_outline;  // pixel next to the client
};

const FrameColors& Colors(Theme theme) {
  static const FrameColors vista = {C(92, 112, 128),  C(236, 243, 247), C(204, 217, 225),
                                    C(184, 200, 210), C(212, 224, 231), C(128, 146, 160)};
  static const FrameColors black = {C(16, 17, 19),   C(150, 155, 159), C(116, 123, 129),
                                    C(98, 105, 111), C(118, 123, 127), C(36, 39, 42)};
  return theme == Theme::kVista ? vista : black;
}

// The light title bar is a stretched strip of six rows, so it is made of six bands of five
// pixel rows; the ends and the caption buttons use the same bands.
const Rgb kVistaBands[6] = {C(216, 228, 235), C(205, 218, 226), C(195, 209, 218),
                            C(186, 201, 211), C(179, 195, 206), C(172, 189, 201)};

bool Outside(Theme theme, int x, int y, int w, int h) {
  // The light theme's title strip cannot carry a one-pixel top line, so only its black
  // sibling outlines the top edge; the light one outlines only the cut corners.
  if (y < 0) return theme == Theme::kBlack;
  return !InsideWindowShape(x, y, w, h);
}

// Chessboard distance to the nearest pixel outside the shape, capped at 3.
int OuterDistance(Theme theme, int x, int y, int w, int h) {
  if (Outside(theme, x, y, w, h)) return 0;
  for (int d = 1; d <= 2; ++d) {
    for (int dy = -d; dy <= d; ++dy) {
      for (int dx = -d; dx <= d; ++dx) {
        if (std::max(std::abs(dx), std::abs(dy)) != d) continue;
        if (Outside(theme, x + dx, y + dy, w, h)) return d;
      }
    }
  }
  return 3;
}

}  // namespace

bool InsideWindowShape(int x, int y, int w, int h) {
  if (x < 0 || y < 0 || x >= w || y >= h) return false;
  if (y == 0) return x >= 5 && x <= w - 6;
  if (y == 1) return x >= 3 && x <= w - 4;
  if (y == 2) return x >= 2 && x <= w - 3;
  if (y <= h - 5) return x >= 1 && x <= w - 2;
  if (y <= h - 3) return x >= 2 && x <= w - 3;
  if (y == h - 2) return x >= 3 && x <= w - 4;
  return false;
}

Rgb TitleColor(Theme theme, int y) {
  y = std::clamp(y, 0, kTitleHeight - 1);
  if (theme == Theme::kVista) return kVistaBands[y / 5];
  // Black glass: a bright upper half that darkens to the middle, then a deep lower half that
  // brightens a little towards the bottom.
  if (y < 15) return Mix(C(190, 192, 196), C(122, 125, 130), y / 14.0);
  return Mix(C(28, 30, 34), C(62, 66, 72), (y - 15) / 14.0);
}

Rgb FrameColor(Theme theme, int x, int y, int w, int h) {
  const FrameColors& fc = Colors(theme);
  const int d = OuterDistance(theme, x, y, w, h);
  if (d <= 1) return fc.outline;
  if (y < kTitleHeight) {
    Rgb base = TitleColor(theme, y);
    if (theme == Theme::kBlack && y < 15) {
      // A soft reflection on the black glass, kept in the left part of the bar so it never
      // reaches the caption buttons, whose corners show the plain bar colour.
      const double t = (static_cast<double>(x) / w - 0.2) / 0.09;
      base = Lighter(base, 0.16 * std::exp(-t * t) * (1.0 - y / 15.0));
    }
    return d == 2 ? Mix(base, fc.highlight, 0.6) : base;
  }
  // Distance to the client area through the nearest border.
  int e = -1;
  if (x < kLeftBorder) e = std::max(e, kLeftBorder - 1 - x);
  if (x >= w - kRightBorderVisible) e = std::max(e, x - (w - kRightBorderVisible));
  if (y >= h - kBottomBorder) e = std::max(e, y - (h - kBottomBorder));
  if (e < 0) return Rgb{1, 1, 1};
  if (e == 0) return fc.inner_outline;
  if (d == 2) return fc.highlight;
  if (e == 1) return fc.inner_light;
  return Mix(fc.body_outer, fc.body_inner, std::clamp((d - 3) / 6.0, 0.0, 1.0));
}

namespace {

// Target index whose pixel the stretching copy takes from source index s.
int TargetFor(int s, int target_len, int src_len) {
  for (int t = 0; t < target_len; ++t) {
    if (SourceIndex(t, target_len, src_len) == s) return t;
  }
  return static_cast<int>(std::floor((s + 0.5) * target_len / src_len));
}

}  // namespace

void PaintFramePiece(Canvas& canvas, Theme theme, int tx, int ty, int tw, int th, bool stretched,
                     int w, int h) {
  for (int sy = 0; sy < canvas.height(); ++sy) {
    const int y = ty + (stretched ? TargetFor(sy, th, canvas.height()) : sy);
    for (int sx = 0; sx < canvas.width(); ++sx) {
      const int x = tx + (stretched ? TargetFor(sx, tw, canvas.width()) : sx);
      canvas.Set(sx, sy, FrameColor(theme, x, y, w, h));
    }
  }
}

}  // namespace artgen
