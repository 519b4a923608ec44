#include "platform/gfx/region.h"

#include <algorithm>

namespace gfx {

namespace {

// pixman keeps 32-bit coordinates; clamp so an absurd rectangle cannot overflow its maths.
constexpr int kCoordLimit = 1 << 28;
int Clamp(int v) {
  return std::clamp(v, -kCoordLimit, kCoordLimit);
}

}  // namespace

Region::Region() {
  pixman_region32_init(&region_);
}

Region::Region(int left, int top, int right, int bottom) {
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  left = Clamp(left);
  right = Clamp(right);
  top = Clamp(top);
  bottom = Clamp(bottom);
  if (right > left && bottom > top) {
    pixman_region32_init_rect(&region_, left, top, static_cast<unsigned>(right - left),
                              static_cast<unsigned>(bottom - top));
  } else {
    pixman_region32_init(&region_);
  }
}

Region::Region(const win32::RECT& r) : Region(r.left, r.top, r.right, r.bottom) {}

Region::~Region() {
  pixman_region32_fini(&region_);
}

Region::Region(const Region& other) {
  pixman_region32_init(&region_);
  pixman_region32_copy(&region_, &other.region_);
}

Region& Region::operator=(const Region& other) {
  if (this != &other) pixman_region32_copy(&region_, &other.region_);
  return *this;
}

bool Region::empty() const {
  return !pixman_region32_not_empty(&region_);
}

int Region::rect_count() const {
  return pixman_region32_n_rects(&region_);
}

std::vector<win32::RECT> Region::rects() const {
  int n = 0;
  const pixman_box32_t* boxes = pixman_region32_rectangles(&region_, &n);
  std::vector<win32::RECT> out;
  out.reserve(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) out.push_back({boxes[i].x1, boxes[i].y1, boxes[i].x2, boxes[i].y2});
  return out;
}

win32::RECT Region::bounds() const {
  if (empty()) return {};
  const pixman_box32_t* b = pixman_region32_extents(&region_);
  return {b->x1, b->y1, b->x2, b->y2};
}

bool Region::contains(int x, int y) const {
  return pixman_region32_contains_point(&region_, x, y, nullptr);
}

bool Region::operator==(const Region& other) const {
  return pixman_region32_equal(&region_, &other.region_);
}

void Region::Union(const Region& other) {
  pixman_region32_union(&region_, &region_, &other.region_);
}
void Region::Intersect(const Region& other) {
  pixman_region32_intersect(&region_, &region_, &other.region_);
}
void Region::Subtract(const Region& other) {
  pixman_region32_subtract(&region_, &region_, &other.region_);
}
void Region::Xor(const Region& other) {
  Region both = *this;
  both.Intersect(other);
  Union(other);
  Subtract(both);
}
void Region::Offset(int dx, int dy) {
  pixman_region32_translate(&region_, dx, dy);
}
void Region::Clear() {
  pixman_region32_clear(&region_);
}

}  // namespace gfx
