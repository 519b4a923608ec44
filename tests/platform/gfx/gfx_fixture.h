#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <utility>

#include "platform/gfx/device_context.h"
#include "platform/gfx/gdi.h"

namespace gfx_test {

constexpr vb::COLORREF kWhite = 0xFFFFFF;

// A white bitmap with a device context drawing onto it.
class Surface {
 public:
  Surface(int w, int h) : bitmap_(std::make_shared<gfx::Bitmap>(w, h)) {
    hdc_ = gfx::CreateDeviceContext(bitmap_);
  }
  ~Surface() { win32::DeleteDC(hdc_); }
  win32::HDC hdc() const { return hdc_; }
  gfx::Bitmap& bitmap() { return *bitmap_; }
  vb::COLORREF at(int x, int y) const { return gfx::ColorrefFromArgb(bitmap_->pixel(x, y)); }

  // Every pixel that is not white.
  std::set<std::pair<int, int>> Ink() const {
    std::set<std::pair<int, int>> ink;
    for (int y = 0; y < bitmap_->height(); ++y) {
      for (int x = 0; x < bitmap_->width(); ++x) {
        if (at(x, y) != kWhite) ink.insert({x, y});
      }
    }
    return ink;
  }

 private:
  std::shared_ptr<gfx::Bitmap> bitmap_;
  win32::HDC hdc_;
};

}  // namespace gfx_test
