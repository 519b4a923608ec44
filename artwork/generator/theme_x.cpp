// The theme holder's pictures: eight frame pieces per theme, cut from the frame model at the
// positions and stretches the skin gives them, and the holder's own face.

#include <string>

#include "controls.h"

namespace artgen {

namespace {

// Any window size works for the cut: the stretched pieces are uniform along their length.
constexpr int kW = 600;
constexpr int kH = 400;

struct Piece {
  const char* array;
  int width, height;   // picture size
  int tx, ty, tw, th;  // where the skin lays it out in a kW x kH window
  bool stretched;
};

void WriteTheme(Output& out, Theme theme, int first_index, const Piece (&pieces)[8]) {
  for (const Piece& p : pieces) {
    Canvas canvas(p.width, p.height, true);
    PaintFramePiece(canvas, theme, p.tx, p.ty, p.tw, p.th, p.stretched, kW, kH);
    // The inactive member holds the same picture as the active one.
    for (int i = first_index; i <= first_index + 1; ++i) {
      out.Write("skin/ThemeX/" + std::string(p.array) + "_" + std::to_string(i), canvas);
    }
  }
}

// A small window thumbnail for the holder's face.
void MiniWindow(cairo_t* cr, double x, double y, double w, double h, Theme theme) {
  const bool light = theme == Theme::kVista;
  RoundedRect(cr, x + 0.5, y + 0.5, w - 1, h - 1, 3);
  SetColor(cr, light ? C(92, 112, 128) : C(10, 10, 12));
  cairo_set_line_width(cr, 1);
  cairo_stroke_preserve(cr);
  if (light) {
    FillVertical(cr, y, y + h, {{0, C(222, 232, 238)}, {1, C(184, 200, 210)}});
  } else {
    FillVertical(
        cr, y, y + h,
        {{0, C(150, 152, 156)}, {0.2, C(90, 94, 98)}, {0.21, C(40, 42, 46)}, {1, C(70, 76, 82)}});
  }
  // Client area.
  cairo_rectangle(cr, x + 3, y + 10, w - 6, h - 13);
  SetColor(cr, Rgb{1, 1, 1});
  cairo_fill(cr);
  cairo_rectangle(cr, x + 2.5, y + 9.5, w - 5, h - 12);
  SetColor(cr, light ? C(128, 146, 160) : C(24, 26, 28));
  cairo_stroke(cr);
  // Caption buttons: two glass ones and a red one.
  RoundedRect(cr, x + w - 20, y + 1, 11, 6, 0, 0, 0, 1.5);
  SetColor(cr, light ? C(232, 238, 242) : C(80, 84, 88));
  cairo_fill(cr);
  RoundedRect(cr, x + w - 9, y + 1, 6, 6, 0, 0, 1.5, 0);
  SetColor(cr, C(204, 60, 36));
  cairo_fill(cr);
}

void WriteFace(Output& out) {
  Canvas face(74, 53, true);
  cairo_t* cr = face.cr();
  face.Clear(C(236, 240, 243));
  cairo_rectangle(cr, 0.5, 0.5, 73, 52);
  SetColor(cr, C(160, 170, 180));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  MiniWindow(cr, 5, 5, 40, 30, Theme::kVista);
  MiniWindow(cr, 29, 17, 40, 30, Theme::kBlack);
  out.Write("skin/ThemeX/beijinicon", face);
}

}  // namespace

void GenerateThemeX(Output& out) {
  const int title_w = kW - 22, side_h = kH - 30 - 11, bottom_w = kW - 24;
  const Piece vista[8] = {
      {"Image1", 160, 6, 11, 0, title_w, 30, true},
      {"Image2", 11, 30, 0, 0, 11, 30, false},
      {"Image3", 11, 30, kW - 11, 0, 11, 30, false},
      {"Image4", 10, 491, 0, 30, 12, side_h, true},
      {"Image5", 10, 330, kW - 12, 30, 14, side_h, true},
      {"Image6", 771, 11, 12, kH - 11, bottom_w, 11, true},
      {"Image7", 11, 10, kW - 12, kH - 11, 12, 11, false},
      {"Image8", 12, 10, 0, kH - 11, 12, 11, false},
  };
  const Piece black[8] = {
      {"Image1", 298, 30, 11, 0, title_w, 30, true},
      {"Image2", 11, 30, 0, 0, 11, 30, false},
      {"Image3", 11, 30, kW - 11, 0, 11, 30, false},
      {"Image4", 12, 278, 0, 30, 12, side_h, true},
      {"Image5", 14, 279, kW - 12, 30, 14, side_h, true},
      {"Image6", 391, 11, 12, kH - 11, bottom_w, 11, true},
      {"Image7", 12, 11, kW - 12, kH - 11, 12, 11, false},
      {"Image8", 12, 11, 0, kH - 11, 12, 11, false},
  };
  WriteTheme(out, Theme::kVista, 0, vista);
  WriteTheme(out, Theme::kBlack, 2, black);
  WriteFace(out);
}

}  // namespace artgen
