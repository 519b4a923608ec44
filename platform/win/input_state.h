#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>

#include "platform/gfx/bitmap.h"
#include "platform/win/input.h"
#include "platform/win/win_types.h"

namespace win {

// The platform's double-click time and the box a second press must land in.
constexpr std::uint64_t kDoubleClickTimeMs = 500;
constexpr int kDoubleClickBox = 4;

struct PictureCursor {
  std::shared_ptr<const gfx::Bitmap> picture;
  win32::POINT hot_spot;
};

// Where the mouse is, what is pressed, and which windows hold capture, focus and activation.
struct InputState {
  win32::POINT cursor;
  std::array<bool, 3> buttons{};
  std::array<bool, 256> keys{};
  win32::HWND capture = 0;
  win32::HWND focus = 0;
  win32::HWND active = 0;
  win32::HCURSOR cursor_shape = static_cast<win32::HCURSOR>(win32::IDC_ARROW);
  std::map<win32::HCURSOR, PictureCursor> picture_cursors;
  win32::HCURSOR next_picture_cursor = 0x30001;

  // The last button press, for double clicks.
  struct Press {
    bool valid = false;
    int button = 0;
    win32::HWND hwnd = 0;
    bool nonclient = false;
    win32::POINT point;
    std::uint64_t time = 0;
  } last_press;

  win32::WPARAM MouseKeys() const;
};

}  // namespace win
