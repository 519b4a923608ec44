#include "platform/host/services/menu_adapter.h"

#include <vector>

#include "platform/host/form/form.h"

namespace host {

std::shared_ptr<VB::Menu> TrackMenu(VB::Menu& menu, win32::POINT screen, win32::HWND owner,
                                    std::int32_t flags) {
  win32::HMENU popup = win32::CreatePopupMenu();
  if (!popup) return nullptr;
  std::vector<std::shared_ptr<VB::Menu>> shown;
  for (const auto& item : menu.items()) {
    if (!item->Visible()) continue;
    if (item->separator()) {
      win32::AppendMenuA(popup, win32::MF_SEPARATOR, 0, nullptr);
      continue;
    }
    shown.push_back(item);
    win32::UINT f = win32::MF_STRING;
    if (!item->Enabled() || !item->items().empty()) f |= win32::MF_GRAYED;
    if (item->Checked()) f |= win32::MF_CHECKED;
    win32::AppendMenuA(popup, f, shown.size(), item->Caption().c_str());
  }
  win32::UINT track = win32::TPM_RETURNCMD | win32::TPM_NONOTIFY;
  if (flags & VB::vbPopupMenuRightButton) track |= win32::TPM_RIGHTBUTTON;
  auto keep = menu.SharedAs<VB::Menu>();
  win32::BOOL id = win32::TrackPopupMenu(popup, track, screen.x, screen.y, 0, owner, nullptr);
  win32::DestroyMenu(popup);
  if (id <= 0 || static_cast<std::size_t>(id) > shown.size()) return nullptr;
  return shown[static_cast<std::size_t>(id) - 1];
}

}  // namespace host
