#include "platform/desktop/cursor_shapes.h"

#include <algorithm>
#include <cstring>

namespace desktop {

using namespace win32;

namespace {

// A stock cursor as rows of 'X' (black), '.' (white) and ' ' (clear), with its hot spot.
struct Shape {
  const char* const* rows;
  int count;
  POINT hot;
};

const char* const kArrow[] = {"X",           "XX",         "X.X",      "X..X",      "X...X",
                              "X....X",      "X.....X",    "X......X", "X.......X", "X........X",
                              "X.....XXXXX", "X..X..X",    "X.X X..X", "XX  X..X",  "X    X..X",
                              "     X..X",   "      X..X", "      XX"};
const char* const kSizeNS[] = {
    "    X",  "   X.X", "  X...X", " X.....X",  "XXXX.XXXX", "   X.X",  "   X.X", "   X.X",
    "   X.X", "   X.X", "   X.X",  "XXXX.XXXX", " X.....X",  "  X...X", "   X.X", "    X"};
const char* const kSizeWE[] = {
    "    X          X",    "   XX          XX",      "  X.X          X.X",
    " X..XXXXXXXXXXXX..X", "X....................X", " X..XXXXXXXXXXXX..X",
    "  X.X          X.X",  "   XX          XX",      "    X          X"};
const char* const kSizeNWSE[] = {
    "XXXXXXX",        "X....X",         "X...X",         "X....X",         "X.XX..X",
    "XX  X..X",       "X    X..X",      "      X..X XX", "       X..XX.X", "        X....X",
    "         X...X", "        X....X", "       XXXXXXX"};
const char* const kSizeNESW[] = {"      XXXXXXX", "       X....X", "        X...X", "       X....X",
                                 "      X..XX.X", "     X..X  XX", "X   X..X    X", "XX X..X",
                                 "X.XX..X",       "X....X",        "X...X",         "X....X",
                                 "XXXXXXX"};
const char* const kHand[] = {
    "     XX",        "    X..X",       "    X..X",        "    X..X",
    "    X..XXX",     "    X..X..XXX",  " XX X..X..X..XX", "X..XX........X",
    "X...X........X", " X...........X", "  X..........X",  "  X.........X",
    "   X........X",  "   X.......X",   "    X......X",    "    XXXXXXXX"};
const char* const kIBeam[] = {"XXX XXX", "   X", "   X", "   X", "   X", "   X", "   X",   "   X",
                              "   X",    "   X", "   X", "   X", "   X", "   X", "XXX XXX"};

Shape StockShape(HCURSOR cursor) {
  switch (cursor) {
    case IDC_SIZENS:
      return {kSizeNS, 16, {4, 8}};
    case IDC_SIZEWE:
      return {kSizeWE, 9, {10, 4}};
    case IDC_SIZENWSE:
      return {kSizeNWSE, 13, {6, 6}};
    case IDC_SIZENESW:
      return {kSizeNESW, 13, {6, 6}};
    case IDC_HAND:
      return {kHand, 16, {5, 0}};
    case IDC_IBEAM:
      return {kIBeam, 15, {3, 7}};
    default:
      return {kArrow, 18, {0, 0}};
  }
}

}  // namespace

RECT DrawCursor(gfx::Bitmap& screen, const win::InputState& input, int x, int y) {
  auto picture = input.picture_cursors.find(input.cursor_shape);
  if (picture != input.picture_cursors.end() && picture->second.picture) {
    const gfx::Bitmap& image = *picture->second.picture;
    int left = x - picture->second.hot_spot.x, top = y - picture->second.hot_spot.y;
    pixman_image_composite32(PIXMAN_OP_OVER, image.image(), nullptr, screen.image(), 0, 0, 0, 0,
                             left, top, image.width(), image.height());
    return {left, top, left + image.width(), top + image.height()};
  }
  Shape shape = StockShape(input.cursor_shape);
  int left = x - shape.hot.x, top = y - shape.hot.y;
  int width = 0;
  for (int j = 0; j < shape.count; ++j) {
    const char* row = shape.rows[j];
    int n = static_cast<int>(std::strlen(row));
    width = std::max(width, n);
    for (int i = 0; i < n; ++i) {
      if (row[i] == 'X') screen.set_pixel(left + i, top + j, 0xFF000000u);
      if (row[i] == '.') screen.set_pixel(left + i, top + j, 0xFFFFFFFFu);
    }
  }
  return {left, top, left + width, top + shape.count};
}

}  // namespace desktop
