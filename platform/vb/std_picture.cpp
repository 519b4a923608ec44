#include "platform/vb/std_picture.h"

#include <atomic>
#include <unordered_map>

#include "platform/vb/units.h"

namespace vb {

namespace {
std::atomic<std::uint32_t> g_next_picture_handle{0x2000};

// Every live picture by its handle; entries leave with their picture.
std::unordered_map<std::uint32_t, StdPicture*>& LivePictures() {
  static std::unordered_map<std::uint32_t, StdPicture*> pictures;
  return pictures;
}
}  // namespace

StdPicture::StdPicture(PictureType type, std::shared_ptr<const PixelBuffer> pixels)
    : type_(type),
      pixels_(pixels ? std::move(pixels) : std::make_shared<const PixelBuffer>()),
      handle_(type == vbPicTypeNone ? 0 : g_next_picture_handle++),
      width_himetric_(PixelsToHimetric(pixels_->width, Display().dpi_x())),
      height_himetric_(PixelsToHimetric(pixels_->height, Display().dpi_y())) {
  if (handle_) LivePictures()[handle_] = this;
}

StdPicture::~StdPicture() {
  if (handle_) LivePictures().erase(handle_);
}

PictureRef FindPicture(std::uint32_t handle) {
  auto it = LivePictures().find(handle);
  if (it == LivePictures().end()) return nullptr;
  // Only pictures owned by a shared_ptr can be handed out.
  return std::static_pointer_cast<StdPicture>(it->second->weak_from_this().lock());
}

PictureRef MakeBitmapPicture(PixelBuffer pixels) {
  return std::make_shared<StdPicture>(vbPicTypeBitmap,
                                      std::make_shared<const PixelBuffer>(std::move(pixels)));
}

}  // namespace vb
