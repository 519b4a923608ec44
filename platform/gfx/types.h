#pragma once

#include <cstdint>

namespace win32 {

using LONG = std::int32_t;
using BOOL = int;
using UINT = std::uint32_t;
using DWORD = std::uint32_t;
constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

struct POINT {
  LONG x = 0;
  LONG y = 0;
  bool operator==(const POINT&) const = default;
};

struct SIZE {
  LONG cx = 0;
  LONG cy = 0;
  bool operator==(const SIZE&) const = default;
};

// A rectangle that includes left and top and excludes right and bottom.
struct RECT {
  LONG left = 0;
  LONG top = 0;
  LONG right = 0;
  LONG bottom = 0;
  LONG width() const { return right - left; }
  LONG height() const { return bottom - top; }
  bool operator==(const RECT&) const = default;
};

// The platform's rectangle helpers.
BOOL SetRect(RECT* rect, LONG left, LONG top, LONG right, LONG bottom);
BOOL SetRectEmpty(RECT* rect);
BOOL CopyRect(RECT* dst, const RECT* src);
BOOL IsRectEmpty(const RECT* rect);
BOOL EqualRect(const RECT* a, const RECT* b);
BOOL OffsetRect(RECT* rect, LONG dx, LONG dy);
BOOL InflateRect(RECT* rect, LONG dx, LONG dy);
BOOL PtInRect(const RECT* rect, POINT point);
// Both return FALSE (and an empty result) when the result is empty.
BOOL IntersectRect(RECT* dst, const RECT* a, const RECT* b);
BOOL UnionRect(RECT* dst, const RECT* a, const RECT* b);

}  // namespace win32
