#pragma once

#include <functional>
#include <set>
#include <unordered_map>
#include <vector>

#include "platform/win/window.h"

namespace win {

class Desktop;

// Every window of a desktop by handle, their tree and z-order, and geometry helpers.
// Handles are never reused, so a stale handle finds nothing.
class WindowManager {
 public:
  static constexpr int kMaxSurfaceSize = 4096;

  explicit WindowManager(Desktop& desktop);
  ~WindowManager();
  WindowManager(const WindowManager&) = delete;
  WindowManager& operator=(const WindowManager&) = delete;

  Window* Find(win32::HWND hwnd);
  WindowRef Ref(win32::HWND hwnd);
  Window& desktop_window() { return *desktop_window_; }
  bool IsDesktop(win32::HWND hwnd) const { return hwnd == desktop_window_->handle; }

  WindowRef Add(std::shared_ptr<Window> window);
  void Remove(win32::HWND hwnd);
  std::size_t size() const { return windows_.size(); }

  // The z-order list the window is in: its parent's children or the top-level list.
  std::vector<win32::HWND>& Siblings(const Window& window);
  void Unlink(Window& window);
  // Puts the window into its sibling list after `after` (HWND_TOP, HWND_BOTTOM, a sibling),
  // keeping top-level topmost windows in front of the others.
  void Insert(Window& window, win32::HWND after);
  // Top-level windows, front first.
  const std::vector<win32::HWND>& top_level() const { return desktop_window_->children; }

  // Geometry: the client area in window coordinates, screen positions.
  win32::RECT ClientInWindow(const Window& window) const;
  win32::POINT ClientOrigin(const Window& window);
  win32::RECT ScreenRect(const Window& window);
  Window* TopLevelOf(Window& window);
  // Visible, with every ancestor visible.
  bool ShownOnScreen(Window& window);
  bool IsAncestor(win32::HWND ancestor, win32::HWND hwnd);

  // The surface follows the window's size; its client DC is a view of the client part.
  void UpdateSurface(Window& window);
  // Tells the driver which part of the screen the window covers changed.
  void Damage(Window& window);
  void DamageScreen(const win32::RECT& rect);

  // Windows waiting for WM_NCPAINT or WM_PAINT.
  std::set<win32::HWND>& paint_pending() { return paint_pending_; }
  void Invalidate(Window& window, const win32::RECT* client_rect, bool erase);
  void InvalidateFrame(Window& window);

  // Every window, depth first from the front, stopping early when `visit` returns false.
  void ForEach(const std::function<bool(Window&)>& visit);

 private:
  Desktop& desktop_;
  std::unordered_map<win32::HWND, WindowRef> windows_;
  WindowRef desktop_window_;
  std::set<win32::HWND> paint_pending_;
  win32::HWND next_handle_ = 0x10010;
};

}  // namespace win
