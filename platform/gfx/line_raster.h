#pragma once

#include <functional>

namespace gfx {

// Calls `plot` for every pixel of the 1-pixel line from (x0, y0) towards (x1, y1), in order,
// the start included and the end excluded, choosing pixels as the platform does (a
// Bresenham walk whose bias makes a line and its reverse cover the same pixels).
void RasterizeLine(int x0, int y0, int x1, int y1, const std::function<void(int, int)>& plot);

}  // namespace gfx
