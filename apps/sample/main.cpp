// Renders a sample of the drawing layer (lines, rectangles, edges, a nine-slice stretched
// picture and text) to sample.png in the folder given on the command line.

#include <cstdio>
#include <memory>
#include <string>

#include "platform/gfx/blit.h"
#include "platform/gfx/device_context.h"
#include "platform/gfx/gdi.h"
#include "platform/gfx/text.h"
#include "platform/vb/std_font.h"

namespace {

using namespace win32;

// A small glossy button picture: a blue rim, a light upper half and a deeper lower half.
vb::PixelBuffer GlossyButton() {
  vb::PixelBuffer p;
  p.width = 18;
  p.height = 21;
  p.pixels.resize(18 * 21);
  for (int y = 0; y < 21; ++y) {
    for (int x = 0; x < 18; ++x) {
      const bool rim = x == 0 || y == 0 || x == 17 || y == 20;
      const bool corner = (x == 0 || x == 17) && (y == 0 || y == 20);
      gfx::Argb c;
      if (corner) {
        c = 0;
      } else if (rim) {
        c = 0xFF3C5A8Cu;
      } else if (y < 10) {
        const int v = 250 - y * 3;
        c = 0xFF000000u | (v << 16) | (v << 8) | 255u;
      } else {
        const int v = 190 + (y - 10) * 4;
        c = 0xFF000000u | ((v - 40) << 16) | ((v - 10) << 8) | 250u;
      }
      p.pixels[y * 18 + x] = c;
    }
  }
  p.has_transparency = true;
  return p;
}

// Nine-slice stretch: corners unscaled, edges along their length, centre both ways.
void NineSlice(gfx::DeviceContext& dc, const vb::PixelBuffer& src, int x, int y, int w, int h) {
  const auto s = gfx::PixelSource::From(src);
  const int c = 3, sw = src.width, sh = src.height;
  gfx::StretchPixels(dc, x, y, c, c, s, 0, 0, c, c);
  gfx::StretchPixels(dc, x + w - c, y, c, c, s, sw - c, 0, c, c);
  gfx::StretchPixels(dc, x + w - c, y + h - c, c, c, s, sw - c, sh - c, c, c);
  gfx::StretchPixels(dc, x, y + h - c, c, c, s, 0, sh - c, c, c);
  gfx::StretchPixels(dc, x + c, y, w - 2 * c, c, s, c, 0, sw - 2 * c, c);
  gfx::StretchPixels(dc, x + w - c, y + c, c, h - 2 * c, s, sw - c, c, c, sh - 2 * c);
  gfx::StretchPixels(dc, x, y + c, c, h - 2 * c, s, 0, c, c, sh - 2 * c);
  gfx::StretchPixels(dc, x + c, y + h - c, w - 2 * c, c, s, c, sh - c, sw - 2 * c, c);
  gfx::StretchPixels(dc, x + c, y + c, w - 2 * c, h - 2 * c, s, c, c, sw - 2 * c, sh - 2 * c);
}

void Text(HDC hdc, const char* face, float size, bool bold, int x, int y, const std::string& s,
          COLORREF color = 0) {
  vb::StdFont font(face, size, bold);
  HFONT hfont = gfx::CreateFontFromStdFont(font);
  HGDIOBJ old = SelectObject(hdc, hfont);
  SetTextColor(hdc, color);
  SetBkMode(hdc, TRANSPARENT);
  TextOutA(hdc, x, y, s, -1);
  SelectObject(hdc, old);
  DeleteObject(hfont);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string folder = argc > 1 ? argv[1] : ".";
  auto bitmap = std::make_shared<gfx::Bitmap>(480, 320);
  HDC hdc = gfx::CreateDeviceContext(bitmap);
  gfx::DeviceContext& dc = *gfx::FindDeviceContext(hdc);

  RECT all{0, 0, 480, 320};
  FillRect(hdc, &all, GetSysColorBrush(vb::COLOR_BTNFACE));

  // A raised panel with a dotted focus rectangle.
  RECT panel{10, 10, 230, 150};
  FillRect(hdc, &panel, GetStockObject(WHITE_BRUSH));
  DrawEdge(hdc, &panel, EDGE_SUNKEN, BF_RECT);
  RECT focus{20, 110, 220, 140};
  DrawFocusRect(hdc, &focus);

  // Lines: a fan and the two arrow glyphs of a scroll button.
  HPEN pen = CreatePen(PS_SOLID, 1, vb::RGB(0, 90, 170));
  HGDIOBJ old_pen = SelectObject(hdc, pen);
  for (int i = 0; i <= 8; ++i) {
    MoveToEx(hdc, 20, 20, nullptr);
    LineTo(hdc, 20 + i * 10, 100);
    MoveToEx(hdc, 20, 20, nullptr);
    LineTo(hdc, 100, 20 + i * 10);
  }
  MoveToEx(hdc, 160, 40, nullptr);
  LineTo(hdc, 176, 24);
  MoveToEx(hdc, 160, 40, nullptr);
  LineTo(hdc, 176, 56);
  SelectObject(hdc, old_pen);
  DeleteObject(pen);

  // Filled and framed rectangles.
  HBRUSH orange = CreateSolidBrush(vb::RGB(240, 150, 40));
  RECT filled{120, 70, 160, 100};
  FillRect(hdc, &filled, orange);
  RECT framed{170, 70, 210, 100};
  FrameRect(hdc, &framed, orange);
  DeleteObject(orange);

  // Glossy buttons stretched from one 18 x 21 picture.
  const vb::PixelBuffer button = GlossyButton();
  NineSlice(dc, button, 250, 16, 113, 31);
  NineSlice(dc, button, 250, 60, 210, 61);
  NineSlice(dc, button, 380, 16, 80, 31);

  // Text in several faces, with an access-key prefix and ellipsis.
  Text(hdc, "Arial", 9.75f, true, 270, 24, "Glossy");
  Text(hdc, "Arial", 14, false, 300, 80, "Stretched", vb::RGB(20, 40, 90));
  Text(hdc, "MS Sans Serif", 8.25f, false, 20, 170, "MS Sans Serif 8.25 pt: The quick brown fox");
  Text(hdc, "Arial", 12, false, 20, 190, "Arial 12 pt: jumps over the lazy dog");
  Text(hdc, "Arial", 12, true, 20, 212, "Arial bold 12 pt", vb::RGB(160, 0, 0));
  Text(hdc, "Arial", 12, false, 20, 236, "通用 中文 (fallback)");

  vb::StdFont menu_font("Arial", 9, false);
  HFONT hmenu = gfx::CreateFontFromStdFont(menu_font);
  HGDIOBJ old_font = SelectObject(hdc, hmenu);
  SetBkMode(hdc, TRANSPARENT);
  RECT menu{250, 140, 330, 160};
  DrawTextA(hdc, "&File", -1, &menu, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  RECT edit{330, 140, 410, 160};
  DrawTextA(hdc, "&Edit", -1, &edit, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  RECT ellipsis{250, 170, 400, 190};
  DrawTextA(hdc, "A long caption that does not fit", -1, &ellipsis,
            DT_SINGLELINE | DT_WORD_ELLIPSIS);
  FrameRect(hdc, &ellipsis, GetStockObject(GRAY_BRUSH));
  SelectObject(hdc, old_font);
  DeleteObject(hmenu);

  const std::string path = folder + "/sample.png";
  if (!gfx::WritePng(*bitmap, path)) {
    std::fprintf(stderr, "could not write %s\n", path.c_str());
    return 1;
  }
  DeleteDC(hdc);
  std::printf("wrote %s\n", path.c_str());
  return 0;
}
