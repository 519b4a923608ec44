#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/region.h"
#include "platform/win/frame_metrics.h"
#include "platform/win/styles.h"
#include "platform/win/win_types.h"

namespace win {

enum class ShowState { kNormal, kMinimized, kMaximized };

// A registered window class: the defaults every window of the class starts with.
struct WindowClass {
  std::string name;
  win32::UINT style = 0;  // CS_DBLCLKS and friends
  win32::WNDPROC proc = 0;
  int background_color_index = -1;  // system colour filled by WM_ERASEBKGND; -1 for none
  win32::HCURSOR cursor = 0;
};

// One window. Its rectangle is in the parent's client coordinates (screen coordinates for a
// top-level window); the surface covers the whole window, frame included.
class Window {
 public:
  win32::HWND handle = 0;
  WindowClass window_class;
  std::string title;
  win32::DWORD style = 0;
  win32::DWORD ex_style = 0;
  win32::HWND parent = 0;  // 0 for a top-level window
  win32::HWND owner = 0;
  std::vector<win32::HWND> children;  // front first
  win32::RECT rect;
  win32::RECT normal_rect;  // the restored rectangle while minimised or maximised
  ShowState show_state = ShowState::kNormal;
  bool restore_maximized = false;     // a minimised window that was maximised before
  FrameInsets insets;                 // non-client widths, fixed when the frame last changed
  std::optional<gfx::Region> region;  // window coordinates
  std::uint8_t alpha = 255;
  win32::COLORREF color_key = 0;
  bool has_color_key = false;
  win32::LONG_PTR user_data = 0;
  win32::LONG_PTR id = 0;
  win32::WNDPROC proc = 0;
  win32::HMENU system_menu = 0;
  win32::HICON icon_small = 0;  // WM_SETICON; drawn in the caption and on the taskbar
  win32::HICON icon_big = 0;

  std::shared_ptr<gfx::Bitmap> surface;
  win32::HDC client_dc = 0;
  win32::HDC window_dc = 0;
  gfx::Region update;  // client coordinates
  bool erase_pending = false;
  bool frame_dirty = false;
  bool destroying = false;
  bool created = false;

  bool visible() const { return (style & win32::WS_VISIBLE) != 0; }
  bool enabled() const { return (style & win32::WS_DISABLED) == 0; }
  bool is_child() const { return (style & win32::WS_CHILD) != 0 && parent != 0; }
  bool topmost() const { return (ex_style & win32::WS_EX_TOPMOST) != 0; }
  bool layered() const { return (ex_style & win32::WS_EX_LAYERED) != 0; }
  int width() const { return rect.right - rect.left; }
  int height() const { return rect.bottom - rect.top; }
};

using WindowRef = std::shared_ptr<Window>;

}  // namespace win
