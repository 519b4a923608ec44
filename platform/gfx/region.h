#pragma once

#include <pixman.h>

#include <vector>

#include "platform/gfx/types.h"

namespace gfx {

// A set of pixels made of rectangles (left/top included, right/bottom excluded), on pixman.
class Region {
 public:
  Region();
  // A rectangle; a rectangle given with left > right or top > bottom is normalised.
  Region(int left, int top, int right, int bottom);
  explicit Region(const win32::RECT& rect);
  ~Region();
  Region(const Region& other);
  Region& operator=(const Region& other);

  bool empty() const;
  // Number of rectangles in the region's banded form.
  int rect_count() const;
  std::vector<win32::RECT> rects() const;
  win32::RECT bounds() const;
  bool contains(int x, int y) const;
  bool operator==(const Region& other) const;

  void Union(const Region& other);
  void Intersect(const Region& other);
  void Subtract(const Region& other);
  void Xor(const Region& other);
  void Offset(int dx, int dy);
  void Clear();

  const pixman_region32_t* raw() const { return &region_; }

 private:
  pixman_region32_t region_;
};

}  // namespace gfx
