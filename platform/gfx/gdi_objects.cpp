#include "platform/gfx/gdi_objects.h"

#include "platform/gfx/device_context.h"

namespace gfx {

win32::HGDIOBJ GdiObjectTable::Add(GdiObject object, bool permanent) {
  const win32::HGDIOBJ handle = next_++;
  objects_.emplace(handle, Entry{std::move(object), permanent});
  return handle;
}

GdiObject* GdiObjectTable::Find(win32::HGDIOBJ handle) {
  auto it = objects_.find(handle);
  return it == objects_.end() ? nullptr : &it->second.object;
}

bool GdiObjectTable::Remove(win32::HGDIOBJ handle) {
  auto it = objects_.find(handle);
  if (it == objects_.end() || it->second.permanent) return false;
  objects_.erase(it);
  return true;
}

bool GdiObjectTable::IsPermanent(win32::HGDIOBJ handle) const {
  auto it = objects_.find(handle);
  return it != objects_.end() && it->second.permanent;
}

GdiObjectTable& GdiObjects() {
  static GdiObjectTable table;
  return table;
}

DeviceContext* FindDeviceContext(win32::HDC hdc) {
  auto* dc = GdiObjects().FindAs<std::shared_ptr<DeviceContext>>(hdc);
  return dc ? dc->get() : nullptr;
}

}  // namespace gfx
