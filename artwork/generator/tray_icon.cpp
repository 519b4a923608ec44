// The notification icon's built-in picture: a glossy blue badge with a white window.

#include "controls.h"

namespace artgen {

void GenerateTrayIcon(Output& out) {
  constexpr double kPi = 3.14159265358979323846;
  Canvas icon(48, 48, false);
  cairo_t* cr = icon.cr();
  // Badge with a dark rim.
  cairo_arc(cr, 24, 24, 22.5, 0, 2 * kPi);
  SetColor(cr, C(14, 48, 104));
  cairo_fill(cr);
  cairo_arc(cr, 24, 24, 21.5, 0, 2 * kPi);
  cairo_pattern_t* p = cairo_pattern_create_radial(24, 34, 2, 24, 26, 24);
  cairo_pattern_add_color_stop_rgb(p, 0, 0.45, 0.85, 1.0);
  cairo_pattern_add_color_stop_rgb(p, 0.6, 0.12, 0.42, 0.82);
  cairo_pattern_add_color_stop_rgb(p, 1, 0.05, 0.22, 0.52);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  // White window: outline, title band and a close mark.
  RoundedRect(cr, 12.5, 14.5, 23, 19, 2.5);
  cairo_set_line_width(cr, 2.5);
  SetColor(cr, Rgb{1, 1, 1});
  cairo_stroke(cr);
  cairo_rectangle(cr, 12.5, 14.5, 23, 5);
  cairo_fill(cr);
  cairo_rectangle(cr, 29, 15.5, 4, 3);
  SetColor(cr, C(220, 70, 50));
  cairo_fill(cr);
  // Gloss over the upper half.
  cairo_save(cr);
  cairo_arc(cr, 24, 24, 21.5, 0, 2 * kPi);
  cairo_clip(cr);
  cairo_new_path(cr);
  cairo_save(cr);
  cairo_translate(cr, 24, 13);
  cairo_scale(cr, 18, 11);
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_restore(cr);
  FillVertical(cr, 2, 24, {{0, Rgb{1, 1, 1}, 0.55}, {1, Rgb{1, 1, 1}, 0.04}});
  cairo_restore(cr);
  out.Write("tray_icon/Picture", icon);
}

}  // namespace artgen
