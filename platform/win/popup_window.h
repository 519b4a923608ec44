#pragma once

// One level of an open pop-up menu: its window, item layout and highlight.

#include <string>
#include <vector>

#include "platform/win/menus.h"

namespace win::menu {

struct Level {
  win32::HMENU menu = 0;
  std::vector<MenuItem> items;
  std::vector<win32::RECT> rects;  // item rectangles in client coordinates
  int highlight = -1;
  win32::HWND window = 0;
};

bool Selectable(const MenuItem& item);
bool OpensSubmenu(const MenuItem& item);
// The "&" letter of an item's text, lower case, or 0.
char AccessKey(const std::string& text);

// Lays the menu out and shows its window with the top-left corner at (x, y), moved to stay
// on the screen (a submenu that does not fit to the right opens to the left of `avoid`).
bool OpenLevel(Level& level, win32::HMENU menu, int x, int y, win32::HWND owner,
               const win32::RECT* avoid = nullptr);
void CloseLevel(Level& level);
void SetHighlight(Level& level, int index);
// The item under a screen point, or -1.
int ItemAt(const Level& level, win32::POINT screen);
win32::RECT ItemScreenRect(const Level& level, int index);
bool Contains(const Level& level, win32::POINT screen);

}  // namespace win::menu
