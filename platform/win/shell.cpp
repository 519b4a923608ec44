#include "platform/win/shell.h"

#include <algorithm>
#include <cstring>

#include "platform/vb/ansi.h"
#include "platform/vb/ole_color.h"
#include "platform/win/internal.h"
#include "platform/win/menus.h"
#include "platform/win/shell32.h"

namespace win {

using namespace win32;

namespace {

constexpr UINT_PTR kTipTimer = 1;

LRESULT TaskbarProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  Shell& shell = detail::Current().shell();
  switch (msg) {
    case WM_PAINT:
      shell.PaintTaskbar(hwnd);
      return 0;
    case WM_WINDOWPOSCHANGING: {
      // The taskbar stays docked whatever position it is given, and never takes activation.
      auto* pos = reinterpret_cast<WINDOWPOS*>(lparam);
      RECT docked = shell.DockedRect();
      pos->x = docked.left;
      pos->y = docked.top;
      pos->cx = docked.right - docked.left;
      pos->cy = docked.bottom - docked.top;
      pos->flags = (pos->flags & ~(SWP_NOMOVE | SWP_NOSIZE)) | SWP_NOACTIVATE;
      return 0;
    }
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
      shell.TaskbarMouse(msg, {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)});
      return 0;
    case WM_TIMER:
      if (wparam == kTipTimer) shell.TooltipTick();
      return 0;
    case WM_CLOSE:
      return 0;
    default:
      return DefWindowProcA(hwnd, msg, wparam, lparam);
  }
}

LRESULT TooltipProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_PAINT) {
    detail::Current().shell().PaintTooltip(hwnd);
    return 0;
  }
  if (msg == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
  return DefWindowProcA(hwnd, msg, wparam, lparam);
}

void AddClass(ProcedureRegistry& procs, const char* name, WindowProcedure proc, UINT style,
              int background) {
  WindowClass wc;
  wc.name = name;
  wc.proc = procs.Register(std::move(proc));
  wc.style = style;
  wc.background_color_index = background;
  wc.cursor = static_cast<HCURSOR>(IDC_ARROW);
  procs.RegisterClass(wc);
}

}  // namespace

void Shell::Start() {
  ProcedureRegistry& procs = desktop_.procedures();
  AddClass(procs, "Shell_TrayWnd", TaskbarProc, CS_DBLCLKS, vb::COLOR_BTNFACE);
  AddClass(procs, "tooltips_class32", TooltipProc, 0, vb::COLOR_INFOBK);
  if (!desktop_.settings().taskbar) return;
  RECT r = DockedRect();
  taskbar_ = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "Shell_TrayWnd", "", WS_POPUP,
                             r.left, r.top, r.right - r.left, r.bottom - r.top, 0, 0, 0, nullptr);
  ShowWindow(taskbar_, SW_SHOWNA);
}

RECT Shell::DockedRect() const {
  RECT screen = desktop_.ScreenRect();
  int size = desktop_.settings().taskbar_size;
  switch (desktop_.settings().taskbar_edge) {
    case TaskbarEdge::kTop:
      return {0, 0, screen.right, size};
    case TaskbarEdge::kLeft:
      return {0, 0, size, screen.bottom};
    case TaskbarEdge::kRight:
      return {screen.right - size, 0, screen.right, screen.bottom};
    case TaskbarEdge::kBottom:
      break;
  }
  return {0, screen.bottom - size, screen.right, screen.bottom};
}

std::vector<HWND> Shell::ButtonWindows() {
  WindowManager& windows = desktop_.windows();
  std::vector<HWND> result;
  for (HWND h : windows.top_level()) {
    Window* w = windows.Find(h);
    if (!w || w->destroying || !w->created || h == taskbar_ || h == tooltip_) continue;
    if (!w->visible() || w->owner) continue;
    if ((w->ex_style & WS_EX_TOOLWINDOW) && !(w->ex_style & WS_EX_APPWINDOW)) continue;
    result.push_back(h);
  }
  std::sort(result.begin(), result.end());
  return result;
}

void Shell::WindowsChanged() {
  if (taskbar_ && detail::Lookup(taskbar_)) InvalidateRect(taskbar_, nullptr, TRUE);
}

void Shell::ForgetWindow(HWND hwnd) {
  if (hwnd == taskbar_) taskbar_ = 0;
  if (hwnd == tooltip_) tooltip_ = 0;
  std::size_t before = icons_.size();
  std::erase_if(icons_, [&](const NotifyIcon& icon) { return icon.hwnd == hwnd; });
  if (icons_.size() != before) {
    hover_icon_ = -1;
    HideTip();
    WindowsChanged();
  }
}

std::shared_ptr<vb::StdPicture> Shell::FindIcon(HICON icon) const {
  // An icon handle is a picture's handle; any live picture answers to it.
  return vb::FindPicture(icon);
}

namespace detail {

void ShellWindowsChanged() {
  Current().shell().WindowsChanged();
}

void ForgetWindow(HWND hwnd) {
  Desktop& desktop = Current();
  if (Window* w = desktop.windows().Find(hwnd); w && w->system_menu) {
    desktop.menus().Destroy(w->system_menu);
    w->system_menu = 0;
  }
  desktop.shell().ForgetWindow(hwnd);
}

}  // namespace detail

}  // namespace win

namespace win32 {

using win::detail::Current;
using win::detail::Lookup;

BOOL Shell_NotifyIconA(DWORD message, const NOTIFYICONDATAA* data) {
  if (!data || data->cbSize < sizeof(NOTIFYICONDATAA)) return FALSE;
  if (!Lookup(data->hWnd)) return FALSE;
  win::Shell& shell = Current().shell();
  auto& icons = shell.icons();
  auto it = std::find_if(icons.begin(), icons.end(), [&](const win::NotifyIcon& icon) {
    return icon.hwnd == data->hWnd && icon.id == data->uID;
  });
  auto apply = [&](win::NotifyIcon& icon) {
    if (data->uFlags & NIF_MESSAGE) icon.callback_message = data->uCallbackMessage;
    if (data->uFlags & NIF_ICON) icon.icon = data->hIcon;
    if (data->uFlags & NIF_TIP) {
      // The field holds the code page's bytes; the shell shows them as text.
      icon.tip =
          vb::FromAnsi(std::string_view(data->szTip, strnlen(data->szTip, sizeof(data->szTip))));
    }
    icon.flags |= data->uFlags & (NIF_MESSAGE | NIF_ICON | NIF_TIP);
  };
  switch (message) {
    case NIM_ADD: {
      if (it != icons.end()) return FALSE;
      win::NotifyIcon icon;
      icon.hwnd = data->hWnd;
      icon.id = data->uID;
      apply(icon);
      icons.push_back(icon);
      break;
    }
    case NIM_MODIFY:
      if (it == icons.end()) return FALSE;
      apply(*it);
      break;
    case NIM_DELETE:
      if (it == icons.end()) return FALSE;
      icons.erase(it);
      break;
    default:
      return FALSE;
  }
  shell.WindowsChanged();
  return TRUE;
}

HINSTANCE ShellExecuteA(HWND hwnd, const char* operation, const char* file, const char* parameters,
                        const char* directory, int show) {
  win::Desktop& desktop = Current();
  win::ShellExecuteRecord record;
  record.hwnd = hwnd;
  record.operation = operation ? operation : "";
  record.file = file ? file : "";
  record.parameters = parameters ? parameters : "";
  record.directory = directory ? directory : "";
  record.show = show;
  if (record.file.empty()) return 2;  // the platform's "file not found"
  desktop.shell().executed().push_back(record);
  desktop.Log("ShellExecute " +
              (record.operation.empty() ? std::string("open") : record.operation) + " \"" +
              record.file + "\"");
  return 42;
}

}  // namespace win32
