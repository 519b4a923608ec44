#include "platform/win/menus.h"

#include <algorithm>
#include <cstring>

#include "platform/win/internal.h"
#include "platform/win/menus.h"

namespace win {

win32::HMENU MenuTable::Create() {
  win32::HMENU handle = next_;
  next_ += 2;
  menus_[handle] = Menu{};
  return handle;
}

Menu* MenuTable::Find(win32::HMENU menu) {
  auto it = menus_.find(menu);
  return it == menus_.end() ? nullptr : &it->second;
}

bool MenuTable::Destroy(win32::HMENU menu) {
  return menus_.erase(menu) > 0;
}

MenuItem* MenuTable::Item(win32::HMENU handle, win32::UINT item, win32::UINT flags) {
  Menu* menu = Find(handle);
  if (!menu) return nullptr;
  if (flags & win32::MF_BYPOSITION) {
    return item < menu->items.size() ? &menu->items[item] : nullptr;
  }
  for (MenuItem& entry : menu->items) {
    if (!(entry.flags & win32::MF_SEPARATOR) && entry.id == item) return &entry;
  }
  return nullptr;
}

}  // namespace win

namespace win32 {

using win::detail::Current;
using win::detail::Lookup;

HMENU CreatePopupMenu() {
  return Current().menus().Create();
}

BOOL DestroyMenu(HMENU menu) {
  win::Menu* found = Current().menus().Find(menu);
  if (!found) return FALSE;
  if (found->system_owner) {
    if (win::Window* w = Lookup(found->system_owner)) w->system_menu = 0;
  }
  return Current().menus().Destroy(menu) ? TRUE : FALSE;
}

BOOL IsMenu(HMENU menu) {
  return Current().menus().Find(menu) ? TRUE : FALSE;
}

BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR id, const char* text) {
  win::Menu* found = Current().menus().Find(menu);
  if (!found) return FALSE;
  win::MenuItem item;
  item.flags = flags;
  item.id = (flags & MF_SEPARATOR) ? 0 : id;
  item.text = (flags & MF_SEPARATOR) || !text ? "" : text;
  found->items.push_back(std::move(item));
  return TRUE;
}

int EnableMenuItem(HMENU menu, UINT item, UINT flags) {
  win::MenuItem* found = Current().menus().Item(menu, item, flags);
  if (!found) return -1;
  int previous = static_cast<int>(found->flags & (MF_GRAYED | MF_DISABLED));
  found->flags = (found->flags & ~(MF_GRAYED | MF_DISABLED)) | (flags & (MF_GRAYED | MF_DISABLED));
  return previous;
}

int CheckMenuItem(HMENU menu, UINT item, UINT flags) {
  win::MenuItem* found = Current().menus().Item(menu, item, flags);
  if (!found) return -1;
  int previous = static_cast<int>(found->flags & MF_CHECKED);
  found->flags = (found->flags & ~MF_CHECKED) | (flags & MF_CHECKED);
  return previous;
}

HMENU GetSubMenu(HMENU menu, int position) {
  if (position < 0) return 0;
  win::MenuItem* found = Current().menus().Item(menu, static_cast<UINT>(position), MF_BYPOSITION);
  if (!found || !(found->flags & MF_POPUP)) return 0;
  return Current().menus().Find(static_cast<HMENU>(found->id)) ? static_cast<HMENU>(found->id) : 0;
}

int GetMenuItemCount(HMENU menu) {
  win::Menu* found = Current().menus().Find(menu);
  return found ? static_cast<int>(found->items.size()) : -1;
}

UINT GetMenuState(HMENU menu, UINT item, UINT flags) {
  win::MenuItem* found = Current().menus().Item(menu, item, flags);
  return found ? found->flags : static_cast<UINT>(-1);
}

int GetMenuStringA(HMENU menu, UINT item, char* buffer, int size, UINT flags) {
  win::MenuItem* found = Current().menus().Item(menu, item, flags);
  if (!found) return 0;
  int n = static_cast<int>(found->text.size());
  if (buffer && size > 0) {
    n = std::min(n, size - 1);
    std::memcpy(buffer, found->text.data(), n);
    buffer[n] = 0;
  }
  return n;
}

HMENU GetSystemMenu(HWND hwnd, BOOL revert) {
  win::Window* window = Lookup(hwnd);
  if (!window) return 0;
  win::MenuTable& menus = Current().menus();
  if (revert) {
    if (window->system_menu) menus.Destroy(window->system_menu);
    window->system_menu = 0;
    return 0;
  }
  if (!window->system_menu || !menus.Find(window->system_menu)) {
    HMENU menu = menus.Create();
    menus.Find(menu)->system_owner = hwnd;
    AppendMenuA(menu, MF_STRING, SC_RESTORE, "&Restore");
    AppendMenuA(menu, MF_STRING, SC_MOVE, "&Move");
    AppendMenuA(menu, MF_STRING, SC_SIZE, "&Size");
    AppendMenuA(menu, MF_STRING, SC_MINIMIZE, "Mi&nimize");
    AppendMenuA(menu, MF_STRING, SC_MAXIMIZE, "Ma&ximize");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, SC_CLOSE, "&Close\tAlt+F4");
    window->system_menu = menu;
  }
  // The standard items follow the style and show state each time the menu is asked for.
  HMENU menu = window->system_menu;
  bool minimized = window->show_state == win::ShowState::kMinimized;
  bool maximized = window->show_state == win::ShowState::kMaximized;
  auto set = [&](WPARAM id, bool enabled) {
    EnableMenuItem(menu, static_cast<UINT>(id), enabled ? MF_ENABLED : MF_GRAYED);
  };
  set(SC_RESTORE, minimized || maximized);
  set(SC_MOVE, !maximized);
  set(SC_SIZE, (window->style & WS_THICKFRAME) && !minimized && !maximized);
  set(SC_MINIMIZE, (window->style & WS_MINIMIZEBOX) && !minimized);
  set(SC_MAXIMIZE, (window->style & WS_MAXIMIZEBOX) && !maximized);
  return menu;
}

}  // namespace win32
