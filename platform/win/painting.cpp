#include "platform/gfx/device_context.h"
#include "platform/win/internal.h"

namespace win32 {

using win::detail::Lookup;
using win::detail::Windows;

HDC GetDC(HWND hwnd) {
  win::Window* window = hwnd == 0 ? &Windows().desktop_window() : Windows().Find(hwnd);
  if (!window) return 0;
  if (!window->surface) Windows().UpdateSurface(*window);
  return window->client_dc;
}

HDC GetWindowDC(HWND hwnd) {
  win::Window* window = hwnd == 0 ? &Windows().desktop_window() : Windows().Find(hwnd);
  if (!window) return 0;
  if (!window->surface) Windows().UpdateSurface(*window);
  return window->window_dc;
}

int ReleaseDC(HWND hwnd, HDC hdc) {
  win::Window* window = hwnd == 0 ? &Windows().desktop_window() : Windows().Find(hwnd);
  if (!window || (hdc != window->client_dc && hdc != window->window_dc)) return 0;
  Windows().Damage(*window);
  return 1;
}

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* paint) {
  win::Window* window = Lookup(hwnd);
  if (!window || !paint) return 0;
  win::WindowManager& windows = Windows();
  if (window->frame_dirty) {
    window->frame_dirty = false;
    SendMessageA(hwnd, WM_NCPAINT, 1, 0);
    window = Lookup(hwnd);
    if (!window) return 0;
  }
  RECT client = windows.ClientInWindow(*window);
  gfx::Region area = window->update;
  paint->hdc = window->client_dc;
  paint->rcPaint = area.bounds();
  paint->fErase = FALSE;
  // Drawing is clipped to what needs painting until EndPaint.
  if (gfx::DeviceContext* dc = gfx::FindDeviceContext(window->client_dc)) {
    gfx::Region clip = area;
    clip.Offset(client.left, client.top);
    clip.Intersect(gfx::Region(client));
    dc->set_clip(clip);
  }
  bool erase = window->erase_pending;
  window->update.Clear();
  window->erase_pending = false;
  windows.paint_pending().erase(hwnd);
  if (erase) {
    if (!SendMessageA(hwnd, WM_ERASEBKGND, paint->hdc, 0)) paint->fErase = TRUE;
  }
  return paint->hdc;
}

BOOL EndPaint(HWND hwnd, const PAINTSTRUCT*) {
  win::Window* window = Lookup(hwnd);
  if (!window) return FALSE;
  RECT client = Windows().ClientInWindow(*window);
  if (gfx::DeviceContext* dc = gfx::FindDeviceContext(window->client_dc)) {
    dc->set_clip(gfx::Region(client));
  }
  Windows().Damage(*window);
  return TRUE;
}

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
  win::WindowManager& windows = Windows();
  if (hwnd == 0) {
    windows.ForEach([&](win::Window& w) {
      windows.Invalidate(w, nullptr, erase);
      windows.InvalidateFrame(w);
      return true;
    });
    return TRUE;
  }
  win::Window* window = Lookup(hwnd);
  if (!window) return FALSE;
  windows.Invalidate(*window, rect, erase);
  return TRUE;
}

BOOL ValidateRect(HWND hwnd, const RECT* rect) {
  win::Window* window = Lookup(hwnd);
  if (!window) return FALSE;
  if (rect) {
    window->update.Subtract(gfx::Region(*rect));
  } else {
    window->update.Clear();
  }
  if (window->update.empty() && !window->frame_dirty) Windows().paint_pending().erase(hwnd);
  return TRUE;
}

BOOL UpdateWindow(HWND hwnd) {
  win::Window* window = Lookup(hwnd);
  if (!window) return FALSE;
  if (!Windows().ShownOnScreen(*window)) return TRUE;
  if (window->frame_dirty) {
    window->frame_dirty = false;
    SendMessageA(hwnd, WM_NCPAINT, 1, 0);
    window = Lookup(hwnd);
    if (!window) return TRUE;
  }
  if (!window->update.empty()) {
    SendMessageA(hwnd, WM_PAINT, 0, 0);
    if ((window = Lookup(hwnd))) {
      window->update.Clear();
      window->erase_pending = false;
    }
  }
  if (window && window->update.empty() && !window->frame_dirty) {
    Windows().paint_pending().erase(hwnd);
  }
  return TRUE;
}

}  // namespace win32

namespace win {

void PaintPendingWindows() {
  WindowManager& windows = detail::Windows();
  for (int round = 0; round < 4 && !windows.paint_pending().empty(); ++round) {
    std::vector<win32::HWND> pending(windows.paint_pending().begin(),
                                     windows.paint_pending().end());
    for (win32::HWND h : pending) win32::UpdateWindow(h);
  }
}

}  // namespace win
