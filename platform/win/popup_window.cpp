#include "platform/win/popup_window.h"

#include <algorithm>
#include <cctype>

#include "platform/gfx/gdi.h"
#include "platform/gfx/text.h"
#include "platform/vb/ole_color.h"
#include "platform/win/classic_look.h"
#include "platform/win/internal.h"

namespace win::menu {

using namespace win32;

namespace {

constexpr int kItemHeight = 17;
constexpr int kSeparatorHeight = 9;
constexpr int kFrame = 3;
constexpr int kCheckColumn = 17;
constexpr int kTextGap = 17;
const char* const kPopupClass = "#32768";

std::pair<std::string, std::string> SplitAccelerator(const std::string& text) {
  auto tab = text.find('\t');
  if (tab == std::string::npos) return {text, ""};
  return {text.substr(0, tab), text.substr(tab + 1)};
}

void DrawArrow(HDC hdc, const RECT& r, COLORREF color) {
  int x = r.right - 10, y = (r.top + r.bottom) / 2 - 3;
  for (int i = 0; i < 4; ++i) {
    for (int j = i; j < 7 - i; ++j) SetPixelV(hdc, x + i, y + j, color);
  }
}

void PaintLevel(HWND hwnd, const Level& level) {
  PAINTSTRUCT ps;
  HDC hdc = BeginPaint(hwnd, &ps);
  RECT client;
  GetClientRect(hwnd, &client);
  look::FillSystem(hdc, client, vb::COLOR_MENU);
  for (std::size_t i = 0; i < level.items.size() && i < level.rects.size(); ++i) {
    const MenuItem& item = level.items[i];
    RECT r = level.rects[i];
    if (item.flags & MF_SEPARATOR) {
      int y = (r.top + r.bottom) / 2 - 1;
      look::FillSystem(hdc, {r.left + 1, y, r.right - 1, y + 1}, vb::COLOR_BTNSHADOW);
      look::FillSystem(hdc, {r.left + 1, y + 1, r.right - 1, y + 2}, vb::COLOR_BTNHIGHLIGHT);
      continue;
    }
    bool lit = static_cast<int>(i) == level.highlight;
    bool grey = (item.flags & (MF_GRAYED | MF_DISABLED)) != 0;
    if (lit) look::FillSystem(hdc, r, vb::COLOR_HIGHLIGHT);
    auto [label, accel] = SplitAccelerator(item.text);
    RECT text{r.left + kCheckColumn, r.top, r.right - kTextGap, r.bottom};
    auto draw = [&](RECT at, COLORREF color) {
      look::Text(hdc, label, at, color, false);
      look::Text(hdc, accel, at, color, false, DT_RIGHT);
      if (OpensSubmenu(item))
        DrawArrow(hdc, {at.left, at.top, r.right + (at.left - text.left), at.bottom}, color);
      if (item.flags & MF_CHECKED) {
        look::Text(hdc, "v", {r.left + 5, at.top, r.left + kCheckColumn, at.bottom}, color, true);
      }
    };
    if (grey && !lit) {
      RECT shadow = text;
      OffsetRect(&shadow, 1, 1);
      draw(shadow, vb::GetSysColor(vb::COLOR_BTNHIGHLIGHT));
      draw(text, vb::GetSysColor(vb::COLOR_BTNSHADOW));
    } else {
      draw(text, vb::GetSysColor(grey  ? vb::COLOR_BTNSHADOW
                                 : lit ? vb::COLOR_HIGHLIGHTTEXT
                                       : vb::COLOR_MENUTEXT));
    }
  }
  EndPaint(hwnd, &ps);
}

LRESULT PopupProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  auto* level = reinterpret_cast<const Level*>(GetWindowLongA(hwnd, GWL_USERDATA));
  if (msg == WM_PAINT && level) {
    PaintLevel(hwnd, *level);
    return 0;
  }
  if (msg == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
  return DefWindowProcA(hwnd, msg, wparam, lparam);
}

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

}  // namespace

bool Selectable(const MenuItem& item) {
  return !(item.flags & (MF_SEPARATOR | MF_GRAYED | MF_DISABLED));
}

bool OpensSubmenu(const MenuItem& item) {
  return (item.flags & MF_POPUP) && detail::Current().menus().Find(static_cast<HMENU>(item.id));
}

char AccessKey(const std::string& text) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] == '&') {
      ++i;
      continue;
    }
    return static_cast<char>(std::tolower(static_cast<unsigned char>(text[i + 1])));
  }
  return 0;
}

bool OpenLevel(Level& level, HMENU menu, int x, int y, HWND owner, const RECT* avoid) {
  Desktop& desktop = detail::Current();
  Menu* found = desktop.menus().Find(menu);
  if (!found || found->items.empty()) return false;
  level.menu = menu;
  level.items = found->items;
  level.rects.clear();
  level.highlight = -1;
  HDC measure = GetDC(0);
  HGDIOBJ old_font = SelectObject(measure, look::UiFont(false));
  int width = 0;
  int height = 0;
  for (const MenuItem& item : level.items) {
    int item_height = (item.flags & MF_SEPARATOR) ? kSeparatorHeight : kItemHeight;
    auto [label, accel] = SplitAccelerator(item.text);
    SIZE a{}, b{};
    GetTextExtentPoint32A(measure, label, -1, &a);
    GetTextExtentPoint32A(measure, accel, -1, &b);
    width = std::max<int>(width, a.cx + (accel.empty() ? 0 : b.cx + 2 * kTextGap));
    level.rects.push_back({0, height, 0, height + item_height});
    height += item_height;
  }
  if (old_font) SelectObject(measure, old_font);
  ReleaseDC(0, measure);
  width += kCheckColumn + kTextGap;
  for (RECT& r : level.rects) r.right = width;
  int outer_w = width + 2 * kFrame;
  int outer_h = height + 2 * kFrame;
  RECT screen = desktop.ScreenRect();
  if (x + outer_w > screen.right) x = std::max<int>(0, (avoid ? avoid->left : x) - outer_w);
  if (y + outer_h > screen.bottom) y = std::max<int>(0, screen.bottom - outer_h);
  EnsurePopupClass();
  level.window =
      CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME, kPopupClass, "",
                      WS_POPUP, x, y, outer_w, outer_h, owner, 0, 0, nullptr);
  if (!level.window) return false;
  SetWindowLongA(level.window, GWL_USERDATA, reinterpret_cast<LONG_PTR>(&level));
  ShowWindow(level.window, SW_SHOWNA);
  return true;
}

void CloseLevel(Level& level) {
  if (level.window && detail::Lookup(level.window)) {
    SetWindowLongA(level.window, GWL_USERDATA, 0);
    DestroyWindow(level.window);
  }
  level.window = 0;
}

void SetHighlight(Level& level, int index) {
  if (index == level.highlight) return;
  level.highlight = index;
  InvalidateRect(level.window, nullptr, TRUE);
}

int ItemAt(const Level& level, POINT screen) {
  POINT p = screen;
  if (!ScreenToClient(level.window, &p)) return -1;
  for (std::size_t i = 0; i < level.rects.size(); ++i) {
    if (PtInRect(&level.rects[i], p)) return static_cast<int>(i);
  }
  return -1;
}

RECT ItemScreenRect(const Level& level, int index) {
  if (index < 0 || index >= static_cast<int>(level.rects.size())) return {};
  RECT r = level.rects[index];
  POINT origin{0, 0};
  ClientToScreen(level.window, &origin);
  OffsetRect(&r, origin.x, origin.y);
  return r;
}

bool Contains(const Level& level, POINT screen) {
  RECT r;
  return GetWindowRect(level.window, &r) && PtInRect(&r, screen);
}

}  // namespace win::menu
