#include "platform/host/elements/element.h"

#include "platform/host/form/form.h"

#include "platform/host/services/input.h"

namespace host {

void Element::OnMouse(MouseKind kind, std::int16_t button, std::int16_t shift, float x, float y) {
  switch (kind) {
    case MouseKind::kDown:
      MouseDown(button, shift, x, y);
      break;
    case MouseKind::kMove:
      MouseMove(button, shift, x, y);
      break;
    case MouseKind::kUp:
      MouseUp(button, shift, x, y);
      break;
  }
}

void WindowedElement::Realize() {
  Container* c = container();
  if (!c || !c->Realized() || window()) return;
  win32::DWORD style = win32::WS_CHILD | win32::WS_CLIPSIBLINGS | ExtraStyle();
  if (Visible()) style |= win32::WS_VISIBLE;
  if (!Enabled()) style |= win32::WS_DISABLED;
  CreateHostWindow(ExtendedStyle(), Name(), style, PixelRect(), c->ChildWindow());
  AfterRealize();
  Invalidate();
}

void WindowedElement::GeometryChanged(bool) {
  if (!window()) return;
  win32::RECT r = PixelRect();
  win32::MoveWindow(window(), r.left, r.top, r.right - r.left, r.bottom - r.top, win32::TRUE);
  Invalidate();
}

void WindowedElement::VisibilityChanged() {
  if (window()) win32::ShowWindow(window(), Visible() ? win32::SW_SHOWNA : win32::SW_HIDE);
}

void WindowedElement::EnabledChanged() {
  if (window()) win32::EnableWindow(window(), Enabled());
  Invalidate();
}

void WindowedElement::Invalidate() {
  if (window()) win32::InvalidateRect(window(), nullptr, win32::FALSE);
}

void WindowedElement::Refresh() {
  if (!window()) return;
  win32::HDC dc = win32::GetDC(window());
  PaintElement(dc);
  win32::ReleaseDC(window(), dc);
  win32::ValidateRect(window(), nullptr);
}

win32::LRESULT WindowedElement::WindowMessage(win32::UINT msg, win32::WPARAM wparam,
                                              win32::LPARAM lparam) {
  if (msg == win32::WM_PAINT) {
    win32::PAINTSTRUCT ps;
    win32::BeginPaint(window(), &ps);
    win32::EndPaint(window(), &ps);
    Refresh();
    return 0;
  }
  if (msg == win32::WM_ERASEBKGND) return 1;
  win32::LRESULT result = 0;
  if (HandleInput(*this, WindowlessChildren(), window(), msg, wparam, lparam, &result)) {
    return result;
  }
  return WindowHost::WindowMessage(msg, wparam, lparam);
}

bool Element::RaisesChangeEvents() const {
  const VB::Form* on = form();
  return !on || on->loaded() || !on->built_from_file();
}

}  // namespace host
