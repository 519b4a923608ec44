#include "platform/vb/std_picture.h"

#include <atomic>

#include "platform/vb/units.h"

namespace vb {

namespace {
std::atomic<std::uint32_t> g_next_picture_handle{0x2000};
}

StdPicture::StdPicture(PictureType type, std::shared_ptr<const PixelBuffer> pixels)
    : type_(type),
      pixels_(pixels ? std::move(pixels) : std::make_shared<const PixelBuffer>()),
      handle_(type == vbPicTypeNone ? 0 : g_next_picture_handle++),
      width_himetric_(PixelsToHimetric(pixels_->width, Display().dpi_x())),
      height_himetric_(PixelsToHimetric(pixels_->height, Display().dpi_y())) {}

PictureRef MakeBitmapPicture(PixelBuffer pixels) {
  return std::make_shared<StdPicture>(vbPicTypeBitmap,
                                      std::make_shared<const PixelBuffer>(std::move(pixels)));
}

}  // namespace vb
