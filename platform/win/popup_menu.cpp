#include <algorithm>
#include <cctype>

#include "platform/gfx/gdi.h"
#include "platform/gfx/text.h"
#include "platform/vb/ole_color.h"
#include "platform/win/classic_look.h"
#include "platform/win/internal.h"
#include "platform/win/menus.h"

namespace win {

using namespace win32;

namespace {

constexpr int kItemHeight = 17;
constexpr int kSeparatorHeight = 9;
constexpr int kFrame = 3;
constexpr int kCheckColumn = 17;
constexpr int kTextGap = 17;

struct PopupState {
  std::vector<MenuItem> items;
  std::vector<RECT> rects;  // item rectangles in client coordinates
  int highlight = -1;
  UINT_PTR chosen = 0;
  bool done = false;
};

bool Selectable(const MenuItem& item) {
  return !(item.flags & (MF_SEPARATOR | MF_GRAYED | MF_DISABLED));
}

std::pair<std::string, std::string> SplitAccelerator(const std::string& text) {
  auto tab = text.find('\t');
  if (tab == std::string::npos) return {text, ""};
  return {text.substr(0, tab), text.substr(tab + 1)};
}

// The "&" letter of an item, lower case, or 0.
char AccessKey(const std::string& text) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] == '&') {
      if (text[i + 1] == '&') {
        ++i;
        continue;
      }
      return static_cast<char>(std::tolower(static_cast<unsigned char>(text[i + 1])));
    }
  }
  return 0;
}

void PaintPopup(HWND hwnd, PopupState& state) {
  PAINTSTRUCT ps;
  HDC hdc = BeginPaint(hwnd, &ps);
  RECT client;
  GetClientRect(hwnd, &client);
  look::FillSystem(hdc, client, vb::COLOR_MENU);
  for (std::size_t i = 0; i < state.items.size(); ++i) {
    const MenuItem& item = state.items[i];
    RECT r = state.rects[i];
    if (item.flags & MF_SEPARATOR) {
      int y = (r.top + r.bottom) / 2 - 1;
      look::FillSystem(hdc, {r.left + 1, y, r.right - 1, y + 1}, vb::COLOR_BTNSHADOW);
      look::FillSystem(hdc, {r.left + 1, y + 1, r.right - 1, y + 2}, vb::COLOR_BTNHIGHLIGHT);
      continue;
    }
    bool lit = static_cast<int>(i) == state.highlight;
    bool grey = (item.flags & (MF_GRAYED | MF_DISABLED)) != 0;
    if (lit) look::FillSystem(hdc, r, vb::COLOR_HIGHLIGHT);
    auto [label, accel] = SplitAccelerator(item.text);
    RECT text{r.left + kCheckColumn, r.top, r.right - kTextGap, r.bottom};
    auto draw = [&](RECT at, COLORREF color) {
      look::Text(hdc, label, at, color, false);
      look::Text(hdc, accel, at, color, false, DT_RIGHT);
    };
    if (grey && !lit) {
      RECT shadow = text;
      OffsetRect(&shadow, 1, 1);
      draw(shadow, vb::GetSysColor(vb::COLOR_BTNHIGHLIGHT));
      draw(text, vb::GetSysColor(vb::COLOR_BTNSHADOW));
    } else {
      draw(text, vb::GetSysColor(grey ? vb::COLOR_BTNSHADOW
                                      : lit ? vb::COLOR_HIGHLIGHTTEXT : vb::COLOR_MENUTEXT));
    }
    if (item.flags & MF_CHECKED) {
      look::Text(hdc, "v", {r.left + 5, r.top, r.left + kCheckColumn, r.bottom},
                 vb::GetSysColor(lit ? vb::COLOR_HIGHLIGHTTEXT : vb::COLOR_MENUTEXT), true);
    }
  }
  EndPaint(hwnd, &ps);
}

LRESULT PopupProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  auto* state = reinterpret_cast<PopupState*>(GetWindowLongA(hwnd, GWL_USERDATA));
  if (msg == WM_PAINT && state) {
    PaintPopup(hwnd, *state);
    return 0;
  }
  if (msg == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
  return DefWindowProcA(hwnd, msg, wparam, lparam);
}

const char* kPopupClass = "#32768";

void EnsurePopupClass() {
  ProcedureRegistry& procs = detail::Current().procedures();
  if (procs.FindClass(kPopupClass)) return;
  WindowClass popup;
  popup.name = kPopupClass;
  popup.proc = procs.Register(PopupProc);
  popup.style = CS_DBLCLKS;
  popup.background_color_index = vb::COLOR_MENU;
  popup.cursor = static_cast<HCURSOR>(IDC_ARROW);
  procs.RegisterClass(popup);
}

int ItemAt(const PopupState& state, HWND popup, POINT screen) {
  POINT p = screen;
  ScreenToClient(popup, &p);
  for (std::size_t i = 0; i < state.rects.size(); ++i) {
    if (PtInRect(&state.rects[i], p)) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

}  // namespace win

namespace win32 {

using win::detail::Current;
using win::detail::Lookup;

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND owner, const RECT*) {
  win::Desktop& desktop = Current();
  win::Menu* found = desktop.menus().Find(menu);
  if (!found || !Lookup(owner) || found->items.empty()) return FALSE;
  if (found->system_owner) GetSystemMenu(found->system_owner, FALSE);
  bool system = found->system_owner != 0;
  bool notify = !(flags & TPM_NONOTIFY);
  if (notify) {
    SendMessageA(owner, WM_ENTERMENULOOP, TRUE, 0);
    SendMessageA(owner, WM_INITMENU, menu, 0);
    SendMessageA(owner, WM_INITMENUPOPUP, menu, system ? 0x10000 : 0);
    if (!(found = desktop.menus().Find(menu)) || !Lookup(owner)) return FALSE;
  }

  win::PopupState state;
  state.items = found->items;
  HDC measure = GetDC(0);
  HGDIOBJ old_font = SelectObject(measure, win::look::UiFont(false));
  int width = 0;
  int height = 0;
  for (const win::MenuItem& item : state.items) {
    int item_height = (item.flags & MF_SEPARATOR) ? win::kSeparatorHeight : win::kItemHeight;
    auto [label, accel] = win::SplitAccelerator(item.text);
    SIZE a{}, b{};
    GetTextExtentPoint32A(measure, label, -1, &a);
    GetTextExtentPoint32A(measure, accel, -1, &b);
    width = std::max<int>(width, a.cx + (accel.empty() ? 0 : b.cx + 2 * win::kTextGap));
    state.rects.push_back({0, height, 0, height + item_height});
    height += item_height;
  }
  if (old_font) SelectObject(measure, old_font);
  ReleaseDC(0, measure);
  width += win::kCheckColumn + win::kTextGap;
  for (RECT& r : state.rects) r.right = width;
  int outer_w = width + 2 * win::kFrame;
  int outer_h = height + 2 * win::kFrame;
  RECT screen = desktop.ScreenRect();
  if (x + outer_w > screen.right) x = std::max<int>(0, x - outer_w);
  if (y + outer_h > screen.bottom) y = std::max<int>(0, y - outer_h);

  win::EnsurePopupClass();
  HWND popup = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME,
                               win::kPopupClass, "", WS_POPUP, x, y, outer_w, outer_h, owner, 0,
                               0, nullptr);
  if (!popup) return FALSE;
  SetWindowLongA(popup, GWL_USERDATA, reinterpret_cast<LONG_PTR>(&state));
  ShowWindow(popup, SW_SHOWNA);
  HWND old_capture = GetCapture();
  SetCapture(popup);
  bool right_chooses = (flags & TPM_RIGHTBUTTON) != 0;
  auto highlight = [&](int index) {
    if (index == state.highlight) return;
    state.highlight = index;
    InvalidateRect(popup, nullptr, TRUE);
    if (notify && index >= 0) {
      SendMessageA(owner, WM_MENUSELECT,
                   MAKELPARAM(static_cast<int>(state.items[index].id), 0) & 0xFFFFFFFF, menu);
    }
  };
  auto choose = [&](int index) {
    if (index < 0 || !win::Selectable(state.items[index])) return;
    state.chosen = state.items[index].id;
    state.done = true;
  };
  auto step = [&](int direction) {
    int n = static_cast<int>(state.items.size());
    int i = state.highlight < 0 && direction < 0 ? n : state.highlight;
    for (int tries = 0; tries < n; ++tries) {
      i = (i + direction + n) % n;
      if (!(state.items[i].flags & MF_SEPARATOR)) break;
    }
    highlight(i);
  };
  win::ModalLoop loop;
  loop.name = "pop-up menu";
  loop.done = [&] { return state.done || !Lookup(popup) || !Lookup(owner); };
  loop.dismiss = [&] { state.done = true; };
  loop.filter = [&](const MSG& msg) {
    switch (msg.message) {
      case WM_MOUSEMOVE:
      case WM_NCMOUSEMOVE: {
        int at = win::ItemAt(state, popup, msg.pt);
        if (at >= 0 || state.highlight >= 0) highlight(at);
        return true;
      }
      case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
      case WM_NCLBUTTONDOWN: case WM_NCRBUTTONDOWN: case WM_NCMBUTTONDOWN:
      case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK: {
        RECT r;
        GetWindowRect(popup, &r);
        if (!PtInRect(&r, msg.pt)) state.done = true;  // a click outside dismisses
        return true;
      }
      case WM_LBUTTONUP: case WM_NCLBUTTONUP:
      case WM_RBUTTONUP: case WM_NCRBUTTONUP: {
        bool left = msg.message == WM_LBUTTONUP || msg.message == WM_NCLBUTTONUP;
        if (left || right_chooses) choose(win::ItemAt(state, popup, msg.pt));
        return true;
      }
      case WM_KEYDOWN:
      case WM_SYSKEYDOWN:
        if (msg.wParam == VK_ESCAPE) state.done = true;
        if (msg.wParam == VK_UP) step(-1);
        if (msg.wParam == VK_DOWN) step(1);
        if (msg.wParam == VK_RETURN) choose(state.highlight);
        return true;
      case WM_CHAR:
      case WM_SYSCHAR: {
        char key = static_cast<char>(std::tolower(static_cast<int>(msg.wParam & 0xFF)));
        for (std::size_t i = 0; i < state.items.size(); ++i) {
          if (win::AccessKey(state.items[i].text) == key && win::Selectable(state.items[i])) {
            highlight(static_cast<int>(i));
            choose(static_cast<int>(i));
            break;
          }
        }
        return true;
      }
      case WM_KEYUP:
      case WM_SYSKEYUP:
        return true;
      default:
        return false;
    }
  };
  desktop.loop().RunModal(loop);
  if (GetCapture() == popup) {
    ReleaseCapture();
    if (old_capture && Lookup(old_capture)) SetCapture(old_capture);
  }
  if (Lookup(popup)) {
    SetWindowLongA(popup, GWL_USERDATA, 0);
    DestroyWindow(popup);
  }
  if (notify && Lookup(owner)) SendMessageA(owner, WM_EXITMENULOOP, TRUE, 0);
  UINT_PTR chosen = state.chosen;
  if (flags & TPM_RETURNCMD) return static_cast<BOOL>(chosen);
  if (chosen && Lookup(owner)) {
    PostMessageA(owner, system ? WM_SYSCOMMAND : WM_COMMAND, chosen, 0);
  }
  return chosen ? TRUE : FALSE;
}

}  // namespace win32

namespace win::detail {

void ShowSystemMenu(win32::HWND hwnd, win32::POINT at) {
  win32::HMENU menu = win32::GetSystemMenu(hwnd, FALSE);
  if (!menu) return;
  win32::BOOL command =
      win32::TrackPopupMenu(menu, win32::TPM_RETURNCMD, at.x, at.y, 0, hwnd, nullptr);
  if (command && Lookup(hwnd)) {
    win32::SendMessageA(hwnd, win32::WM_SYSCOMMAND, static_cast<win32::WPARAM>(command), 0);
  }
}

}  // namespace win::detail
