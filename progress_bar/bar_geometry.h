#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace quorin {

// One stretching copy, in pixels: a source rectangle of a picture and where it goes.
struct BarPiece {
  double x, y, w, h;
  double sx, sy, sw, sh;
};

// The nine pieces of the bar's frame, cut from the 59 x 13 frame picture, for a bar W x H px
// (H6 is H - 6 as a whole number): corners, top, right, bottom and left edges, then the well.
std::array<BarPiece, 9> FramePieces(double W, double H);

// What the Default style's row has drawn since the last wipe.
struct RowState {
  double block_x = 4;  // left edge of the next block
  bool full = false;   // the row reached the right edge: no more blocks
};

// One block of the row: its left edge and width (the last one may be squeezed).
struct RowBlock {
  double x;
  double w;
};

// The blocks that take the row from `row` to `reach` pixels on a bar W px wide with blocks
// BW px wide, every 10 px; the last one ends at the well's right edge (W - 3). Advances `row`.
std::vector<RowBlock> AdvanceRow(RowState& row, double reach, double W, double BW);

// The Search style's pictures: the eraser and the three block strengths.
enum class SearchPicture { kBlank, kLight, kMedium, kFull };

struct SearchPaint {
  SearchPicture picture;
  double x;
  double w;
};

// One step of the running group at S on a bar W px wide with blocks BW px wide: what to paint,
// in order; `next` receives the following start (S + 5, or 2 after the group ran off the
// right end).
std::vector<SearchPaint> SearchPaints(std::int16_t S, double W, double BW, std::int16_t& next);

}  // namespace quorin
