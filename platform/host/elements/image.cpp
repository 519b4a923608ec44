#include "platform/host/elements/image.h"

#include "platform/gfx/blit.h"
#include "platform/gfx/device_context.h"
#include "platform/gfx/gdi.h"
#include "platform/host/control/placement.h"
#include "platform/vb/error.h"
#include "platform/vb/units.h"

#include <cmath>

namespace VB {

Image::Image() {
  SetTwips(0, 0, 1215, 1215);
}

void Image::Picture(vb::PictureRef value) {
  picture_ = std::move(value);
  Fit();
  InvalidateContainer();
}

void Image::Stretch(bool value) {
  stretch_ = value;
  Fit();
  InvalidateContainer();
}

void Image::BorderStyle(std::int16_t value) {
  if (value != 0 && value != 1) throw vb::Error(vb::kInvalidPropertyValue);
  border_style_ = value;
  InvalidateContainer();
}

void Image::Fit() {
  if (stretch_ || vb::IsEmpty(picture_)) return;
  const vb::DisplayMetrics& d = vb::Display();
  SetTwips(left_, top_, static_cast<float>(picture_->PixelWidth()) * d.twips_per_pixel_x,
           static_cast<float>(picture_->PixelHeight()) * d.twips_per_pixel_y);
}

void Image::DrawWindowless(win32::HDC hdc) {
  win32::RECT r = PixelRect();
  if (!vb::IsEmpty(picture_)) {
    if (gfx::DeviceContext* dc = gfx::FindDeviceContext(hdc)) {
      int w = stretch_ ? r.right - r.left : picture_->PixelWidth();
      int h = stretch_ ? r.bottom - r.top : picture_->PixelHeight();
      // Drawing stays inside the element's rectangle.
      std::optional<gfx::Region> old_clip = dc->clip();
      gfx::Region box(dc->ToDevice(r));
      if (old_clip) box.Intersect(*old_clip);
      dc->set_clip(box);
      gfx::StretchPixels(*dc, r.left, r.top, w, h, gfx::PixelSource::From(*picture_->Pixels()), 0,
                         0, picture_->PixelWidth(), picture_->PixelHeight());
      dc->set_clip(old_clip);
    }
  }
  if (border_style_ == 1) win32::FrameRect(hdc, &r, win32::GetSysColorBrush(vb::COLOR_WINDOWFRAME));
}

std::shared_ptr<host::Control> Image::CloneForArray() const {
  auto copy = std::make_shared<Image>();
  CopyStateTo(*copy);
  copy->picture_ = picture_;
  copy->stretch_ = stretch_;
  copy->border_style_ = border_style_;
  return copy;
}

const host::ClassInfo& Image::TypeInfo() {
  static host::ClassInfo& info = []() -> host::ClassInfo& {
    host::ClassInfo& i = host::TypeRegistry::Instance().Add("VB.Image");
    host::ClassBuilder<Image> b(i);
    host::Element::AddCommonMembers(b, false);
    b.Property("Picture", &Image::Picture, &Image::Picture)
        .Property("Stretch", &Image::Stretch, &Image::Stretch)
        .Property("BorderStyle", &Image::BorderStyle, &Image::BorderStyle)
        .Method("Refresh", &Image::Refresh)
        .Event("Click")
        .Event("DblClick");
    host::Element::AddMouseEvents(b).Creatable();
    return i;
  }();
  return info;
}

void Line::Set(float& field, float value) {
  field = value;
  InvalidateContainer();
}

void Line::BorderColor(vb::OLE_COLOR v) {
  border_color_ = v;
  InvalidateContainer();
}

void Line::BorderWidth(std::int16_t v) {
  if (v < 1) throw vb::Error(vb::kInvalidPropertyValue);
  border_width_ = v;
  InvalidateContainer();
}

void Line::DrawWindowless(win32::HDC hdc) {
  host::Container* c = container();
  std::int16_t scale = c ? c->ChildScaleMode() : std::int16_t{host::vbTwips};
  win32::POINT o = c ? c->ChildOrigin() : win32::POINT{0, 0};
  auto px = [&](float v, bool x) {
    return static_cast<int>(std::floor(host::ConvertScale(v, scale, host::vbPixels, x) + 0.5f));
  };
  win32::HPEN pen =
      win32::CreatePen(win32::PS_SOLID, border_width_, vb::TranslateColor(border_color_));
  win32::HGDIOBJ old = win32::SelectObject(hdc, pen);
  win32::MoveToEx(hdc, o.x + px(x1_, true), o.y + px(y1_, false), nullptr);
  win32::LineTo(hdc, o.x + px(x2_, true), o.y + px(y2_, false));
  win32::SelectObject(hdc, old);
  win32::DeleteObject(pen);
}

std::shared_ptr<host::Control> Line::CloneForArray() const {
  auto copy = std::make_shared<Line>();
  CopyStateTo(*copy);
  copy->x1_ = x1_;
  copy->y1_ = y1_;
  copy->x2_ = x2_;
  copy->y2_ = y2_;
  copy->border_color_ = border_color_;
  copy->border_width_ = border_width_;
  return copy;
}

const host::ClassInfo& Line::TypeInfo() {
  static host::ClassInfo& info = []() -> host::ClassInfo& {
    host::ClassInfo& i = host::TypeRegistry::Instance().Add("VB.Line");
    host::ClassBuilder<Line>(i)
        .Property("Name", &Object::Name)
        .Property("Index", &Object::Index)
        .Property("Visible", &Control::Visible, &Control::Visible)
        .Property("Tag", &Control::Tag, &Control::Tag)
        .Property("X1", &Line::X1, &Line::X1)
        .Property("Y1", &Line::Y1, &Line::Y1)
        .Property("X2", &Line::X2, &Line::X2)
        .Property("Y2", &Line::Y2, &Line::Y2)
        .Property("BorderColor", &Line::BorderColor, &Line::BorderColor)
        .Property("BorderWidth", &Line::BorderWidth, &Line::BorderWidth)
        .Method("Refresh", &Line::Refresh)
        .Creatable();
    return i;
  }();
  return info;
}

}  // namespace VB
