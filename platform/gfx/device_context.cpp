#include "platform/gfx/device_context.h"

#include <algorithm>

namespace gfx {

DeviceContext::DeviceContext(std::shared_ptr<Bitmap> target)
    : target_(target ? std::move(target) : std::make_shared<Bitmap>(1, 1)) {
  UpdateDrawable();
}

void DeviceContext::set_target(std::shared_ptr<Bitmap> target) {
  target_ = target ? std::move(target) : std::make_shared<Bitmap>(1, 1);
  UpdateDrawable();
}

void DeviceContext::set_clip(std::optional<Region> clip) {
  clip_ = std::move(clip);
  UpdateDrawable();
}

const Region& DeviceContext::drawable() const {
  RefreshDrawable();
  return drawable_;
}

void DeviceContext::UpdateDrawable() const {
  drawable_width_ = target_->width();
  drawable_height_ = target_->height();
  drawable_ = Region(0, 0, drawable_width_, drawable_height_);
  if (clip_) drawable_.Intersect(*clip_);
  drawable_rect_.reset();
  if (drawable_.rect_count() <= 1) drawable_rect_ = drawable_.bounds();
}

std::vector<win32::RECT> DeviceContext::ClipBoxes(const win32::RECT& rect) const {
  if (rect.right <= rect.left || rect.bottom <= rect.top) return {};
  RefreshDrawable();
  if (drawable_rect_) {
    win32::RECT r;
    if (!win32::IntersectRect(&r, &rect, &*drawable_rect_)) return {};
    return {r};
  }
  Region area(rect);
  area.Intersect(drawable_);
  return area.rects();
}

bool DeviceContext::IsDrawable(int x, int y) const {
  RefreshDrawable();
  return drawable_.contains(x, y);
}

void DeviceContext::FillDeviceRect(const win32::RECT& rect, Argb color) {
  Bitmap& bitmap = *target_;
  for (const win32::RECT& box : ClipBoxes(rect)) {
    pixman_fill(bitmap.row(0), bitmap.stride_pixels(), 32, box.left, box.top, box.width(),
                box.height(), color);
  }
}

void DeviceContext::SetDevicePixel(int x, int y, Argb color) {
  if (IsDrawable(x, y)) target_->row(y)[x] = color;
}

void DeviceContext::InvertDevicePixel(int x, int y) {
  if (IsDrawable(x, y)) target_->row(y)[x] ^= 0x00FFFFFFu;
}

void DeviceContext::InvertDeviceRect(const win32::RECT& rect) {
  for (const win32::RECT& box : ClipBoxes(rect)) {
    for (int y = box.top; y < box.bottom; ++y) {
      Argb* row = target_->row(y);
      for (int x = box.left; x < box.right; ++x) row[x] ^= 0x00FFFFFFu;
    }
  }
}

void DeviceContext::BlendCoverage(int x, int y, const std::uint8_t* coverage, int width, int height,
                                  int stride, vb::COLORREF color) {
  if (!coverage || width <= 0 || height <= 0) return;
  const std::uint32_t r = color & 0xFF;
  const std::uint32_t g = (color >> 8) & 0xFF;
  const std::uint32_t b = (color >> 16) & 0xFF;
  for (const win32::RECT& box : ClipBoxes({x, y, x + width, y + height})) {
    for (int py = box.top; py < box.bottom; ++py) {
      const std::uint8_t* mask = coverage + static_cast<std::ptrdiff_t>(py - y) * stride;
      Argb* out = target_->row(py);
      for (int px = box.left; px < box.right; ++px) {
        const std::uint32_t a = mask[px - x];
        if (a == 0) continue;
        const Argb d = out[px];
        const std::uint32_t inv = 255 - a;
        auto mix = [&](std::uint32_t src, std::uint32_t dst) {
          return (src * a + dst * inv + 127) / 255;
        };
        const std::uint32_t da = d >> 24;
        out[px] = (mix(255, da) << 24) | (mix(r, (d >> 16) & 0xFF) << 16) |
                  (mix(g, (d >> 8) & 0xFF) << 8) | mix(b, d & 0xFF);
      }
    }
  }
}

win32::HDC CreateDeviceContext(std::shared_ptr<Bitmap> target) {
  auto dc = std::make_shared<DeviceContext>(std::move(target));
  SelectDefaultObjects(*dc);
  return GdiObjects().Add(std::move(dc));
}

}  // namespace gfx
