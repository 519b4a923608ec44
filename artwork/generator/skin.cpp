// The skin's design-time pictures: the frame pieces it carries before a theme is applied (the
// light theme's look at the sizes of the design) and the preview of a skinned window that
// covers the control until it attaches to its form.

#include <string>

#include "controls.h"

namespace artgen {

namespace {

constexpr int kW = 600;
constexpr int kH = 400;

struct Piece {
  const char* element;
  int width, height;
  int tx, ty, tw, th;
  bool stretched;
};

// A skinned window as the skin draws it: frame, caption buttons, icon and title text.
void WritePreview(Output& out) {
  constexpr int w = 390, h = 231;
  Canvas preview(w, h, true);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      preview.Set(
          x, y,
          InsideWindowShape(x, y, w, h) ? FrameColor(Theme::kVista, x, y, w, h) : Rgb{1, 1, 1});
    }
  }
  auto face = [&](CaptionKind kind, int width, int left) {
    Canvas f(width, 18, true);
    PaintCaptionFace(f, Theme::kVista, kind, FaceState::kActive);
    preview.Paste(f, left, 1);
  };
  face(CaptionKind::kMinimise, 26, w - 103);
  face(CaptionKind::kMaximise, 26, w - 79);
  face(CaptionKind::kClose, 42, w - 53);
  PaintProductMark(preview.cr(), 14, 7, 16);
  // Title text with its dark companion one pixel up and to the left.
  DrawText(preview.cr(), "Quorin Skin", 32, 19, 12, true, C(0, 0, 64));
  DrawText(preview.cr(), "Quorin Skin", 33, 20, 12, true, Rgb{1, 1, 1});
  out.Write("skin/beijin", preview);
}

}  // namespace

void GenerateSkin(Output& out) {
  const int title_w = kW - 22, side_h = kH - 41, bottom_w = kW - 24;
  // Pieces drawn flush with the window's right edge are cut where they end at that edge.
  const Piece pieces[] = {
      {"Title", 772, 27, 11, 0, title_w, 30, true},
      {"TitleLeft", 8, 35, 0, 0, 8, 35, false},
      {"TitleRight", 7, 35, kW - 7, 0, 7, 35, false},
      {"Left", 9, 493, 0, 30, 12, side_h, true},
      {"Right", 11, 493, kW - 12, 30, 14, side_h, true},
      {"Bottom", 772, 10, 12, kH - 11, bottom_w, 11, true},
      {"BottomLeft", 15, 10, 0, kH - 11, 15, 10, false},
      {"BottomRight", 15, 10, kW - 15, kH - 11, 15, 10, false},
  };
  for (const Piece& p : pieces) {
    Canvas canvas(p.width, p.height, true);
    PaintFramePiece(canvas, Theme::kVista, p.tx, p.ty, p.tw, p.th, p.stretched, kW, kH);
    out.Write("skin/" + std::string(p.element), canvas);
  }
  WritePreview(out);
}

}  // namespace artgen
