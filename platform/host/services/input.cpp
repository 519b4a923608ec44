#include "platform/host/services/input.h"

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

#include "platform/host/control/placement.h"
#include "platform/host/control/user_control.h"
#include "platform/host/form/form.h"
#include "platform/host/services/errors.h"
#include "platform/host/services/screen.h"
#include "platform/win/desktop.h"

namespace host {

namespace {

// The press in progress: who got it, which buttons are down, and whether the press was the
// second of a double click (its release raises MouseUp only).
struct MouseState {
  std::weak_ptr<vb::Object> captured;
  InputTarget* captured_target = nullptr;
  win32::HWND capture_window = 0;
  std::int16_t buttons = 0;
  bool after_double_click = false;
  std::weak_ptr<vb::Object> last_press;
};

MouseState& Mouse() {
  static MouseState state;
  return state;
}

InputTarget* Captured() {
  MouseState& m = Mouse();
  auto alive = m.captured.lock();
  if (!alive) return nullptr;
  auto* object = dynamic_cast<Object*>(alive.get());
  if (!object || !object->alive()) return nullptr;
  return m.captured_target;
}

std::int16_t ButtonOf(win32::UINT msg) {
  switch (msg) {
    case win32::WM_LBUTTONDOWN:
    case win32::WM_LBUTTONUP:
    case win32::WM_LBUTTONDBLCLK:
      return vbLeftButton;
    case win32::WM_RBUTTONDOWN:
    case win32::WM_RBUTTONUP:
    case win32::WM_RBUTTONDBLCLK:
      return vbRightButton;
    default:
      return vbMiddleButton;
  }
}

std::int16_t HeldButtons(win32::WPARAM keys) {
  std::int16_t b = 0;
  if (keys & win32::MK_LBUTTON) b |= vbLeftButton;
  if (keys & win32::MK_RBUTTON) b |= vbRightButton;
  if (keys & win32::MK_MBUTTON) b |= vbMiddleButton;
  return b;
}

Form* FormOf(InputTarget& target) {
  Object& o = target.TargetObject();
  if (auto* f = dynamic_cast<Form*>(&o)) return f;
  if (auto* c = dynamic_cast<Control*>(&o)) return c->form();
  return nullptr;
}

// The mouse coordinates of a screen point for a target, in its scale.
void ToTargetUnits(InputTarget& target, win32::POINT screen, float* x, float* y) {
  win32::POINT origin = target.MouseOrigin();
  std::int16_t scale = target.MouseScale();
  *x = ConvertScale(static_cast<float>(screen.x - origin.x), vbPixels, scale, true);
  *y = ConvertScale(static_cast<float>(screen.y - origin.y), vbPixels, scale, false);
}

InputTarget& TargetAt(InputTarget& self, Container* windowless, win32::POINT client) {
  if (windowless) {
    if (Control* c = windowless->WindowlessAt(client)) return *c;
  }
  return self;
}

// The user controls around an object, innermost first (the object itself when it is one).
std::vector<UserControl*> UserControlsAround(Object& object) {
  std::vector<UserControl*> out;
  auto* c = dynamic_cast<Control*>(&object);
  while (c) {
    if (auto* uc = dynamic_cast<UserControl*>(c)) out.push_back(uc);
    Container* container = c->container();
    c = container ? dynamic_cast<Control*>(&container->ContainerObject()) : nullptr;
  }
  return out;
}

bool IsWithin(win32::HWND hwnd, win32::HWND ancestor) {
  for (win32::HWND h = hwnd; h; h = win32::GetParent(h)) {
    if (h == ancestor) return true;
  }
  return false;
}

// A focusable element of a user control, front of the tab order first.
Control* FirstFocusableElement(UserControl& uc) {
  Control* best = nullptr;
  for (const ControlPtr& c : uc.children()) {
    if (!c->windowed() || !c->CanGetFocus() || !c->Visible() || !c->Enabled() || !c->hWnd()) {
      continue;
    }
    if (!best || c->TabIndex() < best->TabIndex()) best = c.get();
  }
  return best;
}

void MouseMessage(InputTarget& self, Container* windowless, win32::HWND hwnd, win32::UINT msg,
                  win32::WPARAM wparam, win32::LPARAM lparam) {
  MouseState& m = Mouse();
  win32::POINT client{win32::GET_X_LPARAM(lparam), win32::GET_Y_LPARAM(lparam)};
  win32::POINT screen = client;
  win32::ClientToScreen(hwnd, &screen);
  std::int16_t shift = ShiftState();
  float x = 0;
  float y = 0;

  if (msg == win32::WM_MOUSEMOVE) {
    InputTarget* target = Captured();
    if (!target) target = &TargetAt(self, windowless, client);
    auto keep = KeepAlive(target->TargetObject());
    ToTargetUnits(*target, screen, &x, &y);
    std::int16_t buttons = HeldButtons(wparam);
    RaiseOn(*target, "MouseMove", [&] { target->OnMouse(MouseKind::kMove, buttons, shift, x, y); });
    return;
  }

  bool down =
      msg == win32::WM_LBUTTONDOWN || msg == win32::WM_RBUTTONDOWN || msg == win32::WM_MBUTTONDOWN;
  bool double_click = msg == win32::WM_LBUTTONDBLCLK || msg == win32::WM_RBUTTONDBLCLK ||
                      msg == win32::WM_MBUTTONDBLCLK;
  std::int16_t button = ButtonOf(msg);

  if (down || double_click) {
    InputTarget* target = Captured();
    bool first_button = m.buttons == 0 || !target;
    if (first_button) target = &TargetAt(self, windowless, client);
    Object& object = target->TargetObject();
    auto keep = KeepAlive(object);
    auto keep_form = FormOf(*target) ? KeepAlive(*FormOf(*target)) : nullptr;
    if (first_button) {
      m.captured = keep;
      m.captured_target = target;
      m.capture_window = hwnd;
      m.buttons = 0;
      m.after_double_click = false;
      win32::SetCapture(hwnd);
    }
    m.buttons |= button;
    // The second press of a double click raises DblClick only when it lands on what the
    // first press hit.
    bool same = m.last_press.lock() == keep;
    m.last_press = keep;
    if (auto* control = dynamic_cast<Control*>(&object);
        control && control->windowed() && control->CanGetFocus() && control->hWnd() &&
        !IsWithin(win32::GetFocus(), control->hWnd())) {
      FocusControl(*control);
      if (!object.alive()) return;
    }
    ToTargetUnits(*target, screen, &x, &y);
    if (double_click && same) {
      m.after_double_click = true;
      RaiseOn(*target, "DblClick", [&] { target->OnDblClick(); });
    } else {
      RaiseOn(*target, "MouseDown",
              [&] { target->OnMouse(MouseKind::kDown, button, shift, x, y); });
    }
    return;
  }

  // A release.
  InputTarget* target = Captured();
  if (!target) target = &TargetAt(self, windowless, client);
  Object& object = target->TargetObject();
  auto keep = KeepAlive(object);
  auto keep_form = FormOf(*target) ? KeepAlive(*FormOf(*target)) : nullptr;
  bool after_double = m.after_double_click;
  m.buttons &= static_cast<std::int16_t>(~button);
  if (m.buttons == 0) {
    m.captured.reset();
    m.captured_target = nullptr;
    m.after_double_click = false;
    if (win32::GetCapture() == m.capture_window) win32::ReleaseCapture();
    m.capture_window = 0;
  }
  ToTargetUnits(*target, screen, &x, &y);
  if (!RaiseOn(*target, "MouseUp", [&] { target->OnMouse(MouseKind::kUp, button, shift, x, y); })) {
    return;
  }
  if (!after_double && target->RaisesClickFor(button) && target->ContainsScreenPoint(screen)) {
    RaiseOn(*target, "Click", [&] { target->OnClick(); });
  }
}

void FocusMessage(InputTarget& self, win32::HWND hwnd, bool gained, win32::HWND other) {
  Object& object = self.TargetObject();
  auto keep = KeepAlive(object);
  std::vector<UserControl*> around = UserControlsAround(object);
  if (gained) {
    // A user control whose elements take the focus hands it on.
    if (auto* uc = dynamic_cast<UserControl*>(&object)) {
      if (Control* element = FirstFocusableElement(*uc)) {
        win32::SetFocus(element->hWnd());
        return;
      }
    }
    std::vector<UserControl*> entered;  // outermost first
    std::vector<std::shared_ptr<Object>> keeps;
    for (auto it = around.rbegin(); it != around.rend(); ++it) {
      UserControl* uc = *it;
      if (uc->focus_within) continue;
      uc->focus_within = true;
      entered.push_back(uc);
      keeps.push_back(KeepAlive(*uc));
      Dispatch(uc, "UserControl_EnterFocus", [uc] { uc->UserControl_EnterFocus(); });
      if (!object.alive()) return;
    }
    if (!RaiseOn(self, "GotFocus", [&] { self.OnGotFocus(); })) return;
    for (auto it = entered.rbegin(); it != entered.rend(); ++it) {
      UserControl* uc = *it;
      if (!uc->alive() || !uc->sited()) continue;
      Dispatch(uc->Owner(), uc->DisplayName() + "_GotFocus", [uc] { uc->Extender().GotFocus(); });
    }
    if (Form* f = FormOf(self)) f->NoteFocus(hwnd);
    return;
  }
  // Passing through a user control on the way to its element raises nothing.
  if (auto* uc = dynamic_cast<UserControl*>(&object); uc && !uc->focus_within) return;
  if (!RaiseOn(self, "LostFocus", [&] { self.OnLostFocus(); })) return;
  for (UserControl* uc : around) {
    if (!uc->focus_within || !uc->alive()) continue;
    if (other && uc->hWnd() && IsWithin(other, uc->hWnd())) continue;
    uc->focus_within = false;
    auto keep_uc = KeepAlive(*uc);
    Dispatch(uc, "UserControl_ExitFocus", [uc] { uc->UserControl_ExitFocus(); });
    if (uc->alive() && uc->sited()) {
      Dispatch(uc->Owner(), uc->DisplayName() + "_LostFocus", [uc] { uc->Extender().LostFocus(); });
    }
  }
}

// The cursor a target's MousePointer asks for (Screen.MousePointer first), 0 for the
// window's own.
win32::HCURSOR CursorFor(InputTarget& target) {
  std::int16_t pointer = Screen().MousePointer();
  vb::PictureRef icon;
  if (pointer == 0) {
    Object& o = target.TargetObject();
    if (auto* c = dynamic_cast<Control*>(&o)) {
      pointer = c->MousePointer();
      icon = c->MouseIcon();
    } else if (auto* f = dynamic_cast<Form*>(&o)) {
      pointer = f->MousePointer();
    }
  }
  if (pointer == 99 && !vb::IsEmpty(icon)) {
    // One cursor per picture and desktop: the window system keeps cursors for its life.
    static std::map<std::pair<const void*, std::uint32_t>, win32::HCURSOR> made;
    auto key = std::make_pair(static_cast<const void*>(&win::Desktop::Current()), icon->Handle());
    auto it = made.find(key);
    if (it != made.end()) return it->second;
    auto bitmap = std::make_shared<const gfx::Bitmap>(*icon->Pixels());
    return made[key] = win::CreatePictureCursor(bitmap, {0, 0});
  }
  static const win32::LONG_PTR kCursors[] = {0,
                                             win32::IDC_ARROW,
                                             win32::IDC_CROSS,
                                             win32::IDC_IBEAM,
                                             win32::IDC_ARROW,
                                             win32::IDC_SIZEALL,
                                             win32::IDC_SIZENESW,
                                             win32::IDC_SIZENS,
                                             win32::IDC_SIZENWSE,
                                             win32::IDC_SIZEWE,
                                             win32::IDC_ARROW,
                                             win32::IDC_WAIT,
                                             win32::IDC_NO,
                                             win32::IDC_WAIT,
                                             win32::IDC_ARROW,
                                             win32::IDC_SIZEALL};
  if (pointer <= 0 || pointer > 15) return 0;
  return win32::LoadCursorA(0, kCursors[pointer]);
}

}  // namespace

std::int16_t ShiftState() {
  std::int16_t s = 0;
  if (win32::GetKeyState(win32::VK_SHIFT) < 0) s |= vbShiftMask;
  if (win32::GetKeyState(win32::VK_CONTROL) < 0) s |= vbCtrlMask;
  if (win32::GetKeyState(win32::VK_MENU) < 0) s |= vbAltMask;
  return s;
}

bool RaiseOn(InputTarget& target, std::string_view event, const std::function<void()>& handler) {
  Object& object = target.TargetObject();
  if (!object.alive()) return false;
  auto keep = KeepAlive(object);
  std::string procedure = target.ProcedurePrefix() + "_" + std::string(event);
  const Object* owner = target.HandlerOwner();
  Dispatch(owner ? owner : &object, procedure, handler);
  return object.alive();
}

bool FocusControl(Control& control) {
  if (!control.windowed() || !control.hWnd() || !control.ShownOnForm() ||
      !control.EnabledOnForm()) {
    return false;
  }
  win32::HWND target = control.hWnd();
  if (auto* uc = dynamic_cast<UserControl*>(&control)) {
    if (Control* element = FirstFocusableElement(*uc))
      target = element->hWnd();
    else if (!uc->CanGetFocus())
      return false;
  } else if (!control.CanGetFocus()) {
    return false;
  }
  win32::SetFocus(target);
  return win32::GetFocus() == target;
}

bool HandleInput(InputTarget& self, Container* windowless, win32::HWND hwnd, win32::UINT msg,
                 win32::WPARAM wparam, win32::LPARAM lparam, win32::LRESULT* result) {
  *result = 0;
  switch (msg) {
    case win32::WM_MOUSEMOVE:
    case win32::WM_LBUTTONDOWN:
    case win32::WM_LBUTTONUP:
    case win32::WM_LBUTTONDBLCLK:
    case win32::WM_RBUTTONDOWN:
    case win32::WM_RBUTTONUP:
    case win32::WM_RBUTTONDBLCLK:
    case win32::WM_MBUTTONDOWN:
    case win32::WM_MBUTTONUP:
    case win32::WM_MBUTTONDBLCLK:
      MouseMessage(self, windowless, hwnd, msg, wparam, lparam);
      return true;
    case win32::WM_CAPTURECHANGED:
      if (Mouse().capture_window == hwnd && static_cast<win32::HWND>(lparam) != hwnd) {
        Mouse().captured.reset();
        Mouse().captured_target = nullptr;
        Mouse().buttons = 0;
        Mouse().capture_window = 0;
      }
      return true;
    case win32::WM_SETFOCUS:
      FocusMessage(self, hwnd, true, static_cast<win32::HWND>(wparam));
      return true;
    case win32::WM_SETCURSOR: {
      if (win32::LOWORD(static_cast<std::uintptr_t>(lparam)) != win32::HTCLIENT) return false;
      win32::POINT screen;
      win32::GetCursorPos(&screen);
      win32::POINT client = screen;
      win32::ScreenToClient(hwnd, &client);
      InputTarget& target = TargetAt(self, windowless, client);
      win32::HCURSOR cursor = CursorFor(target);
      if (!cursor) return false;
      win32::SetCursor(cursor);
      *result = win32::TRUE;
      return true;
    }
    case win32::WM_KILLFOCUS:
      FocusMessage(self, hwnd, false, static_cast<win32::HWND>(wparam));
      return true;
    case win32::WM_KEYDOWN: {
      Form* form = FormOf(self);
      auto keep_form = form ? KeepAlive(*form) : nullptr;
      auto vk = static_cast<win32::UINT>(wparam);
      if (form && vk == win32::VK_TAB) {
        form->TabToNext((ShiftState() & vbShiftMask) != 0);
        return true;
      }
      std::int16_t key = static_cast<std::int16_t>(vk);
      std::int16_t shift = ShiftState();
      auto keep = KeepAlive(self.TargetObject());
      // With KeyPreview the form sees the key first and may take it (KeyCode 0).
      if (form && form->KeyPreview() && &self.TargetObject() != form) {
        if (!RaiseOn(*form, "KeyDown", [&] { form->OnKeyDown(key, shift); }) || key == 0) {
          return true;
        }
      }
      if (!RaiseOn(self, "KeyDown", [&] { self.OnKeyDown(key, shift); })) return true;
      if (form && key != 0 && (vk == win32::VK_RETURN || vk == win32::VK_ESCAPE)) {
        form->PressDefaultOrCancel(vk == win32::VK_RETURN, self.TargetObject());
      }
      return true;
    }
    case win32::WM_KEYUP: {
      std::int16_t key = static_cast<std::int16_t>(wparam);
      std::int16_t shift = ShiftState();
      auto keep = KeepAlive(self.TargetObject());
      Form* form = FormOf(self);
      auto keep_form = form ? KeepAlive(*form) : nullptr;
      if (form && form->KeyPreview() && &self.TargetObject() != form) {
        if (!RaiseOn(*form, "KeyUp", [&] { form->OnKeyUp(key, shift); }) || key == 0) return true;
      }
      RaiseOn(self, "KeyUp", [&] { self.OnKeyUp(key, shift); });
      return true;
    }
    case win32::WM_CHAR: {
      if (wparam == '\t') return true;
      std::int16_t ascii = static_cast<std::int16_t>(wparam & 0x7FFF);
      auto keep = KeepAlive(self.TargetObject());
      Form* form = FormOf(self);
      auto keep_form = form ? KeepAlive(*form) : nullptr;
      if (form && form->KeyPreview() && &self.TargetObject() != form) {
        if (!RaiseOn(*form, "KeyPress", [&] { form->OnKeyPress(ascii); }) || ascii == 0) {
          return true;
        }
      }
      RaiseOn(self, "KeyPress", [&] { self.OnKeyPress(ascii); });
      return true;
    }
    case win32::WM_SYSCHAR: {
      Form* form = FormOf(self);
      auto keep_form = form ? KeepAlive(*form) : nullptr;
      if (form && form->HandleAccessKey(static_cast<char32_t>(wparam))) return true;
      return false;
    }
    default:
      return false;
  }
}

}  // namespace host
