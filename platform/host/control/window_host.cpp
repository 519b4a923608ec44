#include "platform/host/control/window_host.h"

#include <unordered_map>

#include "platform/win/desktop.h"
#include "platform/win/procedures.h"

namespace host {

namespace {

constexpr const char* kClassName = "ThunderEngineWindow";
constexpr const char* kDoubleClickClassName = "ThunderEngineWindowDC";

// Live windows of the engine. Entries are removed before a window is destroyed; handles are
// never reused within a desktop, and the desktop check below guards against a stale entry
// of an earlier desktop.
struct Entry {
  const win::Desktop* desktop;
  WindowHost* host;
};
std::unordered_map<win32::HWND, Entry>& Hosts() {
  static std::unordered_map<win32::HWND, Entry> hosts;
  return hosts;
}

win32::LRESULT EngineProcedure(win32::HWND hwnd, win32::UINT msg, win32::WPARAM wparam,
                               win32::LPARAM lparam) {
  if (WindowHost* host = WindowHost::FromWindow(hwnd))
    return host->WindowMessage(msg, wparam, lparam);
  return win32::DefWindowProcA(hwnd, msg, wparam, lparam);
}

void EnsureClasses() {
  win::ProcedureRegistry& procedures = win::Desktop::Current().procedures();
  if (procedures.FindClass(kClassName)) return;
  win32::WNDCLASSA wc;
  wc.lpfnWndProc = procedures.Register(EngineProcedure);
  wc.lpszClassName = kClassName;
  win32::RegisterClassA(&wc);
  wc.style = win32::CS_DBLCLKS;
  wc.lpszClassName = kDoubleClickClassName;
  win32::RegisterClassA(&wc);
}

}  // namespace

WindowHost::~WindowHost() {
  DestroyHostWindow();
}

win32::LRESULT WindowHost::WindowMessage(win32::UINT msg, win32::WPARAM wparam,
                                         win32::LPARAM lparam) {
  return win32::DefWindowProcA(hwnd_, msg, wparam, lparam);
}

WindowHost* WindowHost::FromWindow(win32::HWND hwnd) {
  auto it = Hosts().find(hwnd);
  if (it == Hosts().end()) return nullptr;
  if (it->second.desktop != &win::Desktop::Current()) return nullptr;
  return it->second.host;
}

win32::HWND WindowHost::CreateHostWindow(win32::DWORD ex_style, const std::string& title,
                                         win32::DWORD style, win32::RECT rect, win32::HWND parent,
                                         ClassStyle class_style) {
  DestroyHostWindow();
  EnsureClasses();
  hwnd_ = win32::CreateWindowExA(ex_style,
                                 class_style == kDoubleClicks ? kDoubleClickClassName : kClassName,
                                 title.c_str(), style, rect.left, rect.top, rect.right - rect.left,
                                 rect.bottom - rect.top, parent, 0, 0, nullptr);
  if (hwnd_) Hosts()[hwnd_] = {&win::Desktop::Current(), this};
  return hwnd_;
}

void WindowHost::DestroyHostWindow() {
  if (!hwnd_) return;
  win32::HWND hwnd = hwnd_;
  hwnd_ = 0;
  auto it = Hosts().find(hwnd);
  bool same_desktop = it != Hosts().end() && it->second.desktop == &win::Desktop::Current();
  if (it != Hosts().end()) Hosts().erase(it);
  if (same_desktop) win32::DestroyWindow(hwnd);
}

}  // namespace host
