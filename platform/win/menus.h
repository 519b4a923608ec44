#pragma once

// Menus under the platform's names, and the table that holds them.

#include <map>
#include <string>
#include <vector>

#include "platform/win/win_types.h"

namespace win32 {

constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_ENABLED = 0x0000;
constexpr UINT MF_GRAYED = 0x0001;
constexpr UINT MF_DISABLED = 0x0002;
constexpr UINT MF_CHECKED = 0x0008;
constexpr UINT MF_POPUP = 0x0010;
constexpr UINT MF_SEPARATOR = 0x0800;
constexpr UINT MF_BYCOMMAND = 0x0000;
constexpr UINT MF_BYPOSITION = 0x0400;

constexpr UINT TPM_LEFTALIGN = 0x0000;
constexpr UINT TPM_RIGHTBUTTON = 0x0002;
constexpr UINT TPM_NONOTIFY = 0x0080;
constexpr UINT TPM_RETURNCMD = 0x0100;

HMENU CreatePopupMenu();
BOOL DestroyMenu(HMENU menu);
BOOL IsMenu(HMENU menu);
// With MF_POPUP, `id` is the handle of the submenu the item opens.
BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR id, const char* text);
// Returns the previous state (MF_GRAYED/MF_DISABLED bits), or -1 when there is no such item.
int EnableMenuItem(HMENU menu, UINT item, UINT flags);
// Returns the previous check state (MF_CHECKED or 0), or -1 when there is no such item.
int CheckMenuItem(HMENU menu, UINT item, UINT flags);
int GetMenuItemCount(HMENU menu);
// A submenu item (MF_POPUP) gives the submenu's handle; 0 otherwise.
HMENU GetSubMenu(HMENU menu, int position);
UINT GetMenuState(HMENU menu, UINT item, UINT flags);
int GetMenuStringA(HMENU menu, UINT item, char* buffer, int size, UINT flags);
// The window's system menu with the standard commands, greyed as its style and show state
// say; `revert` TRUE puts the standard menu back and returns 0.
HMENU GetSystemMenu(HWND hwnd, BOOL revert);
// Shows a pop-up menu and waits for a choice. With TPM_RETURNCMD returns the chosen id (0
// when dismissed); otherwise posts WM_COMMAND, or WM_SYSCOMMAND for a system menu, to `owner`.
BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND owner,
                    const RECT* rect);

}  // namespace win32

namespace win {

struct MenuItem {
  win32::UINT flags = 0;
  win32::UINT_PTR id = 0;
  std::string text;
};

struct Menu {
  std::vector<MenuItem> items;
  win32::HWND system_owner = 0;  // set for a window's system menu
};

class MenuTable {
 public:
  win32::HMENU Create();
  Menu* Find(win32::HMENU menu);
  bool Destroy(win32::HMENU menu);
  // The item by command id or position, or null.
  MenuItem* Item(win32::HMENU menu, win32::UINT item, win32::UINT flags);

 private:
  std::map<win32::HMENU, Menu> menus_;
  win32::HMENU next_ = 0x20010;
};

}  // namespace win
