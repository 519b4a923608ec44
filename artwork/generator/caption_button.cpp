// Caption button faces: glass buttons hanging from the top of the title bar. Minimise,
// maximise (or restore) and close sit side by side as one group; only the group's lower outer
// corners are rounded, and the pixels outside them show the title bar behind the button.

#include <string>

#include "controls.h"

namespace artgen {

namespace {

constexpr int kFaceHeight = 18;
constexpr int kFaceTop = 1;  // the skin places the buttons one pixel below the top edge
constexpr double kCornerRadius = 3.5;

struct FaceLook {
  Glass glass;
  Rgb rim;
  bool glow = false;
  Rgb glow_color;
  double glow_alpha = 0;
  GlyphInk ink;
};

FaceLook PlainLook(Theme set, FaceState state) {
  const bool light = set == Theme::kVista;
  const GlyphInk dark_ink{C(28, 38, 52), C(255, 255, 255), 0.75};
  const GlyphInk white_ink{C(244, 246, 248), C(0, 0, 0), 0.65};
  switch (state) {
    case FaceState::kActive:
      if (light) {
        return {{C(251, 252, 253), C(229, 236, 241), C(205, 215, 224), C(226, 233, 239), 0.45},
                C(104, 120, 136),
                false,
                {},
                0,
                dark_ink};
      }
      return {{C(128, 131, 135), C(80, 84, 88), C(28, 30, 33), C(54, 58, 62), 0.45},
              C(6, 6, 8),
              false,
              {},
              0,
              white_ink};
    case FaceState::kHover:
      if (light) {
        return {{C(242, 250, 254), C(206, 236, 250), C(132, 206, 238), C(168, 230, 252), 0.45},
                C(64, 108, 140),
                true,
                C(70, 225, 255),
                0.85,
                dark_ink};
      }
      return {{C(132, 150, 160), C(70, 98, 114), C(8, 56, 82), C(36, 140, 184), 0.45},
              C(4, 10, 14),
              true,
              C(30, 200, 250),
              0.8,
              white_ink};
    case FaceState::kPressed:
      if (light) {
        return {{C(200, 224, 238), C(154, 196, 220), C(58, 138, 192), C(86, 176, 222), 0.45},
                C(34, 66, 98),
                true,
                C(0, 140, 210),
                0.8,
                dark_ink};
      }
      return {{C(88, 104, 114), C(48, 68, 80), C(4, 36, 56), C(16, 92, 132), 0.45},
              C(0, 4, 8),
              true,
              C(0, 118, 178),
              0.75,
              white_ink};
    case FaceState::kInactive:
      if (light) {
        return {{C(249, 250, 251), C(239, 242, 245), C(229, 234, 238), C(237, 241, 244), 0.45},
                C(150, 162, 173),
                false,
                {},
                0,
                {C(128, 138, 150), C(255, 255, 255), 0.55}};
      }
      return {{C(112, 114, 117), C(88, 90, 93), C(60, 62, 65), C(72, 74, 77), 0.45},
              C(38, 38, 40),
              false,
              {},
              0,
              {C(176, 178, 181), C(0, 0, 0), 0.4}};
    case FaceState::kDisabled:
      break;
  }
  // Disabled: the inactive glass with a faded glyph (light in the light set, dark grey in the
  // dark set).
  FaceLook look = PlainLook(set, FaceState::kInactive);
  look.ink = light ? GlyphInk{C(192, 200, 208), C(255, 255, 255), 0.45}
                   : GlyphInk{C(82, 84, 87), C(150, 152, 155), 0.25};
  return look;
}

FaceLook CloseLook(Theme set, FaceState state) {
  const bool light = set == Theme::kVista;
  const GlyphInk ink{C(255, 255, 255), C(96, 12, 0), 0.6};
  const Rgb rim = light ? C(104, 22, 12) : C(34, 6, 2);
  switch (state) {
    case FaceState::kActive:
      return {{C(238, 168, 152), C(214, 96, 76), C(188, 44, 24), C(214, 86, 56), 0.45},
              rim,
              false,
              {},
              0,
              ink};
    case FaceState::kHover:
      return {{C(255, 196, 180), C(240, 122, 96), C(224, 56, 24), C(250, 118, 60), 0.45},
              rim,
              true,
              C(255, 150, 80),
              0.8,
              ink};
    case FaceState::kPressed:
      return {{C(208, 128, 112), C(176, 62, 42), C(136, 22, 8), C(168, 48, 24), 0.45},
              Darker(rim, 0.3),
              true,
              C(206, 60, 20),
              0.6,
              ink};
    default:
      break;
  }
  return PlainLook(set, state);
}

Glyph GlyphOf(CaptionKind kind) {
  switch (kind) {
    case CaptionKind::kMinimise:
      return Glyph::kMinimise;
    case CaptionKind::kMaximise:
      return Glyph::kMaximise;
    case CaptionKind::kClose:
      return Glyph::kClose;
    case CaptionKind::kRestore:
      break;
  }
  return Glyph::kRestore;
}

}  // namespace

void PaintCaptionFace(Canvas& canvas, Theme set, CaptionKind kind, FaceState state) {
  cairo_t* cr = canvas.cr();
  const int w = canvas.width();
  const int h = canvas.height();
  // The faces are opaque: what lies outside the rounded corners is the title bar itself.
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) canvas.Set(x, y, TitleColor(set, kFaceTop + y));
  }
  const FaceLook look = kind == CaptionKind::kClose ? CloseLook(set, state) : PlainLook(set, state);
  const double bl = kind == CaptionKind::kMinimise ? kCornerRadius : 0;
  const double br = kind == CaptionKind::kClose ? kCornerRadius : 0;

  // Rim, then the glass one pixel inside it. The minimise face carries a rim on both sides
  // so the divider to the maximise face shows whichever of the two lies on top where they
  // overlap; maximise and restore leave their right edge to the close face's rim.
  const bool right_rim = kind == CaptionKind::kMinimise || kind == CaptionKind::kClose;
  RoundedRect(cr, 0, 0, w, h, 0, 0, br, bl);
  SetColor(cr, look.rim);
  cairo_fill(cr);

  const double inner_w = w - 1 - (right_rim ? 1 : 0);
  cairo_save(cr);
  RoundedRect(cr, 1, 1, inner_w, h - 2, 0, 0, br > 0 ? br - 1 : 0, bl > 0 ? bl - 1 : 0);
  cairo_clip_preserve(cr);
  FillGlass(cr, 1, h - 2, look.glass);
  if (look.glow)
    Glow(cr, 1 + inner_w / 2, h - 1.5, inner_w * 0.62, h * 0.62, look.glow_color, look.glow_alpha);
  // A faint bright line just inside the rim gives the glass its edge.
  RoundedRect(cr, 1.5, 1.5, inner_w - 1, h - 3, 0, 0, br > 0 ? br - 1.5 : 0, bl > 0 ? bl - 1.5 : 0);
  cairo_set_line_width(cr, 1);
  SetColor(cr, Rgb{1, 1, 1}, state == FaceState::kPressed ? 0.18 : 0.42);
  cairo_stroke(cr);
  cairo_restore(cr);

  const Glyph glyph = GlyphOf(kind);
  const int gw = GlyphWidth(glyph);
  const int gh = GlyphHeight(glyph);
  const int gx = 1 + (static_cast<int>(inner_w) - gw) / 2;
  const int gy = glyph == Glyph::kMinimise ? 10 : (h - gh) / 2;
  DrawGlyph(canvas, glyph, gx, gy, look.ink);
}

void GenerateCaptionButtons(Output& out) {
  // Face order within each theme's run: active, hover, pressed, inactive.
  const FaceState order[4] = {FaceState::kActive, FaceState::kHover, FaceState::kPressed,
                              FaceState::kInactive};
  auto run = [&](const std::string& array, CaptionKind kind, int width, bool with_disabled) {
    int index = 0;
    for (Theme set : {Theme::kVista, Theme::kBlack}) {
      for (FaceState state : order) {
        Canvas face(width, kFaceHeight, true);
        PaintCaptionFace(face, set, kind, state);
        out.Write("skin_parts/" + array + "_" + std::to_string(index++), face);
      }
      // The maximise array also holds each set's disabled face, after its four faces.
      if (with_disabled) {
        Canvas face(width, kFaceHeight, true);
        PaintCaptionFace(face, set, kind, FaceState::kDisabled);
        out.Write("skin_parts/" + array + "_" + std::to_string(index++), face);
      }
    }
  };
  run("CbMin", CaptionKind::kMinimise, 26, false);
  run("CbMax", CaptionKind::kMaximise, 26, true);
  run("CbRestore", CaptionKind::kRestore, 26, false);
  run("CbClose", CaptionKind::kClose, 42, false);
}

}  // namespace artgen
