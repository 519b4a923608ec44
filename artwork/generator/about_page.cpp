// The about page's pictures: a banner, the product icon at three sizes and the pointer the
// link labels show.

#include <algorithm>
#include <string>
#include <vector>

#include "controls.h"

namespace artgen {

void PaintProductMark(cairo_t* cr, double x, double y, double size) {
  const double m = size * 0.06;
  const double ww = size - 2 * m;
  const double wh = ww * 0.86;
  const double wx = x + m;
  const double wy = y + (size - wh) / 2;
  const double r = size * 0.1;
  const double line = std::max(1.0, size / 24.0);
  const double title = wh * 0.3;
  cairo_save(cr);
  // Window body.
  RoundedRect(cr, wx, wy, ww, wh, r);
  FillVertical(cr, wy, wy + wh, {{0, C(255, 255, 255)}, {1, C(226, 236, 246)}});
  // Blue glass title bar.
  cairo_save(cr);
  RoundedRect(cr, wx, wy, ww, wh, r);
  cairo_clip(cr);
  cairo_rectangle(cr, wx, wy, ww, title);
  FillGlass(cr, wy, title, {C(150, 200, 245), C(60, 130, 215), C(24, 86, 178), C(64, 142, 224)});
  // Close button in the title bar.
  const double bw = title * 0.95, bh = title * 0.6;
  RoundedRect(cr, wx + ww - bw - line * 1.5, wy + line, bw, bh, 0, 0, bh * 0.3, bh * 0.3);
  FillGlass(cr, wy + line, bh, {C(246, 176, 160), C(220, 96, 74), C(192, 40, 20), C(226, 92, 60)});
  cairo_restore(cr);
  // Outline.
  RoundedRect(cr, wx + line / 2, wy + line / 2, ww - line, wh - line, r - line / 2);
  cairo_set_line_width(cr, line);
  SetColor(cr, C(30, 60, 100));
  cairo_stroke(cr);
  // A sheen across the lower body.
  if (size >= 24) {
    cairo_save(cr);
    RoundedRect(cr, wx, wy, ww, wh, r);
    cairo_clip(cr);
    cairo_move_to(cr, wx, wy + wh * 0.78);
    cairo_curve_to(cr, wx + ww * 0.35, wy + wh * 0.55, wx + ww * 0.7, wy + wh * 0.62, wx + ww,
                   wy + wh * 0.45);
    cairo_line_to(cr, wx + ww, wy + wh);
    cairo_line_to(cr, wx, wy + wh);
    cairo_close_path(cr);
    SetColor(cr, C(120, 176, 232), 0.35);
    cairo_fill(cr);
    cairo_restore(cr);
  }
  cairo_restore(cr);
}

namespace {

void WriteBanner(Output& out) {
  Canvas img(160, 120, true);
  cairo_t* cr = img.cr();
  cairo_rectangle(cr, 0, 0, 160, 120);
  FillVertical(cr, 0, 120, {{0, C(52, 112, 190)}, {0.55, C(22, 66, 140)}, {1, C(10, 34, 84)}});
  // Two soft light sweeps.
  for (int i = 0; i < 2; ++i) {
    cairo_move_to(cr, -10, 70 + i * 18);
    cairo_curve_to(cr, 40, 40 + i * 22, 110, 110 - i * 10, 170, 46 + i * 20);
    cairo_line_to(cr, 170, 60 + i * 20);
    cairo_curve_to(cr, 110, 122 - i * 10, 40, 56 + i * 22, -10, 86 + i * 18);
    cairo_close_path(cr);
    SetColor(cr, C(140, 200, 255), i == 0 ? 0.22 : 0.12);
    cairo_fill(cr);
  }
  PaintProductMark(cr, 52, 10, 56);
  const std::string name = "QuorinSkin";
  const double tw = TextWidth(cr, name, 16, true);
  DrawText(cr, name, (160 - tw) / 2 + 1, 95, 16, true, C(0, 20, 60), 0.6);
  DrawText(cr, name, (160 - tw) / 2, 94, 16, true, Rgb{1, 1, 1});
  const std::string tag = "skins for forms";
  const double gw = TextWidth(cr, tag, 9, false);
  DrawText(cr, tag, (160 - gw) / 2, 109, 9, false, C(200, 224, 255));
  out.Write("skin/about/Image1", img);
}

void WriteIcon(Output& out, const std::string& slot, int size) {
  Canvas icon(size, size, false);
  PaintProductMark(icon.cr(), 0, 0, size);
  out.Write(slot, icon);
}

// A pointing hand; '#' outline, 'o' fill, the fingertip (the hot spot) at (5, 0).
void WritePointer(Output& out) {
  const std::vector<std::string> hand = {
      "     ##          ", "    #oo#         ", "    #oo#         ", "    #oo#         ",
      "    #oo#         ", "    #oo###       ", "    #oo#oo###    ", "    #oo#oo#oo##  ",
      " ## #oo#oo#oo#o# ", "#oo##oooooooo#o# ", "#ooo#oooooooooo# ", " #ooooooooooooo# ",
      "  #oooooooooooo# ", "  #ooooooooooo#  ", "   #oooooooooo#  ", "   #ooooooooo#   ",
      "    #oooooooo#   ", "    #oooooooo#   ", "    ##########   ",
  };
  Canvas img(32, 32, false);
  for (std::size_t y = 0; y < hand.size(); ++y) {
    for (std::size_t x = 0; x < hand[y].size(); ++x) {
      const char c = hand[y][x];
      if (c == '#') img.Set(static_cast<int>(x), static_cast<int>(y), Rgb{0, 0, 0});
      if (c == 'o') img.Set(static_cast<int>(x), static_cast<int>(y), Rgb{1, 1, 1});
    }
  }
  out.Write("skin/about/Label1_0_MouseIcon", img);
}

}  // namespace

void GenerateAboutPage(Output& out) {
  WriteBanner(out);
  WriteIcon(out, "skin/about/Image2", 48);
  WriteIcon(out, "skin/about/Image2_32x32", 32);
  WriteIcon(out, "skin/about/Image2_24x24", 24);
  WritePointer(out);
}

}  // namespace artgen
