#pragma once

#include <array>

#include "platform/win/win_types.h"
#include "tabstrip/tab_model.h"

namespace quorin {

// A one-pixel line from (x1, y1) up to but not including (x2, y2).
struct TabLine {
  int x1, y1, x2, y2;
};
struct TabPixel {
  int x, y;
};

// What a tab's outline consists of for one alignment: three outline lines and two corner
// pixels in the frame colour, the three lines of the highlight strip (outermost first), and
// for a selected tab the line in the back colour that wipes the body frame beside it.
struct TabOutline {
  std::array<TabLine, 3> lines;
  std::array<TabPixel, 2> corners;
  std::array<TabLine, 3> strip;
  TabLine wipe;
};

// The outline of a tab with rectangle r in its unselected or selected form (the selected one
// two pixels larger on its three free sides); false for an alignment outside 0 to 3.
bool OutlineOf(eTabAlignment alignment, const win32::RECT& r, bool selected, TabOutline& out);

}  // namespace quorin
