// Contact sheet of all artwork: every slot enlarged (nearest neighbour) on a labelled grid,
// grouped by control, once on a light and once on a dark background (side by side).

#include <cairo.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

struct Slot {
  std::string name;  // path below the artwork directory, without ".png"
  std::string group;
  cairo_surface_t* image;
  int width, height;
  double scale;
};

// Small slots are enlarged; long border strips are shown at half size (they are uniform
// along their length, so nothing is lost).
double ScaleFor(int w, int h) {
  const int m = std::max(w, h);
  if (h > 300) return 0.5;
  if (m <= 48) return 4;
  if (m <= 80) return 3;
  if (m <= 200) return 2;
  return 1;
}

std::string ScaleText(double scale) {
  return scale < 1 ? "1/2x" : std::to_string(static_cast<int>(scale)) + "x";
}

int Scaled(int length, double scale) {
  return static_cast<int>(length * scale + 0.5);
}

constexpr int kSheetWidth = 1400;
constexpr int kPad = 14;
constexpr int kLabel = 30;
constexpr int kHeader = 28;

struct Placed {
  const Slot* slot;
  int x, y;
};

// Lays the slots out in rows per group; returns the total height.
int Layout(const std::vector<Slot>& slots, std::vector<Placed>& placed,
           std::vector<std::pair<std::string, int>>& headers) {
  int y = kPad;
  std::string group;
  int x = kPad, row_h = 0;
  for (const Slot& s : slots) {
    const int cw = std::max(Scaled(s.width, s.scale), 110) + kPad;
    const int ch = Scaled(s.height, s.scale) + kLabel + kPad;
    if (s.group != group) {
      if (!group.empty()) y += row_h;
      group = s.group;
      headers.emplace_back(group, y);
      y += kHeader;
      x = kPad;
      row_h = 0;
    }
    if (x + cw > kSheetWidth && x > kPad) {
      y += row_h;
      x = kPad;
      row_h = 0;
    }
    placed.push_back({&s, x, y});
    x += cw;
    row_h = std::max(row_h, ch);
  }
  return y + row_h + kPad;
}

void Text(cairo_t* cr, const std::string& t, double x, double y, double size, bool bold) {
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                         bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, size);
  cairo_move_to(cr, x, y);
  cairo_show_text(cr, t.c_str());
  cairo_new_path(cr);
}

void Draw(cairo_t* cr, int left, int height, bool dark, const std::vector<Placed>& placed,
          const std::vector<std::pair<std::string, int>>& headers) {
  const double bg = dark ? 0.16 : 0.94, fg = dark ? 0.92 : 0.1, line = dark ? 0.35 : 0.7;
  cairo_rectangle(cr, left, 0, kSheetWidth, height);
  cairo_set_source_rgb(cr, bg, bg, bg);
  cairo_fill(cr);
  for (const auto& [name, y] : headers) {
    cairo_set_source_rgb(cr, fg, fg, fg);
    Text(cr, name + (dark ? "  (dark background)" : "  (light background)"), left + kPad, y + 18,
         15, true);
  }
  for (const Placed& p : placed) {
    const Slot& s = *p.slot;
    const int x = left + p.x;
    const int w = Scaled(s.width, s.scale), h = Scaled(s.height, s.scale);
    cairo_rectangle(cr, x - 0.5, p.y - 0.5, w + 1, h + 1);
    cairo_set_source_rgb(cr, line, line, line);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_translate(cr, x, p.y);
    cairo_scale(cr, s.scale, s.scale);
    cairo_set_source_surface(cr, s.image, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_rectangle(cr, 0, 0, s.width, s.height);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_set_source_rgb(cr, fg, fg, fg);
    const std::string leaf = s.name.substr(s.group.size() + 1);
    Text(cr, leaf, x, p.y + h + 13, 11, false);
    Text(cr,
         std::to_string(s.width) + " x " + std::to_string(s.height) + "  (" + ScaleText(s.scale) +
             ")",
         x, p.y + h + 25, 10, false);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <artwork directory> <sheet.png>\n", argv[0]);
    return 2;
  }
  const std::filesystem::path root = argv[1];
  std::vector<Slot> slots;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
    if (!entry.is_regular_file() || entry.path().extension() != ".png") continue;
    cairo_surface_t* image = cairo_image_surface_create_from_png(entry.path().c_str());
    if (cairo_surface_status(image) != CAIRO_STATUS_SUCCESS) {
      std::fprintf(stderr, "cannot read %s\n", entry.path().c_str());
      return 1;
    }
    std::string name = std::filesystem::relative(entry.path(), root).replace_extension().string();
    const std::string group = name.substr(0, name.rfind('/'));
    const int w = cairo_image_surface_get_width(image), h = cairo_image_surface_get_height(image);
    slots.push_back({name, group, image, w, h, ScaleFor(w, h)});
  }
  // Group by folder; within one, natural order (Image2 before Image10, index order).
  auto key = [](const std::string& n) {
    std::string k;
    for (std::size_t i = 0; i < n.size();) {
      if (std::isdigit(static_cast<unsigned char>(n[i]))) {
        std::size_t j = i;
        while (j < n.size() && std::isdigit(static_cast<unsigned char>(n[j]))) ++j;
        k += std::string(8 - std::min<std::size_t>(8, j - i), '0') + n.substr(i, j - i);
        i = j;
      } else {
        k += n[i++];
      }
    }
    return k;
  };
  std::sort(slots.begin(), slots.end(), [&](const Slot& a, const Slot& b) {
    if (a.group != b.group) return a.group < b.group;
    return key(a.name) < key(b.name);
  });
  std::vector<Placed> placed;
  std::vector<std::pair<std::string, int>> headers;
  const int half = Layout(slots, placed, headers);
  // Light half on the left, dark half on the right.
  cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 2 * kSheetWidth, half);
  cairo_t* cr = cairo_create(sheet);
  Draw(cr, 0, half, false, placed, headers);
  Draw(cr, kSheetWidth, half, true, placed, headers);
  cairo_destroy(cr);
  const cairo_status_t status = cairo_surface_write_to_png(sheet, argv[2]);
  cairo_surface_destroy(sheet);
  for (Slot& s : slots) cairo_surface_destroy(s.image);
  if (status != CAIRO_STATUS_SUCCESS) {
    std::fprintf(stderr, "cannot write %s\n", argv[2]);
    return 1;
  }
  std::printf("contact sheet of %zu pictures: %s\n", slots.size(), argv[2]);
  return 0;
}
