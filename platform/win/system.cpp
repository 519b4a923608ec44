#include <cstring>

#include "platform/win/frame_metrics.h"
#include "platform/win/internal.h"

namespace win {

win32::WPARAM InputState::MouseKeys() const {
  win32::WPARAM keys = 0;
  if (buttons[0]) keys |= win32::MK_LBUTTON;
  if (buttons[1]) keys |= win32::MK_RBUTTON;
  if (buttons[2]) keys |= win32::MK_MBUTTON;
  if (this->keys[win32::VK_SHIFT]) keys |= win32::MK_SHIFT;
  if (this->keys[win32::VK_CONTROL]) keys |= win32::MK_CONTROL;
  return keys;
}

win32::HCURSOR CreatePictureCursor(std::shared_ptr<const gfx::Bitmap> picture,
                                   win32::POINT hot_spot) {
  if (!picture) return 0;
  InputState& input = detail::Input();
  win32::HCURSOR handle = input.next_picture_cursor++;
  input.picture_cursors[handle] = {std::move(picture), hot_spot};
  return handle;
}

}  // namespace win

namespace win32 {

using win::detail::Current;
using win::detail::Input;
using win::detail::Lookup;

BOOL GetCursorPos(POINT* point) {
  if (!point) return FALSE;
  *point = Input().cursor;
  return TRUE;
}

BOOL SetCursorPos(int x, int y) {
  win::InjectMouseMove(x, y);
  return TRUE;
}

HCURSOR LoadCursorA(HINSTANCE, LONG_PTR name) {
  switch (name) {
    case IDC_ARROW:
    case IDC_IBEAM:
    case IDC_WAIT:
    case IDC_CROSS:
    case IDC_SIZENWSE:
    case IDC_SIZENESW:
    case IDC_SIZEWE:
    case IDC_SIZENS:
    case IDC_SIZEALL:
    case IDC_NO:
    case IDC_HAND:
      return static_cast<HCURSOR>(name);
    default:
      return 0;
  }
}

HCURSOR SetCursor(HCURSOR cursor) {
  win::InputState& input = Input();
  HCURSOR previous = input.cursor_shape;
  if (cursor != previous) {
    input.cursor_shape = cursor;
    // The cursor is drawn by the desktop; its place on the screen needs redrawing.
    Current().windows().DamageScreen(
        {input.cursor.x - 32, input.cursor.y - 32, input.cursor.x + 32, input.cursor.y + 32});
  }
  return previous;
}

HCURSOR GetCursor() {
  return Input().cursor_shape;
}

std::int16_t GetKeyState(int key) {
  win::InputState& input = Input();
  bool down = false;
  if (key == VK_LBUTTON)
    down = input.buttons[0];
  else if (key == VK_RBUTTON)
    down = input.buttons[1];
  else if (key == VK_MBUTTON)
    down = input.buttons[2];
  else if (key >= 0 && key < 256)
    down = input.keys[key];
  return down ? static_cast<std::int16_t>(0x8000) : 0;
}

std::int16_t GetAsyncKeyState(int key) {
  return GetKeyState(key);
}

UINT GetDoubleClickTime() {
  return static_cast<UINT>(win::kDoubleClickTimeMs);
}

int GetSystemMetrics(int index) {
  win::Desktop& desktop = Current();
  using M = win::FrameMetrics;
  switch (index) {
    case SM_CXSCREEN:
      return desktop.settings().width;
    case SM_CYSCREEN:
      return desktop.settings().height;
    case SM_CYCAPTION:
      return M::kCaption + M::kCaptionLine;
    case SM_CXBORDER:
    case SM_CYBORDER:
      return M::kBorder;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
      return M::kDialogFrame;
    case SM_CXSIZE:
      return M::kCaption;
    case SM_CYSIZE:
      return M::kCaption;
    case SM_CXFRAME:
    case SM_CYFRAME:
      return M::kSizingFrame;
    case SM_CXMINTRACK:
      return M::kMinTrackWidth;
    case SM_CYMINTRACK:
      return M::kMinTrackHeight;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
      return win::kDoubleClickBox;
    case SM_CXEDGE:
    case SM_CYEDGE:
      return M::kClientEdge;
    case SM_CYSMCAPTION:
      return M::kToolCaption + M::kCaptionLine;
    case SM_CXMAXIMIZED:
      return desktop.WorkArea().right - desktop.WorkArea().left;
    case SM_CYMAXIMIZED:
      return desktop.WorkArea().bottom - desktop.WorkArea().top;
    default:
      return 0;
  }
}

BOOL SystemParametersInfoA(UINT action, UINT, void* value, UINT) {
  if (action != SPI_GETWORKAREA || !value) return FALSE;
  *static_cast<RECT*>(value) = Current().WorkArea();
  return TRUE;
}

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT period, TIMERPROC callback) {
  win::Desktop& desktop = Current();
  if (hwnd != 0 && !Lookup(hwnd)) return 0;
  return desktop.loop().timers().Set(hwnd, id, period, std::move(callback), desktop.driver().Now());
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) {
  return Current().loop().timers().Kill(hwnd, id) ? TRUE : FALSE;
}

void Sleep(DWORD milliseconds) {
  Current().loop().NoteSleep();
  win::DesktopDriver& driver = Current().driver();
  driver.AdvanceClock(driver.Now() + milliseconds);
}

DWORD GetTickCount() {
  return static_cast<DWORD>(Current().driver().Now());
}

BOOL GetComputerNameA(char* buffer, DWORD* size) {
  if (!buffer || !size) return FALSE;
  const std::string& name = Current().settings().computer_name;
  if (*size < name.size() + 1) {
    *size = static_cast<DWORD>(name.size() + 1);
    return FALSE;
  }
  std::memcpy(buffer, name.c_str(), name.size() + 1);
  *size = static_cast<DWORD>(name.size());
  return TRUE;
}

}  // namespace win32
