#include "platform/host/control/user_control.h"

#include "platform/host/control/placement.h"
#include "platform/host/form/form.h"
#include "platform/host/services/errors.h"
#include "platform/host/services/input.h"
#include "platform/host/types/class_builder.h"
#include "platform/vb/error.h"
#include "platform/vb/units.h"

namespace host {

// ---- Ambient ----

bool AmbientProperties::UserMode() const {
  Form* f = control_.form();
  return !(f && f->DesignMode());
}

vb::FontRef AmbientProperties::Font() const {
  Form* f = control_.form();
  return f ? f->Font()->Clone() : std::make_shared<vb::StdFont>();
}

std::string AmbientProperties::DisplayName() const {
  return control_.Name();
}

vb::OLE_COLOR AmbientProperties::BackColor() const {
  Form* f = control_.form();
  return f ? f->BackColor() : 0x8000000F;
}

vb::OLE_COLOR AmbientProperties::ForeColor() const {
  Form* f = control_.form();
  return f ? f->ForeColor() : 0x80000012;
}

// ---- Extender ----

std::string Extender::Name() const {
  return control_.Name();
}
std::int16_t Extender::Index() const {
  if (!control_.IsArrayMember()) throw vb::Error(343, "Object not an array");
  return control_.Index();
}
vb::ObjectRef Extender::Container() const {
  host::Container* c = control_.container();
  if (!c) return nullptr;
  return KeepAlive(c->ContainerObject());
}
vb::ObjectRef Extender::Parent() const {
  return control_.Parent();
}
float Extender::Left() const {
  return control_.Left();
}
void Extender::Left(float v) {
  control_.Left(v);
}
float Extender::Top() const {
  return control_.Top();
}
void Extender::Top(float v) {
  control_.Top(v);
}
float Extender::Width() const {
  return control_.Width();
}
void Extender::Width(float v) {
  control_.Width(v);
}
float Extender::Height() const {
  return control_.Height();
}
void Extender::Height(float v) {
  control_.Height(v);
}
bool Extender::Visible() const {
  return control_.Visible();
}
void Extender::Visible(bool v) {
  control_.Visible(v);
}
bool Extender::Enabled() const {
  return control_.Enabled();
}
void Extender::Enabled(bool v) {
  control_.Enabled(v);
}
std::string Extender::Tag() const {
  return control_.Tag();
}
void Extender::Tag(std::string v) {
  control_.Tag(std::move(v));
}
std::int16_t Extender::TabIndex() const {
  return control_.TabIndex();
}
void Extender::TabIndex(std::int16_t v) {
  control_.TabIndex(v);
}
bool Extender::TabStop() const {
  return control_.TabStop();
}
void Extender::TabStop(bool v) {
  control_.TabStop(v);
}
void Extender::Move(float left, std::optional<float> top, std::optional<float> width,
                    std::optional<float> height) {
  control_.Move(left, top, width, height);
}
void Extender::SetFocus() {
  FocusControl(control_);
}

std::int16_t Extender::Align() const {
  if (!control_.Alignable()) throw vb::Error(vb::kNotSupported, "Align");
  return control_.align;
}

void Extender::Align(std::int16_t value) {
  if (!control_.Alignable()) throw vb::Error(vb::kNotSupported, "Align");
  if (value < 0 || value > 4) throw vb::Error(vb::kInvalidPropertyValue);
  control_.align = value;
  if (Form* f = control_.form()) f->ArrangeAligned();
}

const ClassInfo& Extender::Class() const {
  return TypeInfo();
}

const ClassInfo& Extender::TypeInfo() {
  static ClassInfo& info = []() -> ClassInfo& {
    ClassInfo& i = TypeRegistry::Instance().Add("VB.VBControlExtender");
    ClassBuilder<host::Extender>(i)
        .Property("Name", &Extender::Name)
        .Property("Index", &Extender::Index)
        .Property("Container", &Extender::Container)
        .Property("Parent", &Extender::Parent)
        .Property("Left", &Extender::Left, &Extender::Left)
        .Property("Top", &Extender::Top, &Extender::Top)
        .Property("Width", &Extender::Width, &Extender::Width)
        .Property("Height", &Extender::Height, &Extender::Height)
        .Property("Visible", &Extender::Visible, &Extender::Visible)
        .Property("Enabled", &Extender::Enabled, &Extender::Enabled)
        .Property("Tag", &Extender::Tag, &Extender::Tag)
        .Property("TabIndex", &Extender::TabIndex, &Extender::TabIndex)
        .Property("TabStop", &Extender::TabStop, &Extender::TabStop)
        .Method("Move", &Extender::Move,
                {Param("Left"), Optional("Top"), Optional("Width"), Optional("Height")})
        .Method("SetFocus", &Extender::SetFocus)
        .Property("Align", &Extender::Align, &Extender::Align)
        .Event("GotFocus")
        .Event("LostFocus");
    return i;
  }();
  return info;
}

// ---- UserControl ----

UserControl::UserControl() {
  // The designer's default extent of a new control.
  SetTwips(0, 0, 2400, 1800);
}

UserControl::~UserControl() = default;

AmbientProperties UserControl::Ambient() const {
  if (!sited_) throw vb::Error(vb::kObjectNotSet, "Ambient is not available before siting");
  return AmbientProperties(*this);
}

host::Extender& UserControl::Extender() const {
  if (!sited_ || !extender_) {
    throw vb::Error(vb::kObjectNotSet, "Extender is not available before siting");
  }
  return *extender_;
}

vb::ObjectRef UserControl::Parent() const {
  if (!sited_ || !Owner()) throw vb::Error(vb::kObjectNotSet, "Parent");
  return KeepAlive(*Owner());
}

void UserControl::PropertyChanged(const std::string& property_name) {
  dirty_ = true;
  if (!property_name.empty()) changed_.insert(property_name);
  if (EventObserver* observer = GetEventObserver()) observer->PropertyChanged(this, property_name);
}

void UserControl::ClearDirty() {
  dirty_ = false;
  changed_.clear();
}

bool UserControl::CanGetFocus() const {
  return can_get_focus_;
}

void UserControl::BorderStyle(std::int16_t value) {
  if (value != 0 && value != 1) throw vb::Error(vb::kInvalidPropertyValue);
  border_style_ = value;
  if (window()) {
    win32::LONG_PTR style = win32::GetWindowLongA(window(), win32::GWL_STYLE);
    style = value ? (style | win32::WS_BORDER)
                  : (style & ~static_cast<win32::LONG_PTR>(win32::WS_BORDER));
    win32::SetWindowLongA(window(), win32::GWL_STYLE, style);
    win32::SetWindowPos(
        window(), 0, 0, 0, 0, 0,
        win32::SWP_NOMOVE | win32::SWP_NOSIZE | win32::SWP_NOZORDER | win32::SWP_FRAMECHANGED);
    SurfaceResized();
    InvalidateSurface();
  }
}

win32::SIZE UserControl::SurfaceSize() const {
  if (window()) {
    win32::RECT r;
    win32::GetClientRect(window(), &r);
    return {r.right - r.left, r.bottom - r.top};
  }
  win32::RECT r = PixelRect();
  return {r.right - r.left, r.bottom - r.top};
}

win32::POINT UserControl::MouseOrigin() {
  win32::POINT p{0, 0};
  if (window()) win32::ClientToScreen(window(), &p);
  return p;
}

void UserControl::PlaceElement(const ControlPtr& element, Container* in) {
  Container& container = in ? *in : *this;
  element->AttachTo(&container, this);
  container.AddChild(element);
  if (initialized_) {
    if (auto uc = std::dynamic_pointer_cast<UserControl>(element)) {
      PropertyBag bag = uc->design_properties_;
      uc->Realize();
      uc->RunInitialize();
      uc->Site();
      uc->RunReadProperties(bag);
      uc->RunResize();
      if (shown_) uc->RunShow();
      return;
    }
  }
  if (container.Realized()) element->Realize();
}

namespace {

// The constituent user controls of a holder, also those inside its picture boxes and frames,
// in placement order.
void CollectConstituents(const Container& container,
                         std::vector<std::shared_ptr<UserControl>>& out) {
  for (const ControlPtr& child : container.children()) {
    if (auto uc = std::dynamic_pointer_cast<UserControl>(child)) {
      out.push_back(uc);
    } else if (auto* inner = dynamic_cast<const Container*>(child.get())) {
      CollectConstituents(*inner, out);
    }
  }
}

}  // namespace

void UserControl::Realize() {
  Container* c = container();
  if (!c || !c->Realized() || window()) return;
  win32::DWORD style = win32::WS_CHILD | win32::WS_CLIPSIBLINGS | win32::WS_CLIPCHILDREN;
  if (Visible() && !HiddenAtRunTime()) style |= win32::WS_VISIBLE;
  if (!Enabled()) style |= win32::WS_DISABLED;
  if (border_style_) style |= win32::WS_BORDER;
  CreateHostWindow(0, Name(), style, PixelRect(), c->ChildWindow());
  SurfaceResized();
  RealizeChildren();
  InvalidateSurface();
}

bool UserControl::HiddenAtRunTime() const {
  const Form* f = form();
  return Class().invisible_at_runtime && !(f && f->DesignMode());
}

void UserControl::Unrealize() {
  DestroyHostWindow();
}

void UserControl::RunInitialize() {
  if (initialized_) return;
  initialized_ = true;
  // Constituent user controls exist, with their stored properties, before the Initialize of
  // the control holding them.
  std::vector<std::shared_ptr<UserControl>> constituents;
  CollectConstituents(*this, constituents);
  for (const auto& uc : constituents) {
    if (uc->initialized_) continue;
    PropertyBag bag = uc->design_properties_;
    uc->RunInitialize();
    uc->Site();
    uc->RunReadProperties(bag);
    uc->RunResize();
  }
  auto keep = KeepAlive(*this);
  Dispatch(this, "UserControl_Initialize", [this] { UserControl_Initialize(); });
}

void UserControl::Site() {
  if (!extender_) extender_ = std::make_unique<host::Extender>(*this);
  sited_ = true;
}

void UserControl::RunInitProperties() {
  auto keep = KeepAlive(*this);
  Dispatch(this, "UserControl_InitProperties", [this] { UserControl_InitProperties(); });
}

void UserControl::RunReadProperties(PropertyBag& bag) {
  auto keep = KeepAlive(*this);
  Dispatch(this, "UserControl_ReadProperties", [this, &bag] { UserControl_ReadProperties(bag); });
}

void UserControl::RunWriteProperties(PropertyBag& bag) {
  auto keep = KeepAlive(*this);
  if (Dispatch(this, "UserControl_WriteProperties",
               [this, &bag] { UserControl_WriteProperties(bag); })) {
    ClearDirty();
  }
}

void UserControl::RunResize() {
  if (!sited_ || terminated_) return;
  auto keep = KeepAlive(*this);
  Dispatch(this, "UserControl_Resize", [this] { UserControl_Resize(); });
}

void UserControl::RunShow() {
  if (shown_ || terminated_ || !Visible()) return;
  shown_ = true;
  auto keep = KeepAlive(*this);
  std::vector<std::shared_ptr<UserControl>> constituents;
  CollectConstituents(*this, constituents);
  for (const auto& uc : constituents) uc->RunShow();
  Dispatch(this, "UserControl_Show", [this] { UserControl_Show(); });
}

void UserControl::RunHide() {
  if (!shown_ || terminated_) return;
  shown_ = false;
  auto keep = KeepAlive(*this);
  Dispatch(this, "UserControl_Hide", [this] { UserControl_Hide(); });
  std::vector<std::shared_ptr<UserControl>> constituents;
  CollectConstituents(*this, constituents);
  for (const auto& uc : constituents) uc->RunHide();
}

void UserControl::RaisePaint() {
  auto keep = KeepAlive(*this);
  Dispatch(this, "UserControl_Paint", [this] { UserControl_Paint(); });
}

void UserControl::Destroy() {
  if (terminated_) return;
  auto keep = KeepAlive(*this);
  RunHide();
  terminated_ = true;
  DestroyChildren();
  if (initialized_) Dispatch(this, "UserControl_Terminate", [this] { UserControl_Terminate(); });
  DestroyHostWindow();
  Control::Destroy();
}

std::shared_ptr<Control> UserControl::CloneForArray() const {
  if (!Class().factory) throw vb::Error(vb::kNotSupported, "Load " + Name());
  auto copy = std::dynamic_pointer_cast<UserControl>(Class().factory());
  if (!copy) throw vb::Error(vb::kNotSupported, "Load " + Name());
  CopyStateTo(*copy);
  return copy;
}

void UserControl::GeometryChanged(bool resized) {
  if (window()) {
    win32::RECT r = PixelRect();
    win32::MoveWindow(window(), r.left, r.top, r.right - r.left, r.bottom - r.top, win32::TRUE);
  }
  if (resized) {
    SurfaceResized();
    RunResize();
  }
}

void UserControl::VisibilityChanged() {
  if (window()) {
    win32::ShowWindow(window(),
                      Visible() && !HiddenAtRunTime() ? win32::SW_SHOWNA : win32::SW_HIDE);
  }
  Form* f = form();
  if (Visible() && f && f->Visible()) {
    RunShow();
  } else if (!Visible()) {
    RunHide();
  }
}

void UserControl::EnabledChanged() {
  if (window()) win32::EnableWindow(window(), Enabled());
}

void UserControl::OnMouse(MouseKind kind, std::int16_t button, std::int16_t shift, float x,
                          float y) {
  switch (kind) {
    case MouseKind::kDown:
      UserControl_MouseDown(button, shift, x, y);
      break;
    case MouseKind::kMove:
      UserControl_MouseMove(button, shift, x, y);
      break;
    case MouseKind::kUp:
      UserControl_MouseUp(button, shift, x, y);
      break;
  }
}

win32::LRESULT UserControl::WindowMessage(win32::UINT msg, win32::WPARAM wparam,
                                          win32::LPARAM lparam) {
  if (msg == win32::WM_PAINT) {
    win32::PAINTSTRUCT ps;
    win32::BeginPaint(window(), &ps);
    win32::EndPaint(window(), &ps);
    PaintWindow();
    return 0;
  }
  if (msg == win32::WM_ERASEBKGND) return 1;
  win32::LRESULT result = 0;
  if (HandleInput(*this, this, window(), msg, wparam, lparam, &result)) return result;
  return WindowHost::WindowMessage(msg, wparam, lparam);
}

const ClassInfo& UserControlBaseInfo() {
  static ClassInfo& info = []() -> ClassInfo& {
    ClassInfo& i = TypeRegistry::Instance().Add("VB.UserControl");
    ClassBuilder<UserControl>(i)
        .Property("hWnd", &UserControl::hWnd)
        .Property(
            "hDC", [](UserControl& u) { return vb::Variant(static_cast<std::int32_t>(u.hDC())); },
            nullptr)
        .Property("ScaleWidth", &DrawingSurface::ScaleWidth)
        .Property("ScaleHeight", &DrawingSurface::ScaleHeight)
        .Property("BackColor", &DrawingSurface::BackColor, &DrawingSurface::BackColor)
        .Property("ForeColor", &DrawingSurface::ForeColor, &DrawingSurface::ForeColor);
    return i;
  }();
  return info;
}

}  // namespace host
