#include "platform/win/window_manager.h"

#include <algorithm>

#include "platform/gfx/device_context.h"
#include "platform/gfx/gdi.h"
#include "platform/vb/ole_color.h"
#include "platform/win/desktop.h"
#include "platform/win/frame_metrics.h"
#include "platform/win/user32.h"

namespace win {

using namespace win32;

WindowManager::WindowManager(Desktop& desktop) : desktop_(desktop) {
  auto root = std::make_shared<Window>();
  root->window_class.name = "#32769";
  root->style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN;
  root->rect = desktop.ScreenRect();
  root->normal_rect = root->rect;
  root->window_class.background_color_index = vb::COLOR_BACKGROUND;
  root->created = true;
  desktop_window_ = Add(root);
  UpdateSurface(*root);
}

WindowManager::~WindowManager() {
  // Device contexts live in the process-wide GDI table; give back the windows' ones.
  for (auto& [handle, window] : windows_) {
    if (window->client_dc) DeleteDC(window->client_dc);
    if (window->window_dc) DeleteDC(window->window_dc);
  }
}

Window* WindowManager::Find(HWND hwnd) {
  auto it = windows_.find(hwnd);
  return it == windows_.end() ? nullptr : it->second.get();
}

WindowRef WindowManager::Ref(HWND hwnd) {
  auto it = windows_.find(hwnd);
  return it == windows_.end() ? nullptr : it->second;
}

WindowRef WindowManager::Add(std::shared_ptr<Window> window) {
  window->handle = next_handle_;
  next_handle_ += 2;
  windows_.emplace(window->handle, window);
  return window;
}

void WindowManager::Remove(HWND hwnd) {
  paint_pending_.erase(hwnd);
  auto it = windows_.find(hwnd);
  if (it == windows_.end()) return;
  WindowRef keep = it->second;
  windows_.erase(it);
  if (keep->client_dc) DeleteDC(keep->client_dc);
  if (keep->window_dc) DeleteDC(keep->window_dc);
  keep->client_dc = keep->window_dc = 0;
}

std::vector<HWND>& WindowManager::Siblings(const Window& window) {
  if (window.parent) {
    if (Window* parent = Find(window.parent)) return parent->children;
  }
  return desktop_window_->children;
}

void WindowManager::Unlink(Window& window) {
  auto& list = Siblings(window);
  std::erase(list, window.handle);
}

void WindowManager::Insert(Window& window, HWND after) {
  auto& list = Siblings(window);
  std::erase(list, window.handle);
  bool top_level = window.parent == 0;
  // Top-level windows keep the topmost band in front.
  auto band_begin = list.begin();
  auto band_end = list.end();
  if (top_level) {
    auto first_normal = std::find_if(list.begin(), list.end(), [&](HWND h) {
      Window* w = Find(h);
      return w && !w->topmost();
    });
    if (window.topmost()) {
      band_end = first_normal;
    } else {
      band_begin = first_normal;
    }
  }
  auto position = band_begin;
  if (after == HWND_BOTTOM) {
    position = band_end;
  } else if (after != HWND_TOP && after != HWND_TOPMOST && after != HWND_NOTOPMOST) {
    auto found = std::find(band_begin, band_end, after);
    position = found == band_end ? band_begin : found + 1;
  }
  list.insert(position, window.handle);
}

RECT WindowManager::ClientInWindow(const Window& window) const {
  const FrameInsets& insets = window.insets;
  RECT r{insets.left, insets.top, window.width() - insets.right, window.height() - insets.bottom};
  if (r.right < r.left) r.right = r.left;
  if (r.bottom < r.top) r.bottom = r.top;
  return r;
}

POINT WindowManager::ClientOrigin(const Window& window) {
  RECT screen = ScreenRect(window);
  RECT client = ClientInWindow(window);
  return {screen.left + client.left, screen.top + client.top};
}

RECT WindowManager::ScreenRect(const Window& window) {
  RECT r = window.rect;
  if (window.parent) {
    if (Window* parent = Find(window.parent)) {
      POINT origin = ClientOrigin(*parent);
      OffsetRect(&r, origin.x, origin.y);
    }
  }
  return r;
}

Window* WindowManager::TopLevelOf(Window& window) {
  Window* w = &window;
  while (w->parent) {
    Window* parent = Find(w->parent);
    if (!parent) break;
    w = parent;
  }
  return w;
}

bool WindowManager::ShownOnScreen(Window& window) {
  for (Window* w = &window; w; w = w->parent ? Find(w->parent) : nullptr) {
    if (!w->visible()) return false;
  }
  return true;
}

bool WindowManager::IsAncestor(HWND ancestor, HWND hwnd) {
  for (Window* w = Find(hwnd); w && w->parent; w = Find(w->parent)) {
    if (w->parent == ancestor) return true;
  }
  return false;
}

void WindowManager::UpdateSurface(Window& window) {
  // A window may be larger than any screen, but its surface stops at a size that fits in
  // memory; what would be drawn beyond it is clipped.
  int w = std::clamp(window.width(), 0, kMaxSurfaceSize);
  int h = std::clamp(window.height(), 0, kMaxSurfaceSize);
  gfx::Argb fill = 0xFFFFFFFFu;
  if (window.window_class.background_color_index >= 0) {
    fill = gfx::ArgbFromColorref(vb::GetSysColor(window.window_class.background_color_index));
  }
  if (!window.surface) {
    window.surface = std::make_shared<gfx::Bitmap>(w, h, fill);
    window.client_dc = gfx::CreateDeviceContext(window.surface);
    window.window_dc = gfx::CreateDeviceContext(window.surface);
  } else if (window.surface->width() != w || window.surface->height() != h) {
    window.surface->Resize(w, h, fill);
  }
  RECT client = ClientInWindow(window);
  if (gfx::DeviceContext* dc = gfx::FindDeviceContext(window.client_dc)) {
    dc->origin = {client.left, client.top};
    dc->set_clip(gfx::Region(client));
  }
}

void WindowManager::DamageScreen(const RECT& rect) {
  if (rect.right > rect.left && rect.bottom > rect.top) desktop_.driver().ScreenDamaged(rect);
}

void WindowManager::Damage(Window& window) {
  DamageScreen(ScreenRect(window));
}

void WindowManager::Invalidate(Window& window, const RECT* client_rect, bool erase) {
  RECT client = ClientInWindow(window);
  RECT area{0, 0, client.right - client.left, client.bottom - client.top};
  if (client_rect) IntersectRect(&area, &area, client_rect);
  if (area.right <= area.left || area.bottom <= area.top) return;
  window.update.Union(gfx::Region(area));
  window.erase_pending = window.erase_pending || erase;
  paint_pending_.insert(window.handle);
}

void WindowManager::InvalidateFrame(Window& window) {
  window.frame_dirty = true;
  paint_pending_.insert(window.handle);
}

void WindowManager::ForEach(const std::function<bool(Window&)>& visit) {
  std::function<bool(const std::vector<HWND>&)> walk = [&](const std::vector<HWND>& list) {
    std::vector<HWND> copy = list;
    for (HWND h : copy) {
      WindowRef w = Ref(h);
      if (!w) continue;
      if (!visit(*w)) return false;
      if (!walk(w->children)) return false;
    }
    return true;
  };
  walk(desktop_window_->children);
}

}  // namespace win
