#pragma once

#include "platform/host/control/surface.h"
#include "platform/host/elements/element.h"

namespace VB {

// A windowed drawing surface that can hold controls.
class PictureBox : public host::WindowedElement,
                   public host::Container,
                   public host::DrawingSurface {
 public:
  PictureBox();
  static const host::ClassInfo& TypeInfo();
  const host::ClassInfo& Class() const override { return TypeInfo(); }

  // 0 none, 1 fixed single (a sunken edge).
  std::int16_t BorderStyle() const { return border_style_; }
  void BorderStyle(std::int16_t value);
  bool AutoSize() const { return auto_size_; }
  void AutoSize(bool value);
  void Picture(vb::PictureRef value);
  const vb::PictureRef& Picture() const { return DrawingSurface::Picture(); }
  void Refresh() { DrawingSurface::Refresh(); }
  bool CanGetFocus() const override { return true; }

  host::Event<> Resize{"Resize", this};
  host::Event<> Paint{"Paint", this};
  host::Event<> Change{"Change", this};

  // Container
  Object& ContainerObject() override { return *this; }
  win32::HWND ChildWindow() const override { return window(); }
  std::int16_t ChildScaleMode() const override { return ScaleMode(); }
  void InvalidateWindowless() override { InvalidateSurface(); }

  // Mouse coordinates are in the picture box's own scale, from its inner corner.
  win32::POINT MouseOrigin() override;
  std::int16_t MouseScale() override { return ScaleMode(); }
  bool RaisesClickFor(std::int16_t) override { return true; }
  void Destroy() override;
  std::shared_ptr<host::Control> CloneForArray() const override;
  win32::LRESULT WindowMessage(win32::UINT msg, win32::WPARAM wparam,
                               win32::LPARAM lparam) override;

 protected:
  void PaintElement(win32::HDC) override { PaintWindow(); }
  Container* WindowlessChildren() override { return this; }
  win32::DWORD ExtendedStyle() const override {
    return border_style_ ? win32::WS_EX_CLIENTEDGE : 0;
  }
  win32::DWORD ExtraStyle() const override { return win32::WS_CLIPCHILDREN; }
  void AfterRealize() override;
  void GeometryChanged(bool resized) override;
  win32::HWND SurfaceWindow() const override { return window(); }
  win32::SIZE SurfaceSize() const override;
  void DrawOverImage(win32::HDC hdc) override { DrawWindowlessChildren(hdc); }
  void RaisePaint() override;

 private:
  std::int16_t border_style_ = 1;
  bool auto_size_ = false;
};

// A windowed frame with a caption that holds controls.
class Frame : public host::WindowedElement, public host::Container {
 public:
  Frame();
  static const host::ClassInfo& TypeInfo();
  const host::ClassInfo& Class() const override { return TypeInfo(); }

  const std::string& Caption() const { return caption_; }
  void Caption(std::string value);
  vb::OLE_COLOR BackColor() const { return back_color_; }
  void BackColor(vb::OLE_COLOR value);
  vb::OLE_COLOR ForeColor() const { return fore_color_; }
  void ForeColor(vb::OLE_COLOR value);
  const vb::FontRef& Font() const { return font_; }
  void Font(vb::FontRef value);
  std::int16_t BorderStyle() const { return border_style_; }
  void BorderStyle(std::int16_t value);

  Object& ContainerObject() override { return *this; }
  win32::HWND ChildWindow() const override { return window(); }
  void InvalidateWindowless() override { Invalidate(); }
  bool RaisesClickFor(std::int16_t) override { return true; }
  void Destroy() override;

 protected:
  void PaintElement(win32::HDC hdc) override;
  Container* WindowlessChildren() override { return this; }
  win32::DWORD ExtraStyle() const override { return win32::WS_CLIPCHILDREN; }
  void AfterRealize() override { RealizeChildren(); }

 private:
  std::string caption_ = "Frame1";
  vb::OLE_COLOR back_color_ = 0x8000000F;
  vb::OLE_COLOR fore_color_ = 0x80000012;
  vb::FontRef font_ = std::make_shared<vb::StdFont>();
  std::int16_t border_style_ = 1;
};

}  // namespace VB
