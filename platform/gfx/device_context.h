#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/gdi_objects.h"
#include "platform/gfx/region.h"
#include "platform/gfx/types.h"

namespace gfx {

// Background modes and the default colours of a new device context.
constexpr int kTransparent = 1;
constexpr int kOpaque = 2;

// Drawing state over a target bitmap: selected pen, brush, font and bitmap, text and
// background colours, background mode, clip region and origin. Logical coordinates plus the
// origin give device (bitmap) coordinates; every pixel written is clipped to the bitmap and
// to the clip region.
class DeviceContext {
 public:
  explicit DeviceContext(std::shared_ptr<Bitmap> target);

  Bitmap& target() { return *target_; }
  const std::shared_ptr<Bitmap>& target_ref() const { return target_; }
  void set_target(std::shared_ptr<Bitmap> target);

  // Selected objects, with the handles they were selected by (0 for the defaults).
  Pen pen;
  Brush brush{false, 0xFFFFFF};
  std::shared_ptr<const LogicalFont> font;
  win32::HPEN pen_handle = 0;
  win32::HBRUSH brush_handle = 0;
  win32::HFONT font_handle = 0;
  win32::HBITMAP bitmap_handle = 0;

  vb::COLORREF text_color = 0x000000;
  vb::COLORREF bk_color = 0xFFFFFF;
  int bk_mode = kOpaque;
  win32::POINT origin;    // device position of logical (0, 0)
  win32::POINT position;  // current position for LineTo, logical

  // Clip region in device coordinates; none means the whole bitmap.
  const std::optional<Region>& clip() const { return clip_; }
  void set_clip(std::optional<Region> clip);
  // The region drawing may touch: bitmap bounds, intersected with the clip region.
  const Region& drawable() const;

  // Device-coordinate primitives, all clipped.
  void FillDeviceRect(const win32::RECT& rect, Argb color);
  void SetDevicePixel(int x, int y, Argb color);
  void InvertDevicePixel(int x, int y);
  // Inverts every drawable pixel of a device rectangle.
  void InvertDeviceRect(const win32::RECT& rect);
  bool IsDrawable(int x, int y) const;
  // The parts of a device rectangle that drawing may touch, as disjoint boxes.
  std::vector<win32::RECT> ClipBoxes(const win32::RECT& rect) const;
  // Blends `color` through an 8-bit coverage mask whose top-left lands at device (x, y).
  void BlendCoverage(int x, int y, const std::uint8_t* coverage, int width, int height, int stride,
                     vb::COLORREF color);

  win32::POINT ToDevice(int x, int y) const { return {x + origin.x, y + origin.y}; }
  win32::RECT ToDevice(const win32::RECT& r) const {
    return {r.left + origin.x, r.top + origin.y, r.right + origin.x, r.bottom + origin.y};
  }

 private:
  // Recomputes the drawable area when the clip or the target's size changed (a window's
  // surface is resized in place while its device context lives on).
  void UpdateDrawable() const;
  void RefreshDrawable() const {
    if (target_->width() != drawable_width_ || target_->height() != drawable_height_) {
      UpdateDrawable();
    }
  }

  std::shared_ptr<Bitmap> target_;
  std::optional<Region> clip_;
  mutable Region drawable_;
  // The drawable area when it is one rectangle (the usual case), for a fast clip.
  mutable std::optional<win32::RECT> drawable_rect_;
  mutable int drawable_width_ = -1;
  mutable int drawable_height_ = -1;
};

// Makes a device context drawing onto `target` and returns its handle (the window system
// makes one per window surface this way).
win32::HDC CreateDeviceContext(std::shared_ptr<Bitmap> target);

}  // namespace gfx
