#include "platform/host/control/control.h"

#include <algorithm>
#include <cmath>

#include "platform/host/form/form.h"
#include "platform/vb/error.h"
#include "platform/vb/units.h"

namespace host {

float TwipsPerUnit(std::int16_t scale_mode, bool x) {
  const vb::DisplayMetrics& d = vb::Display();
  switch (scale_mode) {
    case vbUser:
    case vbTwips:
      return 1;
    case vbPoints:
      return 20;
    case vbPixels:
      return x ? d.twips_per_pixel_x : d.twips_per_pixel_y;
    case vbCharacters:
      return x ? 120 : 240;
    case vbInches:
      return 1440;
    case vbMillimeters:
      return 1440 / 25.4f;
    case vbCentimeters:
      return 1440 / 2.54f;
    case vbHimetric:
      return 1440 / 2540.0f;
    default:
      return 0;
  }
}

float ConvertScale(float value, std::int16_t from, std::int16_t to, bool x) {
  float a = TwipsPerUnit(from, x);
  float b = TwipsPerUnit(to, x);
  if (a == 0 || b == 0) throw vb::Error(vb::kInvalidProcedureCall);
  if (from == to) return value;
  return static_cast<float>(static_cast<double>(value) * a / b);
}

namespace {

// 2^24 twips: every position and size stays exact as a float and far inside int pixels.
constexpr float kMaxTwips = 16777216.0f;

int ToPixels(float twips, float per_pixel) {
  return static_cast<int>(std::floor(twips / per_pixel + 0.5f));
}

std::int16_t ScaleOf(const Container* container) {
  return container ? container->ChildScaleMode() : std::int16_t{vbTwips};
}

float FromTwips(float twips, const Container* c, bool x) {
  return twips / TwipsPerUnit(ScaleOf(c), x);
}
float ToTwips(float value, const Container* c, bool x) {
  return value * TwipsPerUnit(ScaleOf(c), x);
}

}  // namespace

Control::~Control() = default;

float Control::Left() const {
  return FromTwips(left_, container_, true);
}
float Control::Top() const {
  return FromTwips(top_, container_, false);
}
float Control::Width() const {
  return FromTwips(width_, container_, true);
}
float Control::Height() const {
  return FromTwips(height_, container_, false);
}

void Control::Left(float value) {
  Move(value);
}
void Control::Top(float value) {
  Move(Left(), value);
}
void Control::Width(float value) {
  Move(Left(), Top(), value);
}
void Control::Height(float value) {
  Move(Left(), Top(), Width(), value);
}

void Control::Move(float left, std::optional<float> top, std::optional<float> width,
                   std::optional<float> height) {
  if ((width && *width < 0) || (height && *height < 0)) {
    throw vb::Error(vb::kInvalidPropertyValue);
  }
  MoveTwips(ToTwips(left, container_, true), top ? ToTwips(*top, container_, false) : top_,
            width ? ToTwips(*width, container_, true) : width_,
            height ? ToTwips(*height, container_, false) : height_);
}

void Control::MoveTwips(float l, float t, float w, float h) {
  // Far beyond any screen, pixel positions would overflow: such values are refused.
  for (float v : {l, t, w, h}) {
    if (!(std::fabs(v) <= kMaxTwips)) throw vb::Error(vb::kInvalidPropertyValue);
  }
  bool moved = l != left_ || t != top_;
  bool resized = w != width_ || h != height_;
  left_ = l;
  top_ = t;
  width_ = w;
  height_ = h;
  if (moved || resized) GeometryChanged(resized);
}

vb::ObjectRef Control::ContainerRef() const {
  if (!container_) return nullptr;
  return container_->ContainerObject().weak_from_this().lock();
}

void Control::SizeTwips(std::optional<float> width, std::optional<float> height) {
  if ((width && *width < 0) || (height && *height < 0)) {
    throw vb::Error(vb::kInvalidPropertyValue);
  }
  MoveTwips(left_, top_, width.value_or(width_), height.value_or(height_));
}

void Control::SetTwips(float left, float top, float width, float height) {
  left_ = left;
  top_ = top;
  width_ = std::max(0.0f, width);
  height_ = std::max(0.0f, height);
}

void Control::Visible(bool value) {
  if (visible_ == value) return;
  visible_ = value;
  VisibilityChanged();
  InvalidateContainer();
}

void Control::Enabled(bool value) {
  if (enabled_ == value) return;
  enabled_ = value;
  EnabledChanged();
  InvalidateContainer();
}

void Control::MousePointer(std::int16_t value) {
  if (value < 0 || (value > 15 && value != 99)) throw vb::Error(vb::kInvalidPropertyValue);
  mouse_pointer_ = value;
}

Form* Control::form() const {
  for (Container* c = container_; c;) {
    Object& o = c->ContainerObject();
    if (auto* f = dynamic_cast<Form*>(&o)) return f;
    auto* ctl = dynamic_cast<Control*>(&o);
    if (!ctl) return nullptr;
    c = ctl->container_;
  }
  return nullptr;
}

bool Control::ShownOnForm() const {
  for (const Control* c = this; c;) {
    if (!c->visible_) return false;
    if (!c->container_) return true;
    c = dynamic_cast<const Control*>(&c->container_->ContainerObject());
  }
  return true;
}

bool Control::EnabledOnForm() const {
  for (const Control* c = this; c;) {
    if (!c->enabled_) return false;
    if (!c->container_) return true;
    c = dynamic_cast<const Control*>(&c->container_->ContainerObject());
  }
  return true;
}

win32::RECT Control::PixelRect() const {
  const vb::DisplayMetrics& d = vb::Display();
  win32::POINT origin = container_ ? container_->ChildOrigin() : win32::POINT{0, 0};
  int x = origin.x + ToPixels(left_, d.twips_per_pixel_x);
  int y = origin.y + ToPixels(top_, d.twips_per_pixel_y);
  return {x, y, x + ToPixels(width_, d.twips_per_pixel_x),
          y + ToPixels(height_, d.twips_per_pixel_y)};
}

win32::POINT Control::ScreenOrigin() const {
  win32::RECT r = PixelRect();
  win32::POINT p{r.left, r.top};
  if (container_) win32::ClientToScreen(container_->ChildWindow(), &p);
  return p;
}

bool Control::HitTest(win32::POINT p) const {
  win32::RECT r = PixelRect();
  return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

std::int16_t Control::MouseScale() {
  return ScaleOf(container_);
}

bool Control::ContainsScreenPoint(win32::POINT screen) {
  if (!container_) return false;
  win32::POINT p = screen;
  win32::ScreenToClient(container_->ChildWindow(), &p);
  return HitTest(p);
}

void Control::AttachTo(Container* container, Object* owner) {
  container_ = container;
  SetOwner(owner);
}

void Control::Destroy() {
  Unrealize();
  MarkDead();
}

std::shared_ptr<Control> Control::CloneForArray() const {
  throw vb::Error(vb::kNotSupported, "Load " + Name());
}

void Control::GeometryChanged(bool) {
  InvalidateContainer();
}

void Control::InvalidateContainer() const {
  if (container_) container_->InvalidateWindowless();
}

void Control::CopyStateTo(Control& copy) const {
  copy.SetName(Name());
  copy.left_ = left_;
  copy.top_ = top_;
  copy.width_ = width_;
  copy.height_ = height_;
  copy.visible_ = false;
  copy.enabled_ = enabled_;
  copy.tag_ = tag_;
  copy.tab_index_ = tab_index_;
  copy.tab_stop_ = tab_stop_;
  copy.mouse_pointer_ = mouse_pointer_;
  copy.mouse_icon_ = mouse_icon_;
}

void Container::AddChild(ControlPtr child) {
  children_.push_back(std::move(child));
  InvalidateWindowless();
}

Container::~Container() {
  for (const ControlPtr& c : children_) {
    if (c->container() == this) c->AttachTo(nullptr, nullptr);
  }
}

void Container::RemoveChild(const Control* child) {
  // A reference the program still holds must not reach this container once it is gone.
  std::erase_if(children_, [child](const ControlPtr& c) {
    if (c.get() != child) return false;
    c->AttachTo(nullptr, nullptr);
    return true;
  });
  InvalidateWindowless();
}

void Container::StackFrontFirst(const std::vector<Control*>& front_first) {
  // children_ runs back to front: the listed ones go there in reverse, in the slots they held.
  std::vector<std::size_t> slots;
  std::vector<ControlPtr> listed;
  for (auto it = front_first.rbegin(); it != front_first.rend(); ++it) {
    for (std::size_t i = 0; i < children_.size(); ++i) {
      if (children_[i].get() == *it) {
        slots.push_back(i);
        listed.push_back(children_[i]);
      }
    }
  }
  std::sort(slots.begin(), slots.end());
  for (std::size_t k = 0; k < slots.size(); ++k) children_[slots[k]] = listed[k];
  // Each window sent to the bottom in turn leaves the first one on top.
  for (Control* c : front_first) {
    if (c->windowed() && c->hWnd()) {
      win32::SetWindowPos(c->hWnd(), win32::HWND_BOTTOM, 0, 0, 0, 0,
                          win32::SWP_NOMOVE | win32::SWP_NOSIZE | win32::SWP_NOACTIVATE);
    }
  }
  InvalidateWindowless();
}

Control* Container::WindowlessAt(win32::POINT p) const {
  for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
    Control& c = **it;
    if (c.windowed() || !c.Visible() || !c.Enabled()) continue;
    if (c.HitTest(p)) return &c;
  }
  return nullptr;
}

void Container::DrawWindowlessChildren(win32::HDC hdc) const {
  // A copy: drawing code must not be disturbed by a child that goes away meanwhile.
  const std::vector<ControlPtr> children = children_;
  for (const ControlPtr& c : children) {
    if (!c->windowed() && c->Visible() && c->alive()) c->DrawWindowless(hdc);
  }
}

void Container::RealizeChildren() {
  const std::vector<ControlPtr> children = children_;
  for (const ControlPtr& c : children) c->Realize();
}

void Container::DestroyChildren() {
  const std::vector<ControlPtr> children = std::move(children_);
  children_.clear();
  for (const ControlPtr& c : children) {
    c->Destroy();
    // Dead controls the program still holds keep no pointer to a container that may go.
    c->AttachTo(nullptr, nullptr);
  }
}

}  // namespace host
