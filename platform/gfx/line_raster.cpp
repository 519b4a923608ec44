#include "platform/gfx/line_raster.h"

#include <cstdlib>

namespace gfx {

void RasterizeLine(int x0, int y0, int x1, int y1, const std::function<void(int, int)>& plot) {
  const int dx = x1 - x0;
  const int dy = y1 - y0;
  const int adx = std::abs(dx);
  const int ady = std::abs(dy);
  const bool x_major = adx >= ady;
  const int sx = dx < 0 ? -1 : 1;
  const int sy = dy < 0 ? -1 : 1;

  // Octants clockwise from +x with y pointing down; 3, 5, 6 and 8 step the minor axis on a
  // tie, which keeps a line and its reverse on the same pixels.
  int octant;
  if (x_major) {
    octant = dx >= 0 ? (dy >= 0 ? 1 : 8) : (dy >= 0 ? 4 : 5);
  } else {
    octant = dy > 0 ? (dx >= 0 ? 2 : 3) : (dx <= 0 ? 6 : 7);
  }
  const int bias = (octant == 3 || octant == 5 || octant == 6 || octant == 8) ? 1 : 0;

  const int dmajor = x_major ? adx : ady;
  const int dminor = x_major ? ady : adx;
  int err = 2 * dminor - dmajor;
  int x = x0;
  int y = y0;
  for (int i = 0; i < dmajor; ++i) {
    plot(x, y);
    if (err + bias > 0) {
      if (x_major) {
        y += sy;
      } else {
        x += sx;
      }
      err += 2 * dminor - 2 * dmajor;
    } else {
      err += 2 * dminor;
    }
    if (x_major) {
      x += sx;
    } else {
      y += sy;
    }
  }
}

}  // namespace gfx
