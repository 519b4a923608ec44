#pragma once

#include "platform/host/elements/element.h"
#include "platform/vb/std_picture.h"

namespace VB {

// A windowless picture: without Stretch it takes the picture's size; with Stretch the
// picture fills the element.
class Image : public host::Element {
 public:
  Image();
  static const host::ClassInfo& TypeInfo();
  const host::ClassInfo& Class() const override { return TypeInfo(); }

  const vb::PictureRef& Picture() const { return picture_; }
  void Picture(vb::PictureRef value);
  bool Stretch() const { return stretch_; }
  void Stretch(bool value);
  std::int16_t BorderStyle() const { return border_style_; }
  void BorderStyle(std::int16_t value);
  void Refresh() { InvalidateContainer(); }

  void DrawWindowless(win32::HDC hdc) override;
  std::shared_ptr<host::Control> CloneForArray() const override;
  bool RaisesClickFor(std::int16_t) override { return true; }

 private:
  void Fit();

  vb::PictureRef picture_;
  bool stretch_ = false;
  std::int16_t border_style_ = 0;
};

// A windowless straight line between two points of its container's scale.
class Line : public host::Element {
 public:
  static const host::ClassInfo& TypeInfo();
  const host::ClassInfo& Class() const override { return TypeInfo(); }

  float X1() const { return x1_; }
  void X1(float v) { Set(x1_, v); }
  float Y1() const { return y1_; }
  void Y1(float v) { Set(y1_, v); }
  float X2() const { return x2_; }
  void X2(float v) { Set(x2_, v); }
  float Y2() const { return y2_; }
  void Y2(float v) { Set(y2_, v); }
  vb::OLE_COLOR BorderColor() const { return border_color_; }
  void BorderColor(vb::OLE_COLOR v);
  std::int16_t BorderWidth() const { return border_width_; }
  void BorderWidth(std::int16_t v);
  void Refresh() { InvalidateContainer(); }

  void DrawWindowless(win32::HDC hdc) override;
  bool HitTest(win32::POINT) const override { return false; }
  std::shared_ptr<host::Control> CloneForArray() const override;

 private:
  void Set(float& field, float value);

  float x1_ = 0;
  float y1_ = 0;
  float x2_ = 0;
  float y2_ = 0;
  vb::OLE_COLOR border_color_ = 0x80000008;
  std::int16_t border_width_ = 1;
};

}  // namespace VB
