#include "foundation/sysbar.h"

#include <cstring>
#include <map>

#include "platform/vb/units.h"
#include "platform/win/desktop.h"
#include "platform/win/messages.h"
#include "platform/win/procedures.h"
#include "platform/win/styles.h"
#include "platform/win/user32.h"

namespace quorin {

namespace {

MinMaxLimits g_limits;

// Each hooked window remembers the procedure it had before, so two hooked windows never
// chain into each other's procedure; the limits themselves stay one record for the process.
std::map<win32::HWND, win32::WNDPROC> g_previous;

using Procedure = win32::LRESULT (*)(win32::HWND, win32::UINT, win32::WPARAM, win32::LPARAM);

// Whether a window-procedure value stands for MinMaxWndProc.
bool IsHook(win32::WNDPROC value) {
  const win::WindowProcedure* procedure = win::Desktop::Current().procedures().Find(value);
  const Procedure* target = procedure ? procedure->target<Procedure>() : nullptr;
  return target && *target == &MinMaxWndProc;
}

}  // namespace

const MinMaxLimits& Limits() { return g_limits; }

void HookMinMax(std::int32_t hWnd, std::int32_t MinWidth, std::int32_t MinHeight,
                std::int32_t MaxWidth, std::int32_t MaxHeight) {
  const auto hwnd = static_cast<win32::HWND>(hWnd);
  const vb::DisplayMetrics& display = vb::Display();
  const int screen_w = win32::GetSystemMetrics(win32::SM_CXSCREEN);
  const int screen_h = win32::GetSystemMetrics(win32::SM_CYSCREEN);
  // Screen size in twips divided by twips per pixel, both as whole numbers.
  const auto tppx = static_cast<std::int32_t>(display.twips_per_pixel_x);
  const auto tppy = static_cast<std::int32_t>(display.twips_per_pixel_y);
  g_limits.MinWidth = MinWidth;
  g_limits.MinHeight = MinHeight;
  g_limits.MaxWidth =
      MaxWidth != 0 ? MaxWidth : static_cast<std::int32_t>(screen_w * display.twips_per_pixel_x) / tppx;
  g_limits.MaxHeight =
      MaxHeight != 0 ? MaxHeight : static_cast<std::int32_t>(screen_h * display.twips_per_pixel_y) / tppy;
  if (!win32::IsWindow(hwnd)) return;

  // The record is complete before the procedure is installed: the window may be asked for
  // its limits by the very call that installs it.
  const win32::WNDPROC current = win32::GetWindowLongA(hwnd, win32::GWL_WNDPROC);
  if (IsHook(current)) {
    g_limits.OldWndProc = g_previous[hwnd];
    return;
  }
  g_previous[hwnd] = current;
  g_limits.OldWndProc = current;
  win32::SetWindowLongA(hwnd, win32::GWL_WNDPROC,
                        win::Desktop::Current().procedures().Register(&MinMaxWndProc));
}

win32::LRESULT MinMaxWndProc(win32::HWND hWnd, win32::UINT uMsg, win32::WPARAM wParam,
                             win32::LPARAM lParam) {
  auto it = g_previous.find(hWnd);
  const win32::WNDPROC previous = it != g_previous.end() ? it->second : g_limits.OldWndProc;
  if (uMsg != win32::WM_GETMINMAXINFO || lParam == 0) {
    return win32::CallWindowProcA(previous, hWnd, uMsg, wParam, lParam);
  }
  win32::MINMAXINFO info;
  std::memcpy(&info, reinterpret_cast<const void*>(lParam), sizeof info);
  info.ptMaxSize = {g_limits.MaxWidth, g_limits.MaxHeight};
  info.ptMaxPosition = {0, 0};
  info.ptMinTrackSize = {g_limits.MinWidth, g_limits.MinHeight};
  info.ptMaxTrackSize = {g_limits.MaxWidth, g_limits.MaxHeight};
  std::memcpy(reinterpret_cast<void*>(lParam), &info, sizeof info);
  return 0;
}

}  // namespace quorin
