#include "platform/host/elements/shape.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "platform/host/elements/text_support.h"
#include "platform/vb/error.h"

namespace VB {

namespace {

// The horizontal span [left, right) of a shape's row `y` inside the box (w x h pixels), or
// nothing when the row misses it. Squares and circles are centred in the box.
struct Outline {
  int kind;
  double cx, cy, rx, ry;  // the shape's box: centre and half sizes
  double corner;          // corner radius of the rounded kinds

  std::optional<std::pair<int, int>> Span(int y) const {
    const double py = y + 0.5 - cy;
    if (py < -ry || py > ry) return std::nullopt;
    double half = rx;
    if (kind == 2 || kind == 3) {
      half = rx * std::sqrt(std::max(0.0, 1.0 - (py * py) / (ry * ry)));
    } else if (kind >= 4) {
      const double inner = ry - corner;
      if (std::fabs(py) > inner) {
        const double d = std::fabs(py) - inner;
        half = rx - corner + std::sqrt(std::max(0.0, corner * corner - d * d));
      }
    }
    const int left = static_cast<int>(std::lround(cx - half));
    const int right = static_cast<int>(std::lround(cx + half));
    if (right <= left) return std::nullopt;
    return std::make_pair(left, right);
  }
};

Outline MakeOutline(int kind, win32::RECT r, double inset) {
  double w = r.right - r.left, h = r.bottom - r.top;
  if (kind == 1 || kind == 3 || kind == 5) w = h = std::min(w, h);
  Outline o{kind, (r.left + r.right) / 2.0, (r.top + r.bottom) / 2.0, w / 2 - inset, h / 2 - inset,
            0};
  o.corner = std::max(0.0, std::min(w, h) / 6.0 - inset);
  return o;
}

}  // namespace

Shape::Shape() {
  SetTwips(0, 0, 1215, 1215);
}

void Shape::Kind(std::int16_t value) {
  if (value < 0 || value > 5) throw vb::Error(vb::kInvalidPropertyValue);
  shape_ = value;
  InvalidateContainer();
}
void Shape::BackStyle(std::int16_t value) {
  if (value != 0 && value != 1) throw vb::Error(vb::kInvalidPropertyValue);
  back_style_ = value;
  InvalidateContainer();
}
void Shape::BackColor(vb::OLE_COLOR value) {
  back_color_ = value;
  InvalidateContainer();
}
void Shape::BorderStyle(std::int16_t value) {
  if (value < 0 || value > 6) throw vb::Error(vb::kInvalidPropertyValue);
  border_style_ = value;
  InvalidateContainer();
}
void Shape::BorderColor(vb::OLE_COLOR value) {
  border_color_ = value;
  InvalidateContainer();
}
void Shape::BorderWidth(std::int16_t value) {
  if (value < 1 || value > 8192) throw vb::Error(vb::kInvalidPropertyValue);
  border_width_ = value;
  InvalidateContainer();
}
void Shape::FillStyle(std::int16_t value) {
  if (value < 0 || value > 7) throw vb::Error(vb::kInvalidPropertyValue);
  fill_style_ = value;
  InvalidateContainer();
}
void Shape::FillColor(vb::OLE_COLOR value) {
  fill_color_ = value;
  InvalidateContainer();
}

void Shape::DrawWindowless(win32::HDC hdc) {
  const win32::RECT r = PixelRect();
  const int border = border_style_ == 0 ? 0 : border_width_;
  const Outline outer = MakeOutline(shape_, r, 0);
  const Outline inner = MakeOutline(shape_, r, border);
  std::optional<vb::COLORREF> fill;
  if (fill_style_ != 1) {
    fill = vb::TranslateColor(fill_color_);
  } else if (back_style_ == 1) {
    fill = vb::TranslateColor(back_color_);
  }
  const vb::COLORREF edge = vb::TranslateColor(border_color_);
  for (int y = r.top; y < r.bottom; ++y) {
    const auto out = outer.Span(y);
    if (!out) continue;
    const auto in = inner.Span(y);
    if (!in || border == 0) {
      if (border > 0) {
        host::FillSolid(hdc, {out->first, y, out->second, y + 1}, edge);
      } else if (fill) {
        host::FillSolid(hdc, {out->first, y, out->second, y + 1}, *fill);
      }
      continue;
    }
    host::FillSolid(hdc, {out->first, y, in->first, y + 1}, edge);
    host::FillSolid(hdc, {in->second, y, out->second, y + 1}, edge);
    if (fill) host::FillSolid(hdc, {in->first, y, in->second, y + 1}, *fill);
  }
}

std::shared_ptr<host::Control> Shape::CloneForArray() const {
  auto copy = std::make_shared<Shape>();
  CopyStateTo(*copy);
  copy->shape_ = shape_;
  copy->back_style_ = back_style_;
  copy->back_color_ = back_color_;
  copy->border_style_ = border_style_;
  copy->border_color_ = border_color_;
  copy->border_width_ = border_width_;
  copy->fill_style_ = fill_style_;
  copy->fill_color_ = fill_color_;
  return copy;
}

const host::ClassInfo& Shape::TypeInfo() {
  static host::ClassInfo& info = []() -> host::ClassInfo& {
    host::ClassInfo& i = host::TypeRegistry::Instance().Add("VB.Shape");
    host::ClassBuilder<Shape> b(i);
    host::Element::AddCommonMembers(b, false);
    b.Property("Shape", &Shape::Kind, &Shape::Kind)
        .Property("BackStyle", &Shape::BackStyle, &Shape::BackStyle)
        .Property("BackColor", &Shape::BackColor, &Shape::BackColor)
        .Property("BorderStyle", &Shape::BorderStyle, &Shape::BorderStyle)
        .Property("BorderColor", &Shape::BorderColor, &Shape::BorderColor)
        .Property("BorderWidth", &Shape::BorderWidth, &Shape::BorderWidth)
        .Property("FillStyle", &Shape::FillStyle, &Shape::FillStyle)
        .Property("FillColor", &Shape::FillColor, &Shape::FillColor)
        .Method("Refresh", &Shape::Refresh)
        .Creatable();
    return i;
  }();
  return info;
}

}  // namespace VB
