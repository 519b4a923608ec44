#include "platform/host/form/form.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "platform/gfx/gdi.h"
#include "platform/gfx/text.h"
#include "platform/host/control/user_control.h"
#include "platform/host/elements/access_keys.h"
#include "platform/host/services/errors.h"
#include "platform/host/services/input.h"
#include "platform/host/services/menu_adapter.h"
#include "platform/vb/error.h"
#include "platform/vb/units.h"
#include "platform/win/desktop.h"
#include "platform/win/event_loop.h"
#include "platform/win/window_manager.h"

namespace host {

namespace {
std::vector<std::shared_ptr<VB::Form>>& LoadedForms() {
  static std::vector<std::shared_ptr<VB::Form>> forms;
  return forms;
}

int Px(float twips, bool x) {
  const vb::DisplayMetrics& d = vb::Display();
  return static_cast<int>(
      std::floor(twips / (x ? d.twips_per_pixel_x : d.twips_per_pixel_y) + 0.5f));
}
float Twips(int px, bool x) {
  const vb::DisplayMetrics& d = vb::Display();
  return static_cast<float>(px) * (x ? d.twips_per_pixel_x : d.twips_per_pixel_y);
}
}  // namespace

const std::vector<std::shared_ptr<VB::Form>>& Forms() {
  auto& forms = LoadedForms();
  std::erase_if(forms, [](const auto& f) { return !f->alive(); });
  return forms;
}

void Load(VB::Form& form) {
  form.RunLoad();
}

bool Unload(VB::Form& form, std::int16_t mode) {
  return form.RunUnload(mode);
}

}  // namespace host

namespace VB {

using host::Dispatch;
using host::KeepAlive;

namespace {
constexpr int kMenuBarHeight = 19;  // classic menu bar: 18 px and a line
constexpr int kMenuTitlePadding = 7;

std::string StripAmpersands(const std::string& caption) {
  std::string out;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) {
      ++i;
    }
    out += caption[i];
  }
  return out;
}
}  // namespace

Form::Form() {
  CreateHostWindow(0, "", win32::WS_OVERLAPPEDWINDOW | win32::WS_CLIPCHILDREN,
                   {100, 100, 100 + 320, 100 + 240}, 0);
  ApplyStyle();
}

Form::~Form() {
  // Menus and controls the program still holds must not reach the freed form.
  for (const auto& m : menus_) m->Destroy();
  if (controls_) {
    for (const auto& o : controls_->items()) {
      if (o->Owner() == this) o->SetOwner(nullptr);
    }
  }
}

void Form::ApplyStyle() {
  if (!window()) return;
  win32::DWORD style = win32::WS_CLIPCHILDREN;
  win32::DWORD ex = 0;
  switch (border_style_) {
    case vbBSNone:
      style |= win32::WS_POPUP;
      break;
    case vbFixedSingle:
      style |= win32::WS_CAPTION;
      break;
    case vbSizable:
      style |= win32::WS_CAPTION | win32::WS_THICKFRAME;
      break;
    case vbFixedDouble:
      style |= win32::WS_CAPTION | win32::WS_DLGFRAME;
      ex |= win32::WS_EX_DLGMODALFRAME;
      break;
    case vbFixedToolWindow:
      style |= win32::WS_CAPTION;
      ex |= win32::WS_EX_TOOLWINDOW;
      break;
    case vbSizableToolWindow:
      style |= win32::WS_CAPTION | win32::WS_THICKFRAME;
      ex |= win32::WS_EX_TOOLWINDOW;
      break;
  }
  if (border_style_ != vbBSNone && control_box_) style |= win32::WS_SYSMENU;
  if (border_style_ >= vbFixedSingle && border_style_ <= vbFixedDouble && control_box_) {
    if (min_button_) style |= win32::WS_MINIMIZEBOX;
    if (max_button_) style |= win32::WS_MAXIMIZEBOX;
  }
  win32::LONG_PTR old = win32::GetWindowLongA(window(), win32::GWL_STYLE);
  const win32::LONG_PTR keep =
      win32::WS_VISIBLE | win32::WS_DISABLED | win32::WS_MINIMIZE | win32::WS_MAXIMIZE;
  win32::SetWindowLongA(window(), win32::GWL_STYLE,
                        static_cast<win32::LONG_PTR>(style) | (old & keep));
  win32::LONG_PTR old_ex = win32::GetWindowLongA(window(), win32::GWL_EXSTYLE);
  const win32::LONG_PTR keep_ex = win32::WS_EX_LAYERED | win32::WS_EX_TOPMOST;
  win32::SetWindowLongA(window(), win32::GWL_EXSTYLE,
                        static_cast<win32::LONG_PTR>(ex) | (old_ex & keep_ex));
  win32::SetWindowPos(window(), 0, 0, 0, 0, 0,
                      win32::SWP_NOMOVE | win32::SWP_NOSIZE | win32::SWP_NOZORDER |
                          win32::SWP_NOACTIVATE | win32::SWP_FRAMECHANGED);
}

void Form::BorderStyle(std::int16_t value) {
  if (value < vbBSNone || value > vbSizableToolWindow) throw vb::Error(vb::kInvalidPropertyValue);
  if (value == border_style_) return;
  border_style_ = value;
  // A fixed dialog or tool window starts without the minimise and maximise boxes.
  if (value == vbFixedDouble || value == vbFixedToolWindow || value == vbSizableToolWindow) {
    min_button_ = false;
    max_button_ = false;
  }
  ApplyStyle();
}

void Form::MinButton(bool value) {
  min_button_ = value;
  ApplyStyle();
}
void Form::MaxButton(bool value) {
  max_button_ = value;
  ApplyStyle();
}
void Form::ControlBox(bool value) {
  control_box_ = value;
  ApplyStyle();
}

std::int16_t Form::WindowState() const {
  if (!window() || !win32::IsWindowVisible(window())) return window_state_;
  if (win32::IsIconic(window())) return vbMinimized;
  if (win32::IsZoomed(window())) return vbMaximized;
  return vbNormal;
}

void Form::WindowState(std::int16_t value) {
  if (value < vbNormal || value > vbMaximized) throw vb::Error(vb::kInvalidPropertyValue);
  window_state_ = value;
  if (!window() || !win32::IsWindowVisible(window())) return;
  static const int kCommands[] = {win32::SW_RESTORE, win32::SW_MINIMIZE, win32::SW_MAXIMIZE};
  if (WindowState() != value) win32::ShowWindow(window(), kCommands[value]);
}

std::string Form::Caption() const {
  return caption_;
}
void Form::Icon(vb::PictureRef value) {
  icon_ = std::move(value);
  const auto handle = static_cast<win32::LPARAM>(icon_ ? icon_->Handle() : 0);
  win32::SendMessageA(window(), win32::WM_SETICON, win32::ICON_SMALL, handle);
  win32::SendMessageA(window(), win32::WM_SETICON, win32::ICON_BIG, handle);
}

// The property keeps its own text: code that retitles the window directly leaves it alone.
void Form::Caption(std::string value) {
  caption_ = std::move(value);
  win32::SetWindowTextA(window(), caption_.c_str());
}

float Form::Reported(int which, int pixels, bool x) const {
  const ExactTwips& e = exact_[which];
  return e.set && e.pixels == pixels ? e.twips : host::Twips(pixels, x);
}
float Form::Left() const {
  win32::RECT r;
  win32::GetWindowRect(window(), &r);
  return Reported(0, r.left, true);
}
float Form::Top() const {
  win32::RECT r;
  win32::GetWindowRect(window(), &r);
  return Reported(1, r.top, false);
}
float Form::Width() const {
  win32::RECT r;
  win32::GetWindowRect(window(), &r);
  return Reported(2, r.right - r.left, true);
}
float Form::Height() const {
  win32::RECT r;
  win32::GetWindowRect(window(), &r);
  return Reported(3, r.bottom - r.top, false);
}
void Form::Left(float v) {
  Move(v);
}
void Form::Top(float v) {
  Move(Left(), v);
}
void Form::Width(float v) {
  Move(Left(), Top(), v);
}
void Form::Height(float v) {
  Move(Left(), Top(), Width(), v);
}

void Form::Move(float left, std::optional<float> top, std::optional<float> width,
                std::optional<float> height) {
  if ((width && *width < 0) || (height && *height < 0)) throw vb::Error(vb::kInvalidPropertyValue);
  if (WindowState() != vbNormal) {
    // The engine refuses to move a minimised or maximised form.
    throw vb::Error(384, "A form can't be moved or sized while minimized or maximized");
  }
  // Far beyond any screen, pixel positions would overflow: such values are refused.
  for (float v : {left, top.value_or(0.0f), width.value_or(0.0f), height.value_or(0.0f)}) {
    if (!(std::fabs(v) <= 16777216.0f)) throw vb::Error(vb::kInvalidPropertyValue);
  }
  const float wanted[4] = {left, top.value_or(Top()), width.value_or(Width()),
                           height.value_or(Height())};
  int x = host::Px(wanted[0], true);
  int y = host::Px(wanted[1], false);
  int w = host::Px(wanted[2], true);
  int h = host::Px(wanted[3], false);
  // Set first, so handlers of the size change already read the twips; where the window ends
  // up elsewhere (the size limits), its pixels no longer match and count instead.
  const int asked[4] = {x, y, w, h};
  for (int i = 0; i < 4; ++i) exact_[i] = {wanted[i], asked[i], true};
  win32::SetWindowPos(window(), 0, x, y, w, h, win32::SWP_NOZORDER | win32::SWP_NOACTIVATE);
}

bool Form::Visible() const {
  return window() && win32::IsWindowVisible(window());
}

void Form::Visible(bool value) {
  if (value) {
    Show();
  } else {
    Hide();
  }
}

bool Form::Enabled() const {
  return win32::IsWindowEnabled(window());
}
void Form::Enabled(bool value) {
  win32::EnableWindow(window(), value);
}

win32::SIZE Form::SurfaceSize() const {
  win32::RECT r{};
  win32::GetClientRect(window(), &r);
  return {r.right - r.left, std::max<win32::LONG>(0, r.bottom - r.top - menu_bar_height())};
}

int Form::menu_bar_height() const {
  for (const auto& m : menus_) {
    if (m->Visible()) return kMenuBarHeight;
  }
  return 0;
}

win32::POINT Form::MouseOrigin() {
  win32::POINT p{0, menu_bar_height()};
  win32::ClientToScreen(window(), &p);
  return p;
}

bool Form::ContainsScreenPoint(win32::POINT screen) {
  win32::POINT p = screen;
  win32::ScreenToClient(window(), &p);
  win32::SIZE size = SurfaceSize();
  int top = menu_bar_height();
  return p.x >= 0 && p.y >= top && p.x < size.cx && p.y < top + size.cy;
}

void Form::RaiseEvent(std::string_view name, const std::function<void()>& raise) {
  auto keep = KeepAlive(*this);
  Dispatch(this, "Form_" + std::string(name), raise);
}

void Form::OnMouse(host::MouseKind kind, std::int16_t button, std::int16_t shift, float x,
                   float y) {
  switch (kind) {
    case host::MouseKind::kDown:
      MouseDown(button, shift, x, y);
      break;
    case host::MouseKind::kMove:
      MouseMove(button, shift, x, y);
      break;
    case host::MouseKind::kUp:
      MouseUp(button, shift, x, y);
      break;
  }
}

void Form::RunLoad() {
  if (loaded_ || !alive()) return;
  loaded_ = true;
  if (auto self = SharedAs<Form>()) host::LoadedForms().push_back(self);
  RaiseEvent("Load", [this] { Load(); });
}

void Form::StartUpPosition(std::int16_t value) {
  if (value < 0 || value > 3) throw vb::Error(vb::kInvalidPropertyValue);
  start_up_position_ = value;
}

void Form::PlaceAtStartUp() {
  if (start_up_position_ == 0 || window_state_ != vbNormal) return;
  win32::RECT outer;
  win32::GetWindowRect(window(), &outer);
  const int w = outer.right - outer.left, h = outer.bottom - outer.top;
  win::Desktop& desktop = win::Desktop::Current();
  win32::RECT area = desktop.ScreenRect();
  int x = 0, y = 0;
  if (start_up_position_ == 3) {
    // The default place cascades from the work area's corner, one step per open window.
    const win32::RECT work = desktop.WorkArea();
    int open = 0;
    for (const auto& f : host::Forms()) open += f.get() != this && f->Visible();
    x = work.left + 26 * (open % 8);
    y = work.top + 26 * (open % 8);
  } else {
    std::shared_ptr<Form> owner = owner_.lock();
    if (start_up_position_ == 1 && owner && owner->Visible()) {
      win32::GetWindowRect(owner->window(), &area);
    }
    x = area.left + (area.right - area.left - w) / 2;
    y = area.top + (area.bottom - area.top - h) / 2;
  }
  win32::SetWindowPos(window(), 0, x, y, 0, 0,
                      win32::SWP_NOSIZE | win32::SWP_NOZORDER | win32::SWP_NOACTIVATE);
}

void Form::ShowWindowNow() {
  static const int kCommands[] = {win32::SW_SHOWNOACTIVATE, win32::SW_SHOWMINNOACTIVE,
                                  win32::SW_SHOWMAXIMIZED};
  win32::ShowWindow(window(), kCommands[std::clamp<int>(window_state_, 0, 2)]);
}

void Form::Show(std::int16_t modal, std::shared_ptr<Form> owner) {
  if (!alive()) throw vb::Error(vb::kObjectNotSet, "the form was unloaded");
  if (modal != 0 && modal != 1) throw vb::Error(vb::kInvalidProcedureCall);
  auto keep = KeepAlive(*this);
  RunLoad();
  if (!alive()) return;
  if (owner) {
    owner_ = owner;
    // The window system keeps no setter for an owner; the window record takes it directly.
    if (win::Window* w = win::Desktop::Current().windows().Find(window())) w->owner = owner->hWnd();
  }
  if (!Visible()) {
    if (!shown_once_) {
      // The first Resize comes before the form appears and is activated.
      shown_once_ = true;
      PlaceAtStartUp();
      SurfaceResized();
      RaiseEvent("Resize", [this] { Resize(); });
      if (!alive()) return;
    }
    ShowWindowNow();
    SurfaceResized();
    for (const auto& object : Controls().items()) {
      if (auto uc = std::dynamic_pointer_cast<host::UserControl>(object)) {
        if (uc->ShownOnForm()) uc->RunShow();
        if (!alive()) return;
      }
    }
    PaintWindow();
  }
  win32::SetForegroundWindow(window());
  if (!alive() || modal == 0) return;

  // Modal: the other forms are disabled until this one is hidden or unloaded.
  std::vector<std::shared_ptr<Form>> disabled;
  for (const auto& f : host::Forms()) {
    if (f.get() != this && f->Visible() && f->Enabled()) {
      f->Enabled(false);
      disabled.push_back(f);
    }
  }
  win::ModalLoop loop;
  loop.name = "form " + Name();
  loop.done = [this] { return !alive() || !Visible(); };
  loop.dismiss = [this] {
    if (alive() && !host::Unload(*this, vbFormControlMenu) && alive()) Hide();
  };
  win::Desktop::Current().loop().RunModal(loop);
  for (const auto& f : disabled) {
    if (f->alive()) f->Enabled(true);
  }
  if (auto o = owner_.lock(); o && o->alive() && o->Visible()) {
    win32::SetForegroundWindow(o->hWnd());
  } else if (!disabled.empty() && disabled.front()->alive()) {
    win32::SetForegroundWindow(disabled.front()->hWnd());
  }
}

void Form::Hide() {
  if (!alive() || !Visible()) return;
  auto keep = KeepAlive(*this);
  win32::ShowWindow(window(), win32::SW_HIDE);
  for (const auto& object : Controls().items()) {
    if (auto uc = std::dynamic_pointer_cast<host::UserControl>(object)) uc->RunHide();
  }
}

bool Form::RunUnload(std::int16_t mode) {
  if (!alive() || unloading_) return false;
  auto keep = KeepAlive(*this);
  if (loaded_) {
    std::int16_t cancel = 0;
    std::int16_t unload_mode = mode;
    RaiseEvent("QueryUnload", [&] { QueryUnload.Raise(cancel, unload_mode); });
    if (cancel != 0 || !alive()) return false;
    cancel = 0;
    RaiseEvent("Unload", [&] { Unload.Raise(cancel); });
    if (cancel != 0 || !alive()) return false;
  }
  unloading_ = true;
  Hide();
  controls_->Clear();
  DestroyChildren();
  for (const auto& m : menus_) m->Destroy();
  menus_.clear();
  DestroyHostWindow();
  MarkDead();
  host::Forms();
  RaiseEvent("Terminate", [this] { Terminate(); });
  return true;
}

void Form::RegisterControl(const host::ControlPtr& control) {
  controls_->Add(control);
  control->TabIndex(next_tab_index_++);
}

void Form::UnregisterControl(const host::Control* control) {
  controls_->Remove(control);
}

std::shared_ptr<host::Object> Form::NamedChild(std::string_view name) {
  for (const auto& o : controls_->items()) {
    if (host::SameName(o->Name(), name)) return o;
  }
  return nullptr;
}

std::shared_ptr<Menu> Form::AddMenu(std::string name, std::string caption, Menu* parent,
                                    std::int16_t index) {
  // An unloaded form would never destroy the menu, which would then outlive the form.
  if (!alive()) throw vb::Error(vb::kObjectNotSet, "the form was unloaded");
  if (parent && (!parent->alive() || parent->form() != this)) {
    throw vb::Error(vb::kInvalidProcedureCall, "menu of another form");
  }
  auto menu = std::make_shared<Menu>();
  menu->SetName(std::move(name));
  menu->SetIndex(index);
  menu->SetOwner(this);
  menu->Caption(std::move(caption));
  menu->Attach(this, parent);
  if (parent) {
    parent->AddItem(menu);
  } else {
    menus_.push_back(menu);
  }
  controls_->Add(menu);
  MenusChanged();
  return menu;
}

void Form::ArrangeAligned() {
  float left = 0;
  float top = 0;
  float right = ScaleWidth();
  float bottom = ScaleHeight();
  const std::vector<host::ControlPtr> children = children_;
  for (const host::ControlPtr& c : children) {
    auto* uc = dynamic_cast<host::UserControl*>(c.get());
    if (!uc || uc->align == 0 || !uc->Visible() || !uc->alive()) continue;
    float w = std::max(0.0f, right - left);
    float h = std::max(0.0f, bottom - top);
    switch (uc->align) {
      case 1:
        uc->Move(left, top, w, uc->Height());
        top += uc->Height();
        break;
      case 2:
        uc->Move(left, bottom - uc->Height(), w, uc->Height());
        bottom -= uc->Height();
        break;
      case 3:
        uc->Move(left, top, uc->Width(), h);
        left += uc->Width();
        break;
      case 4:
        uc->Move(right - uc->Width(), top, uc->Width(), h);
        right -= uc->Width();
        break;
    }
  }
}

void Form::MenusChanged() {
  int bar = menu_bar_height();
  if (bar != last_menu_bar_height_) {
    last_menu_bar_height_ = bar;
    for (const host::ControlPtr& c : children_) c->Reposition();
    ArrangeAligned();
    if (loaded_ && shown_once_) {
      SurfaceResized();
      RaiseEvent("Resize", [this] { Resize(); });
    }
  }
  SurfaceResized();
  InvalidateSurface();
}

win32::RECT Form::MenuTitleRect(const Menu& menu) const {
  win32::HDC dc = win32::GetDC(window());
  vb::StdFont menu_font("MS Sans Serif", 8.25f);
  win32::HFONT font = gfx::CreateFontFromStdFont(menu_font);
  win32::HGDIOBJ old = win32::SelectObject(dc, font);
  int x = 0;
  win32::RECT found{};
  for (const auto& m : menus_) {
    if (!m->Visible()) continue;
    win32::SIZE size{};
    std::string text = StripAmpersands(m->Caption());
    win32::GetTextExtentPoint32A(dc, text, -1, &size);
    win32::RECT r{x, 0, x + size.cx + 2 * kMenuTitlePadding, kMenuBarHeight - 1};
    if (m.get() == &menu) found = r;
    x = r.right;
  }
  win32::SelectObject(dc, old);
  win32::DeleteObject(font);
  win32::ReleaseDC(window(), dc);
  return found;
}

Menu* Form::MenuTitleAt(win32::POINT client) const {
  if (client.y < 0 || client.y >= menu_bar_height()) return nullptr;
  for (const auto& m : menus_) {
    if (!m->Visible()) continue;
    win32::RECT r = MenuTitleRect(*m);
    if (client.x >= r.left && client.x < r.right) return m.get();
  }
  return nullptr;
}

void Form::DrawOverImage(win32::HDC hdc) {
  DrawWindowlessChildren(hdc);
  int bar = menu_bar_height();
  if (!bar) return;
  win32::SIZE size = SurfaceSize();
  win32::RECT strip{0, 0, size.cx, bar - 1};
  win32::FillRect(hdc, &strip, win32::GetSysColorBrush(vb::COLOR_MENU));
  win32::RECT line{0, bar - 1, size.cx, bar};
  win32::FillRect(hdc, &line, win32::GetSysColorBrush(vb::COLOR_BTNSHADOW));
  vb::StdFont menu_font("MS Sans Serif", 8.25f);
  win32::HFONT font = gfx::CreateFontFromStdFont(menu_font);
  win32::HGDIOBJ old = win32::SelectObject(hdc, font);
  win32::SetBkMode(hdc, win32::TRANSPARENT);
  for (const auto& m : menus_) {
    if (!m->Visible()) continue;
    win32::RECT r = MenuTitleRect(*m);
    win32::SetTextColor(hdc,
                        vb::GetSysColor(m->Enabled() ? vb::COLOR_MENUTEXT : vb::COLOR_GRAYTEXT));
    win32::DrawTextA(hdc, m->Caption(), -1, &r,
                     win32::DT_CENTER | win32::DT_VCENTER | win32::DT_SINGLELINE);
  }
  win32::SelectObject(hdc, old);
  win32::DeleteObject(font);
}

void Form::RaisePaint() {
  RaiseEvent("Paint", [this] { Paint(); });
}

void Form::PopupMenu(std::shared_ptr<Menu> menu, std::optional<std::int32_t> flags,
                     std::optional<float> x, std::optional<float> y,
                     std::shared_ptr<Menu> default_menu) {
  (void)default_menu;
  if (!menu) throw vb::Error(vb::kObjectNotSet);
  if (menu->form() != this) throw vb::Error(vb::kInvalidProcedureCall, "menu of another form");
  if (menu->items().empty()) throw vb::Error(vb::kInvalidProcedureCall, "menu has no items");
  win32::POINT at;
  win32::GetCursorPos(&at);
  if (x || y) {
    win32::POINT origin = MouseOrigin();
    if (x) at.x = origin.x + ToPixelX(*x);
    if (y) at.y = origin.y + ToPixelY(*y);
  }
  auto keep = KeepAlive(*this);
  auto keep_menu = menu;
  std::shared_ptr<Menu> chosen = host::TrackMenu(*menu, at, window(), flags.value_or(0));
  if (chosen && chosen->alive() && chosen->Enabled()) chosen->RaiseClick();
}

void Form::DropMenuTitle(Menu& title) {
  auto keep = KeepAlive(title);
  title.RaiseClick();
  if (!title.alive() || !alive() || title.items().empty() || !title.Enabled()) return;
  win32::RECT r = MenuTitleRect(title);
  win32::POINT at{r.left, r.bottom + 1};
  win32::ClientToScreen(window(), &at);
  std::shared_ptr<Menu> chosen = host::TrackMenu(title, at, window(), 0);
  if (chosen && chosen->alive() && chosen->Enabled()) chosen->RaiseClick();
}

void Form::SetFocus() {
  win32::SetForegroundWindow(window());
  for (host::Control* c : TabOrder()) {
    if (host::FocusControl(*c)) return;
  }
  win32::SetFocus(window());
}

std::vector<host::Control*> Form::TabOrder() const {
  std::vector<host::Control*> order;
  for (const auto& o : controls_->items()) {
    auto* c = dynamic_cast<host::Control*>(o.get());
    if (!c || !c->alive() || !c->windowed() || !c->TabStop() || !c->ShownOnForm() ||
        !c->EnabledOnForm()) {
      continue;
    }
    auto* uc = dynamic_cast<host::UserControl*>(c);
    if (!c->CanGetFocus() && !uc) continue;
    order.push_back(c);
  }
  std::stable_sort(order.begin(), order.end(), [](host::Control* a, host::Control* b) {
    return a->TabIndex() < b->TabIndex();
  });
  return order;
}

void Form::TabToNext(bool backwards) {
  std::vector<host::Control*> order = TabOrder();
  if (order.empty()) return;
  win32::HWND focus = win32::GetFocus();
  // The innermost stop holding the focus: a control inside a container control, not the
  // container.
  int current = -1;
  for (win32::HWND h = focus; h && current < 0; h = win32::GetParent(h)) {
    for (std::size_t i = 0; i < order.size(); ++i) {
      if (h == order[i]->hWnd()) current = static_cast<int>(i);
    }
  }
  int n = static_cast<int>(order.size());
  for (int step = 1; step <= n; ++step) {
    int i = current < 0 ? (backwards ? n - step : step - 1)
                        : ((current + (backwards ? -step : step)) % n + n) % n;
    if (host::FocusControl(*order[static_cast<std::size_t>(i)])) return;
  }
}

bool Form::HandleAccessKey(char32_t ch) {
  char32_t lower = ch < 128 ? static_cast<char32_t>(std::tolower(static_cast<int>(ch))) : ch;
  auto keep = KeepAlive(*this);
  // Controls first, in the order of the Controls collection.
  const std::vector<host::ObjectPtr> items = controls_->items();
  for (const auto& o : items) {
    auto* c = dynamic_cast<host::Control*>(o.get());
    if (!c || !c->alive() || !c->ShownOnForm() || !c->EnabledOnForm()) continue;
    if (auto* uc = dynamic_cast<host::UserControl*>(c)) {
      bool has = false;
      for (char k : uc->AccessKeys()) {
        if (static_cast<char32_t>(std::tolower(static_cast<unsigned char>(k))) == lower) has = true;
      }
      if (!has) continue;
      host::FocusControl(*uc);
      std::int16_t ascii = static_cast<std::int16_t>(ch);
      if (uc->alive()) {
        auto keep_uc = KeepAlive(*uc);
        Dispatch(uc, "UserControl_AccessKeyPress", [&] { uc->UserControl_AccessKeyPress(ascii); });
      }
      return true;
    }
    if (host::HandleIntrinsicAccessKey(*this, *c, lower)) return true;
  }
  for (const auto& m : menus_) {
    if (m->Visible() && m->Enabled() && host::AccessLetter(m->Caption()) == lower) {
      DropMenuTitle(*m);
      return true;
    }
  }
  return false;
}

void Form::PressDefaultOrCancel(bool enter, host::Object& focused) {
  host::PressDefaultButton(*this, enter, focused);
}

win32::LRESULT Form::WindowMessage(win32::UINT msg, win32::WPARAM wparam, win32::LPARAM lparam) {
  auto keep = KeepAlive(*this);
  switch (msg) {
    case win32::WM_PAINT: {
      win32::PAINTSTRUCT ps;
      win32::BeginPaint(window(), &ps);
      win32::EndPaint(window(), &ps);
      PaintWindow();
      return 0;
    }
    case win32::WM_ERASEBKGND:
      return 1;
    case win32::WM_SIZE:
      SurfaceResized();
      ArrangeAligned();
      if (loaded_ && shown_once_) RaiseEvent("Resize", [this] { Resize(); });
      return 0;
    case win32::WM_ACTIVATE:
      if (win32::LOWORD(wparam) != win32::WA_INACTIVE) {
        RaiseEvent("Activate", [this] { Activate(); });
        if (alive() && win32::GetFocus() == window()) SetFocus();
      } else {
        RaiseEvent("Deactivate", [this] { Deactivate(); });
      }
      return 0;
    case win32::WM_SETFOCUS: {
      if (last_focus_ && win32::IsWindow(last_focus_) && last_focus_ != window()) {
        win32::SetFocus(last_focus_);
        return 0;
      }
      for (host::Control* c : TabOrder()) {
        if (host::FocusControl(*c)) return 0;
      }
      break;
    }
    case win32::WM_CLOSE:
      host::Unload(*this, vbFormControlMenu);
      return 0;
    case win32::WM_NCLBUTTONDOWN:
      // A form that is not Moveable ignores presses on its own caption. A form without a
      // caption gets this message only from code that starts a drag on purpose: it moves.
      if (!moveable_ && wparam == static_cast<win32::WPARAM>(win32::HTCAPTION) &&
          (win32::GetWindowLongA(window(), win32::GWL_STYLE) & win32::WS_CAPTION) ==
              win32::WS_CAPTION) {
        return 0;
      }
      break;
    case win32::WM_LBUTTONDOWN:
    case win32::WM_LBUTTONDBLCLK: {
      win32::POINT p{win32::GET_X_LPARAM(lparam), win32::GET_Y_LPARAM(lparam)};
      if (p.y < menu_bar_height()) {
        if (Menu* title = MenuTitleAt(p); title && title->Enabled()) DropMenuTitle(*title);
        return 0;
      }
      break;
    }
    default:
      break;
  }
  win32::LRESULT result = 0;
  if (host::HandleInput(*this, this, window(), msg, wparam, lparam, &result)) return result;
  return WindowHost::WindowMessage(msg, wparam, lparam);
}

}  // namespace VB
