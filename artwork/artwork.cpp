#include "artwork/artwork.h"

#include <algorithm>
#include <map>
#include <memory>
#include <mutex>
#include <span>

#include "artwork/artwork_data.h"
#include "platform/vb/error.h"

namespace artwork {

namespace {

// Slots that stand for icons (the product icon, the link pointer, the notification icon):
// the controls that take them accept only icon pictures.
bool IsIconSlot(std::string_view slot) {
  return slot == "tray_icon/Picture" || slot == "skin/about/Label1_0_MouseIcon" ||
         slot.starts_with("skin/about/Image2");
}

struct Registry {
  std::mutex mutex;
  std::map<std::string, vb::PictureRef, std::less<>> decoded;
};

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

const data::Entry* Find(std::string_view slot) {
  const std::span<const data::Entry> entries = data::Entries();
  const data::Entry* begin = entries.data();
  const data::Entry* end = begin + entries.size();
  const data::Entry* it = std::lower_bound(
      begin, end, slot,
      [](const data::Entry& e, std::string_view s) { return std::string_view(e.slot) < s; });
  return it != end && std::string_view(it->slot) == slot ? it : nullptr;
}

}  // namespace

vb::PictureRef Picture(std::string_view slot) {
  Registry& registry = TheRegistry();
  std::lock_guard lock(registry.mutex);
  if (auto it = registry.decoded.find(slot); it != registry.decoded.end()) return it->second;
  const data::Entry* entry = Find(slot);
  if (entry == nullptr) throw vb::Error(vb::kInvalidPicture, std::string(slot));
  vb::PictureRef picture =
      vb::LoadPictureFromMemory(std::span<const std::uint8_t>(entry->bytes, entry->size));
  if (IsIconSlot(slot)) {
    picture = std::make_shared<vb::StdPicture>(vb::vbPicTypeIcon, picture->Pixels());
  }
  registry.decoded.emplace(std::string(slot), picture);
  return picture;
}

std::vector<std::string> Slots() {
  std::vector<std::string> slots;
  slots.reserve(data::Entries().size());
  for (const data::Entry& entry : data::Entries()) slots.emplace_back(entry.slot);
  return slots;
}

}  // namespace artwork
