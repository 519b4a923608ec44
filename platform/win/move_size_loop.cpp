#include <algorithm>

#include "platform/win/internal.h"

namespace win::detail {

using namespace win32;

namespace {

bool LeftEdge(WPARAM edge) {
  return edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT;
}
bool RightEdge(WPARAM edge) {
  return edge == WMSZ_RIGHT || edge == WMSZ_TOPRIGHT || edge == WMSZ_BOTTOMRIGHT;
}
bool TopEdge(WPARAM edge) {
  return edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT;
}
bool BottomEdge(WPARAM edge) {
  return edge == WMSZ_BOTTOM || edge == WMSZ_BOTTOMLEFT || edge == WMSZ_BOTTOMRIGHT;
}

// The rectangle a sizing drag of (dx, dy) on `edge` gives, within the tracking sizes.
RECT SizedRect(RECT r, WPARAM edge, int dx, int dy, const MINMAXINFO& info) {
  auto clamp = [](int size, LONG low, LONG high) {
    return std::max<int>(low, std::min<int>(size, high));
  };
  if (LeftEdge(edge)) {
    r.left = r.right - clamp(r.right - (r.left + dx), info.ptMinTrackSize.x, info.ptMaxTrackSize.x);
  }
  if (RightEdge(edge)) {
    r.right = r.left + clamp(r.right + dx - r.left, info.ptMinTrackSize.x, info.ptMaxTrackSize.x);
  }
  if (TopEdge(edge)) {
    r.top = r.bottom - clamp(r.bottom - (r.top + dy), info.ptMinTrackSize.y, info.ptMaxTrackSize.y);
  }
  if (BottomEdge(edge)) {
    r.bottom = r.top + clamp(r.bottom + dy - r.top, info.ptMinTrackSize.y, info.ptMaxTrackSize.y);
  }
  return r;
}

}  // namespace

void RunMoveSizeLoop(HWND hwnd, WPARAM command, POINT) {
  Desktop& desktop = Current();
  Window* window = Lookup(hwnd);
  if (!window || !window->visible() || window->show_state != ShowState::kNormal) return;
  bool sizing = (command & 0xFFF0) == SC_SIZE;
  WPARAM edge = command & 0x000F;
  if (sizing && !(window->style & WS_THICKFRAME)) return;
  if (sizing && (edge < WMSZ_LEFT || edge > WMSZ_BOTTOMRIGHT)) edge = WMSZ_BOTTOMRIGHT;
  InputState& input = desktop.input();
  bool button_down = input.buttons[0] || input.buttons[1];
  POINT anchor = input.cursor;
  MINMAXINFO info = QueryMinMax(*window);
  if (!(window = Lookup(hwnd))) return;
  RECT start = window->rect;

  SetCapture(hwnd);
  SendMessageA(hwnd, WM_ENTERSIZEMOVE, 0, 0);
  bool done = false;
  bool cancel = false;
  auto follow = [&](POINT pt) {
    RECT r = start;
    int dx = pt.x - anchor.x;
    int dy = pt.y - anchor.y;
    if (sizing) {
      r = SizedRect(start, edge, dx, dy, info);
      SendMessageA(hwnd, WM_SIZING, edge, reinterpret_cast<LPARAM>(&r));
    } else {
      OffsetRect(&r, dx, dy);
      SendMessageA(hwnd, WM_MOVING, 0, reinterpret_cast<LPARAM>(&r));
    }
    if (!Lookup(hwnd)) return;
    ApplyWindowPos(hwnd, 0, r.left, r.top, r.right - r.left, r.bottom - r.top,
                   SWP_NOZORDER | SWP_NOACTIVATE | (sizing ? 0 : SWP_NOSIZE));
  };
  ModalLoop loop;
  loop.name = sizing ? "window sizing" : "window move";
  loop.done = [&] { return done || !Lookup(hwnd) || GetCapture() != hwnd; };
  loop.dismiss = [&] { cancel = done = true; };
  loop.filter = [&](const MSG& msg) {
    switch (msg.message) {
      case WM_MOUSEMOVE:
      case WM_NCMOUSEMOVE:
        follow(msg.pt);
        return true;
      case WM_LBUTTONUP:
      case WM_RBUTTONUP:
      case WM_NCLBUTTONUP:
      case WM_NCRBUTTONUP:
        // The releasing button-up belongs to the loop: the window never sees it.
        if (button_down) done = true;
        return true;
      case WM_LBUTTONDOWN:
      case WM_RBUTTONDOWN:
      case WM_NCLBUTTONDOWN:
      case WM_NCRBUTTONDOWN:
        if (!button_down) done = true;
        return true;
      case WM_KEYDOWN:
      case WM_SYSKEYDOWN:
        if (msg.wParam == VK_RETURN) done = true;
        if (msg.wParam == VK_ESCAPE) cancel = done = true;
        return true;
      case WM_KEYUP:
      case WM_SYSKEYUP:
      case WM_CHAR:
      case WM_SYSCHAR:
        return true;
      default:
        return false;
    }
  };
  desktop.loop().RunModal(loop);
  if (cancel && Lookup(hwnd)) {
    ApplyWindowPos(hwnd, 0, start.left, start.top, start.right - start.left,
                   start.bottom - start.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (GetCapture() == hwnd) ReleaseCapture();
  if (Lookup(hwnd)) SendMessageA(hwnd, WM_EXITSIZEMOVE, 0, 0);
}

}  // namespace win::detail
