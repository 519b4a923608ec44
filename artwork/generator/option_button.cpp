// Option button boxes: two sets of eight 13 x 13 circles. The XP set keeps its corners
// transparent so the box's background colour shows; the Vista set is opaque on white.

#include <string>

#include "controls.h"

namespace artgen {

namespace {

constexpr int kSize = 13;
constexpr double kCentre = 6.5;
constexpr double kPi = 3.14159265358979323846;

struct BoxLook {
  Rgb ring;
  Rgb inner_ring;  // a soft ring just inside the ring
  double inner_ring_alpha;
  Rgb light, dark;  // interior gradient, top-left to bottom-right
  bool dot;
  Rgb dot_light, dot_dark;
};

void Paint(Canvas& canvas, const BoxLook& look) {
  cairo_t* cr = canvas.cr();
  // Ring: one pixel wide, from radius 5.5 to 6.5, so it lands on whole pixels at the top,
  // bottom and sides and only the curve between them is smoothed.
  cairo_arc(cr, kCentre, kCentre, 6.5, 0, 2 * kPi);
  SetColor(cr, look.ring);
  cairo_fill(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(2, 2, 11, 11);
  cairo_pattern_add_color_stop_rgb(p, 0, look.light.r, look.light.g, look.light.b);
  cairo_pattern_add_color_stop_rgb(p, 1, look.dark.r, look.dark.g, look.dark.b);
  cairo_arc(cr, kCentre, kCentre, 5.5, 0, 2 * kPi);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  if (look.inner_ring_alpha > 0) {
    cairo_arc(cr, kCentre, kCentre, 5.0, 0, 2 * kPi);
    cairo_set_line_width(cr, 1.0);
    SetColor(cr, look.inner_ring, look.inner_ring_alpha);
    cairo_stroke(cr);
  }
  if (look.dot) {
    cairo_pattern_t* d = cairo_pattern_create_radial(5.6, 5.6, 0.3, kCentre, kCentre, 3);
    cairo_pattern_add_color_stop_rgb(d, 0, look.dot_light.r, look.dot_light.g, look.dot_light.b);
    cairo_pattern_add_color_stop_rgb(d, 1, look.dot_dark.r, look.dot_dark.g, look.dot_dark.b);
    cairo_arc(cr, kCentre, kCentre, 2.9, 0, 2 * kPi);
    cairo_set_source(cr, d);
    cairo_fill(cr);
    cairo_pattern_destroy(d);
  }
}

BoxLook WithDot(BoxLook look, Rgb light, Rgb dark) {
  look.dot = true;
  look.dot_light = light;
  look.dot_dark = dark;
  return look;
}

void WriteSet(Output& out, const std::string& array, const BoxLook (&plain)[4],
              const BoxLook (&selected)[4], bool opaque) {
  for (int i = 0; i < 8; ++i) {
    Canvas canvas(kSize, kSize, opaque);
    Paint(canvas, i < 4 ? plain[i] : selected[i - 4]);
    out.Write("option_button/" + array + "_" + std::to_string(i), canvas);
  }
}

}  // namespace

void GenerateOptionButton(Output& out) {
  const Rgb white{1, 1, 1};
  // XPStyle: rest, hover, pressed, disabled.
  const BoxLook xp[4] = {
      {C(28, 81, 128), white, 0, C(255, 255, 255), C(220, 220, 212), false, {}, {}},
      {C(214, 136, 24), C(255, 204, 98), 1.0, C(255, 255, 255), C(246, 244, 236), false, {}, {}},
      {C(28, 81, 128), white, 0, C(178, 178, 168), C(228, 227, 220), false, {}, {}},
      {C(202, 200, 187), white, 0, C(246, 245, 238), C(240, 239, 232), false, {}, {}},
  };
  const Rgb green_light = C(120, 230, 110), green_dark = C(20, 140, 30);
  const BoxLook xp_selected[4] = {
      WithDot(xp[0], green_light, green_dark),
      WithDot(xp[1], green_light, green_dark),
      WithDot(xp[2], green_light, green_dark),
      WithDot(xp[3], C(214, 212, 200), C(172, 170, 158)),
  };
  // VistaStyle.
  const BoxLook vista[4] = {
      {C(128, 129, 130), white, 0.6, C(246, 246, 246), C(206, 206, 206), false, {}, {}},
      {C(60, 127, 177), white, 0.6, C(232, 248, 255), C(170, 222, 250), false, {}, {}},
      {C(30, 70, 118), white, 0.4, C(206, 236, 252), C(128, 196, 236), false, {}, {}},
      {C(196, 196, 196), white, 0, C(246, 246, 246), C(236, 236, 236), false, {}, {}},
  };
  const BoxLook vista_selected[4] = {
      WithDot(vista[0], C(110, 170, 240), C(20, 72, 168)),
      WithDot(vista[1], C(150, 210, 255), C(24, 120, 240)),
      WithDot(vista[2], C(96, 156, 230), C(14, 60, 150)),
      WithDot(vista[3], C(210, 226, 244), C(168, 194, 226)),
  };
  WriteSet(out, "img", xp, xp_selected, false);
  WriteSet(out, "img2", vista, vista_selected, true);
}

}  // namespace artgen
