#include "paint.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace artgen {

Rgb Mix(Rgb a, Rgb b, double t) {
  return Rgb{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
Rgb Lighter(Rgb c, double t) {
  return Mix(c, Rgb{1, 1, 1}, t);
}
Rgb Darker(Rgb c, double t) {
  return Mix(c, Rgb{0, 0, 0}, t);
}

Canvas::Canvas(int width, int height, bool opaque)
    : width_(width),
      height_(height),
      opaque_(opaque),
      surface_(cairo_image_surface_create(opaque ? CAIRO_FORMAT_RGB24 : CAIRO_FORMAT_ARGB32, width,
                                          height)),
      cr_(cairo_create(surface_)) {
  if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS) {
    throw std::runtime_error("cannot create a canvas");
  }
  Clear(Rgb{1, 1, 1}, opaque ? 1.0 : 0.0);
}

Canvas::~Canvas() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

void Canvas::Set(int x, int y, Rgb c, double alpha) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  cairo_surface_flush(surface_);
  auto* row = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(surface_) +
                                               y * cairo_image_surface_get_stride(surface_));
  if (opaque_) alpha = 1.0;
  auto q = [alpha](double v) {
    return static_cast<std::uint32_t>(std::lround(std::clamp(v, 0.0, 1.0) * alpha * 255.0));
  };
  const std::uint32_t a = static_cast<std::uint32_t>(std::lround(alpha * 255.0));
  row[x] = (a << 24) | (q(c.r) << 16) | (q(c.g) << 8) | q(c.b);
  cairo_surface_mark_dirty(surface_);
}

Rgb Canvas::Get(int x, int y) const {
  cairo_surface_flush(surface_);
  const auto* row = reinterpret_cast<const std::uint32_t*>(
      cairo_image_surface_get_data(surface_) + y * cairo_image_surface_get_stride(surface_));
  const std::uint32_t p = row[x];
  double a = opaque_ ? 1.0 : ((p >> 24) & 0xFF) / 255.0;
  if (a == 0) return Rgb{};
  return Rgb{((p >> 16) & 0xFF) / 255.0 / a, ((p >> 8) & 0xFF) / 255.0 / a, (p & 0xFF) / 255.0 / a};
}

double Canvas::Alpha(int x, int y) const {
  if (opaque_) return 1.0;
  cairo_surface_flush(surface_);
  const auto* row = reinterpret_cast<const std::uint32_t*>(
      cairo_image_surface_get_data(surface_) + y * cairo_image_surface_get_stride(surface_));
  return ((row[x] >> 24) & 0xFF) / 255.0;
}

void Canvas::Clear(Rgb c, double alpha) {
  cairo_save(cr_);
  cairo_set_operator(cr_, CAIRO_OPERATOR_SOURCE);
  SetColor(cr_, c, alpha);
  cairo_paint(cr_);
  cairo_restore(cr_);
}

void Canvas::Paste(const Canvas& other, int x, int y) {
  cairo_save(cr_);
  cairo_set_source_surface(cr_, other.surface(), x, y);
  cairo_rectangle(cr_, x, y, other.width(), other.height());
  cairo_fill(cr_);
  cairo_restore(cr_);
}

void Output::Write(const std::string& slot, const Canvas& canvas) {
  const std::filesystem::path file = root_ / (slot + ".png");
  std::filesystem::create_directories(file.parent_path());
  cairo_surface_flush(canvas.surface());
  if (cairo_surface_write_to_png(canvas.surface(), file.c_str()) != CAIRO_STATUS_SUCCESS) {
    throw std::runtime_error("cannot write " + file.string());
  }
  ++count_;
}

void SetColor(cairo_t* cr, Rgb c, double alpha) {
  cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double tl, double tr,
                 double br, double bl) {
  constexpr double kPi = 3.14159265358979323846;
  cairo_new_sub_path(cr);
  if (tl > 0) {
    cairo_arc(cr, x + tl, y + tl, tl, kPi, 1.5 * kPi);
  } else {
    cairo_move_to(cr, x, y);
  }
  if (tr > 0) {
    cairo_arc(cr, x + w - tr, y + tr, tr, 1.5 * kPi, 2 * kPi);
  } else {
    cairo_line_to(cr, x + w, y);
  }
  if (br > 0) {
    cairo_arc(cr, x + w - br, y + h - br, br, 0, 0.5 * kPi);
  } else {
    cairo_line_to(cr, x + w, y + h);
  }
  if (bl > 0) {
    cairo_arc(cr, x + bl, y + h - bl, bl, 0.5 * kPi, kPi);
  } else {
    cairo_line_to(cr, x, y + h);
  }
  cairo_close_path(cr);
}

void FillVertical(cairo_t* cr, double y0, double y1, const std::vector<Stop>& stops) {
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
  for (const Stop& s : stops) {
    cairo_pattern_add_color_stop_rgba(p, s.at, s.c.r, s.c.g, s.c.b, s.alpha);
  }
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  cairo_new_path(cr);
}

void FillGlass(cairo_t* cr, double y, double h, const Glass& glass) {
  const double s = glass.split;
  FillVertical(cr, y, y + h,
               {{0, glass.top},
                {s, glass.upper},
                {std::min(1.0, s + 0.001), glass.lower},
                {1, glass.bottom}});
}

void Glow(cairo_t* cr, double cx, double cy, double rx, double ry, Rgb c, double alpha) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_pattern_t* p = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
  cairo_pattern_add_color_stop_rgba(p, 0, c.r, c.g, c.b, alpha);
  cairo_pattern_add_color_stop_rgba(p, 0.55, c.r, c.g, c.b, alpha * 0.55);
  cairo_pattern_add_color_stop_rgba(p, 1, c.r, c.g, c.b, 0);
  cairo_set_source(cr, p);
  cairo_paint(cr);
  cairo_pattern_destroy(p);
  cairo_restore(cr);
}

namespace {

// Glyph bitmaps, '#' marks an ink pixel.
const std::vector<std::string>& GlyphRows(Glyph glyph) {
  static const std::vector<std::string> minimise = {
      "########",
      "########",
  };
  static const std::vector<std::string> maximise = {
      "#########", "#########", "#.......#", "#.......#", "#.......#", "#.......#", "#########",
  };
  static const std::vector<std::string> restore = {
      "...#######", "...#######", "...#.....#", "#######..#",
      "#######..#", "#.....####", "#.....#...", "#######...",
  };
  static const std::vector<std::string> close = {
      "##....##", "###..###", ".######.", "..####..",
      "..####..", ".######.", "###..###", "##....##",
  };
  switch (glyph) {
    case Glyph::kMinimise:
      return minimise;
    case Glyph::kMaximise:
      return maximise;
    case Glyph::kRestore:
      return restore;
    case Glyph::kClose:
      break;
  }
  return close;
}

bool GlyphInkAt(const std::vector<std::string>& rows, int x, int y) {
  if (y < 0 || y >= static_cast<int>(rows.size())) return false;
  const std::string& row = rows[static_cast<std::size_t>(y)];
  return x >= 0 && x < static_cast<int>(row.size()) && row[static_cast<std::size_t>(x)] == '#';
}

void Blend(Canvas& canvas, int x, int y, Rgb c, double alpha) {
  if (x < 0 || y < 0 || x >= canvas.width() || y >= canvas.height()) return;
  const double a0 = canvas.Alpha(x, y);
  const double a = alpha + a0 * (1 - alpha);
  if (a <= 0) return;
  const Rgb under = canvas.Get(x, y);
  const Rgb out{(c.r * alpha + under.r * a0 * (1 - alpha)) / a,
                (c.g * alpha + under.g * a0 * (1 - alpha)) / a,
                (c.b * alpha + under.b * a0 * (1 - alpha)) / a};
  canvas.Set(x, y, out, a);
}

}  // namespace

int GlyphWidth(Glyph glyph) {
  int w = 0;
  for (const std::string& row : GlyphRows(glyph)) w = std::max(w, static_cast<int>(row.size()));
  return w;
}

int GlyphHeight(Glyph glyph) {
  return static_cast<int>(GlyphRows(glyph).size());
}

void DrawGlyph(Canvas& canvas, Glyph glyph, int x, int y, const GlyphInk& ink) {
  const auto& rows = GlyphRows(glyph);
  const int w = GlyphWidth(glyph);
  const int h = GlyphHeight(glyph);
  // The halo covers the pixels next to the ink (edge neighbours fully, corners half).
  for (int gy = -1; gy <= h; ++gy) {
    for (int gx = -1; gx <= w; ++gx) {
      if (GlyphInkAt(rows, gx, gy)) continue;
      bool edge = GlyphInkAt(rows, gx - 1, gy) || GlyphInkAt(rows, gx + 1, gy) ||
                  GlyphInkAt(rows, gx, gy - 1) || GlyphInkAt(rows, gx, gy + 1);
      bool corner = GlyphInkAt(rows, gx - 1, gy - 1) || GlyphInkAt(rows, gx + 1, gy - 1) ||
                    GlyphInkAt(rows, gx - 1, gy + 1) || GlyphInkAt(rows, gx + 1, gy + 1);
      if (edge) {
        Blend(canvas, x + gx, y + gy, ink.halo, ink.halo_alpha);
      } else if (corner) {
        Blend(canvas, x + gx, y + gy, ink.halo, ink.halo_alpha * 0.5);
      }
    }
  }
  for (int gy = 0; gy < h; ++gy) {
    for (int gx = 0; gx < w; ++gx) {
      if (GlyphInkAt(rows, gx, gy)) Blend(canvas, x + gx, y + gy, ink.ink, 1.0);
    }
  }
}

int SourceIndex(int t, int target_len, int src_len) {
  if (target_len <= 0) return 0;
  const int s = static_cast<int>(std::floor((t + 0.5) * src_len / target_len));
  return std::clamp(s, 0, src_len - 1);
}

namespace {
void SelectFace(cairo_t* cr, double size, bool bold) {
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                         bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, size);
}
}  // namespace

void DrawText(cairo_t* cr, const std::string& text, double x, double y, double size, bool bold,
              Rgb c, double alpha) {
  cairo_save(cr);
  SelectFace(cr, size, bold);
  SetColor(cr, c, alpha);
  cairo_move_to(cr, x, y);
  cairo_show_text(cr, text.c_str());
  cairo_new_path(cr);
  cairo_restore(cr);
}

double TextWidth(cairo_t* cr, const std::string& text, double size, bool bold) {
  cairo_save(cr);
  SelectFace(cr, size, bold);
  cairo_text_extents_t e;
  cairo_text_extents(cr, text.c_str(), &e);
  cairo_restore(cr);
  return e.x_advance;
}

}  // namespace artgen
