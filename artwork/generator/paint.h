#pragma once

// Drawing helpers shared by every control's artwork: colours, a cairo canvas that writes PNG,
// rounded rectangles, glass gradients, glows and the caption-button glyphs.

#include <cairo.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace artgen {

// A colour with components in 0..1.
struct Rgb {
  double r = 0, g = 0, b = 0;
};

constexpr Rgb C(int r, int g, int b) {
  return Rgb{r / 255.0, g / 255.0, b / 255.0};
}
Rgb Mix(Rgb a, Rgb b, double t);  // t = 0 gives a, 1 gives b
Rgb Lighter(Rgb c, double t);     // towards white
Rgb Darker(Rgb c, double t);      // towards black

// An image of fixed size. Opaque canvases are written as 24-bit PNG, the others with alpha.
class Canvas {
 public:
  Canvas(int width, int height, bool opaque);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  cairo_t* cr() const { return cr_; }
  cairo_surface_t* surface() const { return surface_; }
  int width() const { return width_; }
  int height() const { return height_; }
  bool opaque() const { return opaque_; }

  // Direct pixel access (straight, not premultiplied, alpha 0..1).
  void Set(int x, int y, Rgb c, double alpha = 1.0);
  Rgb Get(int x, int y) const;
  double Alpha(int x, int y) const;

  void Clear(Rgb c, double alpha = 1.0);
  // Paints another canvas at (x, y), unscaled.
  void Paste(const Canvas& other, int x, int y);

 private:
  int width_, height_;
  bool opaque_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

// Writes slots as <root>/<slot>.png and remembers their sizes for the check at the end.
class Output {
 public:
  explicit Output(std::filesystem::path root) : root_(std::move(root)) {}
  void Write(const std::string& slot, const Canvas& canvas);
  int count() const { return count_; }

 private:
  std::filesystem::path root_;
  int count_ = 0;
};

void SetColor(cairo_t* cr, Rgb c, double alpha = 1.0);

// Path of a rectangle with its own radius at each corner (top-left, top-right, bottom-right,
// bottom-left); a radius of 0 gives a square corner.
void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double tl, double tr,
                 double br, double bl);
inline void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  RoundedRect(cr, x, y, w, h, r, r, r, r);
}

// Glass: the upper part runs from `top` to `upper`, then at `split` (0..1 of the height) the
// colour steps down to `lower` and brightens again towards `bottom`. Fills the current path.
struct Glass {
  Rgb top, upper, lower, bottom;
  double split = 0.5;
};
void FillGlass(cairo_t* cr, double y, double h, const Glass& glass);

// An elliptic radial glow centred at (cx, cy), fading out at the radii; fills the current clip.
void Glow(cairo_t* cr, double cx, double cy, double rx, double ry, Rgb c, double alpha);

// Vertical linear gradient through the given stops (offset 0..1) over the current path.
struct Stop {
  double at;
  Rgb c;
  double alpha = 1.0;
};
void FillVertical(cairo_t* cr, double y0, double y1, const std::vector<Stop>& stops);

// Caption-button glyphs, drawn pixel-exact so they stay crisp at 1x. (x, y) is the top-left of
// the glyph's box; `halo` is a soft one-pixel ring that lifts the glyph off the glass.
enum class Glyph { kMinimise, kMaximise, kRestore, kClose };
struct GlyphInk {
  Rgb ink;
  Rgb halo;
  double halo_alpha;
};
void DrawGlyph(Canvas& canvas, Glyph glyph, int x, int y, const GlyphInk& ink);
// Width and height of a glyph's box, without its halo.
int GlyphWidth(Glyph glyph);
int GlyphHeight(Glyph glyph);

// Source index that the platform's stretching copy takes for target index t when a length
// of src_len is stretched to target_len (pixel centres, nearest).
int SourceIndex(int t, int target_len, int src_len);

// Draws a text line with the system sans-serif face; (x, y) is the baseline start.
void DrawText(cairo_t* cr, const std::string& text, double x, double y, double size, bool bold,
              Rgb c, double alpha = 1.0);
double TextWidth(cairo_t* cr, const std::string& text, double size, bool bold);

}  // namespace artgen
