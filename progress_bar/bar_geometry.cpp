#include "progress_bar/bar_geometry.h"

#include <cmath>

namespace quorin {

std::array<BarPiece, 9> FramePieces(double W, double H) {
  const double H6 = std::nearbyint(H - 6);
  return {{
      {0, 0, 3, 3, 0, 0, 3, 3},            // top-left corner
      {W - 3, 0, 3, 3, 56, 0, 3, 3},       // top-right corner
      {W - 3, H - 3, 3, 3, 56, 10, 3, 3},  // bottom-right corner
      {0, H - 3, 3, 3, 0, 10, 3, 3},       // bottom-left corner
      {3, 0, W - 6, 3, 3, 0, 12, 3},       // top edge
      {W - 3, 3, 3, H6, 56, 3, 3, 3},      // right edge
      {3, H - 3, W - 6, 3, 3, 10, 1, 3},   // bottom edge
      {0, 3, 3, H6, 0, 3, 3, 3},           // left edge
      {3, 3, W - 6, H6, 4, 4, 51, 7},      // well
  }};
}

std::vector<RowBlock> AdvanceRow(RowState& row, double reach, double W, double BW) {
  std::vector<RowBlock> out;
  while (row.block_x < reach) {
    if (row.block_x + 10 >= W) {
      // The last block is squeezed to end at the well's right edge.
      const double rest = (W - 3) - row.block_x;
      if (rest > 0) out.push_back({row.block_x, rest});
      row.full = true;
      break;
    }
    if (row.full) break;
    out.push_back({row.block_x, BW});
    row.block_x += 10;
  }
  return out;
}

std::vector<SearchPaint> SearchPaints(std::int16_t S, double W, double BW, std::int16_t& next) {
  std::vector<SearchPaint> out;
  const double half = BW / 2;
  if (S != 2 && S != 4) out.push_back({SearchPicture::kBlank, S - 5.0, half});
  if (S + 20 < W) out.push_back({SearchPicture::kFull, S + 10.0, half});
  if (S + 10 < W) out.push_back({SearchPicture::kMedium, S + 5.0, half});
  if (S + 5 < W) out.push_back({SearchPicture::kLight, static_cast<double>(S), half});
  if (S + 5 < W) {
    next = static_cast<std::int16_t>(S + 5);
  } else {
    // The group ran off the right end: clear what is left of it and start again at the left.
    const double c = std::nearbyint((W - 3) - S);
    if (c > 0) out.push_back({SearchPicture::kBlank, static_cast<double>(S), c});
    next = 2;
  }
  return out;
}

}  // namespace quorin
