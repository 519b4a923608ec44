#include "foundation/fade.h"

#include "platform/win/styles.h"
#include "platform/win/user32.h"

namespace quorin {

void SetWindowAlpha(std::int32_t hWnd, std::int32_t Alpha, bool TopMost, bool ClickThrough) {
  const auto hwnd = static_cast<win32::HWND>(hWnd);
  win32::LONG_PTR ex_style = win32::GetWindowLongA(hwnd, win32::GWL_EXSTYLE);
  ex_style |= win32::WS_EX_LAYERED;
  if (ClickThrough) ex_style |= win32::WS_EX_TRANSPARENT;
  win32::SetWindowLongA(hwnd, win32::GWL_EXSTYLE, ex_style);
  win32::SetLayeredWindowAttributes(hwnd, 0, static_cast<std::uint8_t>(Alpha & 0xFF),
                                    win32::LWA_ALPHA);
  if (TopMost) {
    win32::SetWindowPos(hwnd, win32::HWND_TOPMOST, 0, 0, 0, 0,
                        win32::SWP_NOMOVE | win32::SWP_NOSIZE);
  }
}

}  // namespace quorin
