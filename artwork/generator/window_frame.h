#pragma once

// The skinned window's frame as one picture: every frame slot (the theme pieces and the skin's
// design-time pieces) is cut from it, sampled the way the skin lays the piece out, so the
// pieces meet without seams and the outline follows the window's cut corners.

#include "paint.h"

namespace artgen {

enum class Theme { kVista = 0, kBlack = 1 };

// Frame metrics of the skin's layout.
constexpr int kTitleHeight = 30;
constexpr int kLeftBorder = 12;
constexpr int kRightBorderVisible = 12;  // 14 wide, 2 of them beyond the window's right edge
constexpr int kBottomBorder = 11;

// True when window pixel (x, y) lies inside the skin's rounded window shape.
bool InsideWindowShape(int x, int y, int w, int h);

// Colour of the title bar at row y (0..29) away from its ends.
Rgb TitleColor(Theme theme, int y);

// Colour of the frame at window pixel (x, y) of a w x h window (client pixels give white).
Rgb FrameColor(Theme theme, int x, int y, int w, int h);

// Fills `canvas` with a frame piece placed at (tx, ty) with size tw x th in a w x h window.
// A stretched piece is sampled through the stretching copy's pixel mapping; an unstretched
// one shows window pixels 1:1 from (tx, ty).
void PaintFramePiece(Canvas& canvas, Theme theme, int tx, int ty, int tw, int th, bool stretched,
                     int w, int h);

}  // namespace artgen
