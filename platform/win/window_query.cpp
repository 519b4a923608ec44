#include <algorithm>

#include "platform/win/internal.h"

namespace win32 {

using win::detail::Lookup;
using win::detail::Windows;

BOOL GetWindowRect(HWND hwnd, RECT* rect) {
  win::Window* window = Windows().Find(hwnd);
  if (!window || !rect) return FALSE;
  *rect = Windows().ScreenRect(*window);
  return TRUE;
}

BOOL GetClientRect(HWND hwnd, RECT* rect) {
  win::Window* window = Windows().Find(hwnd);
  if (!window || !rect) return FALSE;
  RECT client = Windows().ClientInWindow(*window);
  *rect = {0, 0, client.right - client.left, client.bottom - client.top};
  return TRUE;
}

BOOL ScreenToClient(HWND hwnd, POINT* point) {
  win::Window* window = Windows().Find(hwnd);
  if (!window || !point) return FALSE;
  POINT origin = Windows().ClientOrigin(*window);
  point->x -= origin.x;
  point->y -= origin.y;
  return TRUE;
}

BOOL ClientToScreen(HWND hwnd, POINT* point) {
  win::Window* window = Windows().Find(hwnd);
  if (!window || !point) return FALSE;
  POINT origin = Windows().ClientOrigin(*window);
  point->x += origin.x;
  point->y += origin.y;
  return TRUE;
}

namespace {

// Whether a point in the window's parent coordinates hits the window itself.
bool Hits(const win::Window& window, POINT p) {
  if (!window.visible() || window.destroying) return false;
  if (window.layered() && (window.ex_style & WS_EX_TRANSPARENT)) return false;
  if (!PtInRect(&window.rect, p)) return false;
  if (window.region && !window.region->contains(p.x - window.rect.left, p.y - window.rect.top)) {
    return false;
  }
  return true;
}

// The deepest enabled, visible child under a point given in `parent`'s window coordinates.
HWND ChildAt(win::Window& parent, POINT in_window) {
  win::WindowManager& windows = Windows();
  RECT client = windows.ClientInWindow(parent);
  if (!PtInRect(&client, in_window)) return parent.handle;
  POINT in_client{in_window.x - client.left, in_window.y - client.top};
  for (HWND h : parent.children) {
    win::Window* child = windows.Find(h);
    if (!child || !Hits(*child, in_client)) continue;
    if (!child->enabled()) continue;  // disabled children let the point through
    return ChildAt(*child, {in_client.x - child->rect.left, in_client.y - child->rect.top});
  }
  return parent.handle;
}

}  // namespace

HWND WindowFromPoint(POINT point) {
  win::WindowManager& windows = Windows();
  for (HWND h : windows.top_level()) {
    win::Window* window = windows.Find(h);
    if (!window || !Hits(*window, point)) continue;
    return ChildAt(*window, {point.x - window->rect.left, point.y - window->rect.top});
  }
  return windows.desktop_window().handle;
}

HWND ChildWindowFromPoint(HWND parent, POINT point) {
  win::Window* window = Windows().Find(parent);
  if (!window) return 0;
  RECT client = Windows().ClientInWindow(*window);
  RECT area{0, 0, client.right - client.left, client.bottom - client.top};
  if (!PtInRect(&area, point)) return 0;
  for (HWND h : window->children) {
    win::Window* child = Windows().Find(h);
    if (child && PtInRect(&child->rect, point)) return h;
  }
  return parent;
}

HWND GetParent(HWND hwnd) {
  win::Window* window = Lookup(hwnd);
  if (!window) return 0;
  return window->parent ? window->parent : window->owner;
}

HWND SetParent(HWND hwnd, HWND new_parent) {
  win::WindowManager& windows = Windows();
  win::Window* window = Lookup(hwnd);
  if (!window) return 0;
  if (new_parent && !windows.Find(new_parent)) return 0;
  if (new_parent == hwnd || (new_parent && windows.IsAncestor(hwnd, new_parent))) return 0;
  HWND old = window->parent ? window->parent : windows.desktop_window().handle;
  windows.Damage(*window);
  windows.Unlink(*window);
  window->parent = windows.IsDesktop(new_parent) ? 0 : new_parent;
  windows.Insert(*window, HWND_TOP);
  windows.Damage(*window);
  win::detail::ShellWindowsChanged();
  return old;
}

HWND GetWindow(HWND hwnd, UINT relation) {
  win::WindowManager& windows = Windows();
  win::Window* window = windows.Find(hwnd);
  if (!window) return 0;
  if (relation == GW_OWNER) return window->owner;
  if (relation == GW_CHILD) return window->children.empty() ? 0 : window->children.front();
  if (windows.IsDesktop(hwnd)) return 0;
  auto& list = windows.Siblings(*window);
  auto it = std::find(list.begin(), list.end(), hwnd);
  if (it == list.end()) return 0;
  if (relation == GW_HWNDNEXT) return it + 1 == list.end() ? 0 : *(it + 1);
  if (relation == GW_HWNDPREV) return it == list.begin() ? 0 : *(it - 1);
  return 0;
}

}  // namespace win32
