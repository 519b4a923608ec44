#include <gtest/gtest.h>

#include <vector>

#include "gfx_fixture.h"
#include "platform/gfx/blit.h"

namespace {

using gfx_test::kWhite;
using gfx_test::Surface;

// A source row of distinct opaque colours 1, 2, 3, ... (as COLORREF values).
vb::PixelBuffer Strip(int width, int height = 1) {
  vb::PixelBuffer p;
  p.width = width;
  p.height = height;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      p.pixels.push_back(gfx::ArgbFromColorref(static_cast<vb::COLORREF>(1 + x + 16 * y)));
    }
  }
  return p;
}

// The source index each destination pixel of row 0 shows, -1 for untouched.
std::vector<int> Row(Surface& s, int width) {
  std::vector<int> out;
  for (int x = 0; x < width; ++x) {
    const vb::COLORREF c = s.at(x, 0);
    out.push_back(c == kWhite ? -1 : static_cast<int>(c) - 1);
  }
  return out;
}

struct StretchCase {
  const char* name;
  int src_width;
  int x, w;    // destination
  int sx, sw;  // source
  std::vector<int> expected;
};

TEST(StretchBlit, PicksSourcePixelsAtDestinationCentres) {
  const StretchCase cases[] = {
      {"enlarge 2 to 4", 2, 0, 4, 0, 2, {0, 0, 1, 1, -1, -1}},
      {"shrink 3 to 2", 3, 0, 2, 0, 3, {0, 2, -1, -1, -1, -1}},
      {"unscaled", 3, 1, 3, 0, 3, {-1, 0, 1, 2, -1, -1}},
      {"3-pixel corner unscaled", 18, 0, 3, 15, 3, {15, 16, 17, -1, -1, -1}},
      {"1-pixel strip to 5", 4, 0, 5, 2, 1, {2, 2, 2, 2, 2, -1}},
      {"mirror by negative width", 3, 2, -3, 0, 3, {2, 1, 0, -1, -1, -1}},
      {"mirror by negative source", 3, 0, 3, 2, -3, {2, 1, 0, -1, -1, -1}},
      {"both negative keep the order", 3, 2, -3, 2, -3, {0, 1, 2, -1, -1, -1}},
      {"zero width draws nothing", 3, 0, 0, 0, 3, {-1, -1, -1, -1, -1, -1}},
      {"zero source draws nothing", 3, 0, 3, 0, 0, {-1, -1, -1, -1, -1, -1}},
      {"source beyond the picture is skipped", 3, 0, 4, 1, 4, {1, 2, -1, -1, -1, -1}},
  };
  for (const auto& c : cases) {
    Surface s(6, 1);
    gfx::DeviceContext* dc = gfx::FindDeviceContext(s.hdc());
    const vb::PixelBuffer src = Strip(c.src_width);
    gfx::StretchPixels(*dc, c.x, 0, c.w, 1, gfx::PixelSource::From(src), c.sx, 0, c.sw, 1);
    EXPECT_EQ(Row(s, 6), c.expected) << c.name;
  }
}

TEST(StretchBlit, StretchesBothWaysAndClipsToTheSurface) {
  Surface s(4, 4);
  gfx::DeviceContext* dc = gfx::FindDeviceContext(s.hdc());
  const vb::PixelBuffer src = Strip(2, 2);
  gfx::StretchPixels(*dc, -2, -2, 8, 8, gfx::PixelSource::From(src), 0, 0, 2, 2);
  EXPECT_EQ(s.at(0, 0), 1u);  // source (0, 0)
  EXPECT_EQ(s.at(1, 1), 1u);
  EXPECT_EQ(s.at(2, 1), 2u);   // source (1, 0)
  EXPECT_EQ(s.at(1, 2), 17u);  // source (0, 1)
  EXPECT_EQ(s.at(3, 3), 18u);
}

TEST(StretchBlit, TransparentPixelsStayTransparent) {
  Surface s(3, 1);
  win32::SetPixelV(s.hdc(), 1, 0, vb::RGB(0, 200, 0));
  vb::PixelBuffer src = Strip(3);
  src.pixels[1] = 0;            // fully transparent
  src.pixels[2] = 0x80800000u;  // half-transparent red, premultiplied
  src.has_transparency = true;
  gfx::StretchPixels(*gfx::FindDeviceContext(s.hdc()), 0, 0, 3, 1, gfx::PixelSource::From(src), 0,
                     0, 3, 1);
  EXPECT_EQ(s.at(0, 0), 1u);
  EXPECT_EQ(s.at(1, 0), vb::RGB(0, 200, 0));
  EXPECT_EQ(s.at(2, 0), vb::RGB(255, 127, 127));
}

TEST(StretchBlit, BetweenDeviceContexts) {
  Surface src(3, 3), dst(6, 6);
  win32::SetPixelV(src.hdc(), 0, 0, vb::RGB(255, 0, 0));
  win32::SetPixelV(src.hdc(), 2, 2, vb::RGB(0, 0, 255));
  EXPECT_TRUE(win32::StretchBlt(dst.hdc(), 0, 0, 6, 6, src.hdc(), 0, 0, 3, 3, win32::SRCCOPY));
  EXPECT_EQ(dst.at(1, 1), vb::RGB(255, 0, 0));
  EXPECT_EQ(dst.at(5, 5), vb::RGB(0, 0, 255));
  EXPECT_EQ(dst.at(2, 2), kWhite);

  // Copying a surface onto itself with overlap reads the pixels as they were.
  EXPECT_TRUE(win32::BitBlt(src.hdc(), 1, 1, 2, 2, src.hdc(), 0, 0, win32::SRCCOPY));
  EXPECT_EQ(src.at(1, 1), vb::RGB(255, 0, 0));
  EXPECT_EQ(src.at(2, 2), kWhite);

  // A memory DC with a selected bitmap is a source like any other.
  win32::HDC mem = win32::CreateCompatibleDC(dst.hdc());
  win32::HBITMAP bmp = win32::CreateCompatibleBitmap(dst.hdc(), 2, 2);
  win32::HGDIOBJ old = win32::SelectObject(mem, bmp);
  EXPECT_TRUE(win32::BitBlt(dst.hdc(), 4, 0, 2, 2, mem, 0, 0, win32::SRCCOPY));
  EXPECT_EQ(dst.at(4, 0), 0u);  // a new compatible bitmap is black
  win32::SelectObject(mem, old);
  win32::DeleteObject(bmp);
  win32::DeleteDC(mem);
  EXPECT_FALSE(win32::BitBlt(dst.hdc(), 0, 0, 1, 1, mem, 0, 0, win32::SRCCOPY));
}

}  // namespace
