#pragma once

#include "platform/host/elements/element.h"

namespace VB {

// The engine's shape: a windowless rectangle, square, oval, circle or rounded rectangle or
// square (Shape 0 to 5), drawn with a border and an optional fill. It raises no events.
class Shape : public host::Element {
 public:
  Shape();
  static const host::ClassInfo& TypeInfo();
  const host::ClassInfo& Class() const override { return TypeInfo(); }

  std::int16_t Kind() const { return shape_; }
  void Kind(std::int16_t value);
  // 0 transparent (the container shows through), 1 opaque (BackColor).
  std::int16_t BackStyle() const { return back_style_; }
  void BackStyle(std::int16_t value);
  vb::OLE_COLOR BackColor() const { return back_color_; }
  void BackColor(vb::OLE_COLOR value);
  // 0 no border, 1 to 6 a border (drawn solid).
  std::int16_t BorderStyle() const { return border_style_; }
  void BorderStyle(std::int16_t value);
  vb::OLE_COLOR BorderColor() const { return border_color_; }
  void BorderColor(vb::OLE_COLOR value);
  std::int16_t BorderWidth() const { return border_width_; }
  void BorderWidth(std::int16_t value);
  // 0 solid FillColor, 1 transparent; the hatched styles 2 to 7 fill solid.
  std::int16_t FillStyle() const { return fill_style_; }
  void FillStyle(std::int16_t value);
  vb::OLE_COLOR FillColor() const { return fill_color_; }
  void FillColor(vb::OLE_COLOR value);
  void Refresh() { InvalidateContainer(); }

  void DrawWindowless(win32::HDC hdc) override;
  bool HitTest(win32::POINT) const override { return false; }
  std::shared_ptr<host::Control> CloneForArray() const override;

 private:
  std::int16_t shape_ = 0;
  std::int16_t back_style_ = 0;
  vb::OLE_COLOR back_color_ = 0x80000005;
  std::int16_t border_style_ = 1;
  vb::OLE_COLOR border_color_ = 0x80000008;
  std::int16_t border_width_ = 1;
  std::int16_t fill_style_ = 1;
  vb::OLE_COLOR fill_color_ = 0;
};

}  // namespace VB
