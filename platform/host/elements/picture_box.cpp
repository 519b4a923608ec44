#include "platform/host/elements/picture_box.h"

#include "platform/gfx/gdi.h"
#include "platform/gfx/text.h"
#include "platform/host/control/placement.h"
#include "platform/host/elements/text_support.h"
#include "platform/host/services/errors.h"
#include "platform/vb/error.h"
#include "platform/vb/units.h"

namespace VB {

PictureBox::PictureBox() {
  SetTwips(0, 0, 1215, 1215);
}

void PictureBox::BorderStyle(std::int16_t value) {
  if (value != 0 && value != 1) throw vb::Error(vb::kInvalidPropertyValue);
  border_style_ = value;
  if (window()) {
    win32::SetWindowLongA(window(), win32::GWL_EXSTYLE,
                          static_cast<win32::LONG_PTR>(ExtendedStyle()));
    win32::SetWindowPos(
        window(), 0, 0, 0, 0, 0,
        win32::SWP_NOMOVE | win32::SWP_NOSIZE | win32::SWP_NOZORDER | win32::SWP_FRAMECHANGED);
    SurfaceResized();
  }
}

void PictureBox::AutoSize(bool value) {
  auto_size_ = value;
  Picture(DrawingSurface::Picture());
}

void PictureBox::Picture(vb::PictureRef value) {
  DrawingSurface::Picture(value);
  if (auto_size_ && !vb::IsEmpty(value)) {
    const vb::DisplayMetrics& d = vb::Display();
    int edge = border_style_ ? 4 : 0;
    float w = static_cast<float>(value->PixelWidth() + edge) * d.twips_per_pixel_x;
    float h = static_cast<float>(value->PixelHeight() + edge) * d.twips_per_pixel_y;
    std::int16_t scale = container() ? container()->ChildScaleMode() : std::int16_t{host::vbTwips};
    host::Control::Move(Left(), Top(), host::ConvertScale(w, host::vbTwips, scale, true),
                        host::ConvertScale(h, host::vbTwips, scale, false));
  }
}

win32::SIZE PictureBox::SurfaceSize() const {
  if (!window()) {
    win32::RECT r = PixelRect();
    return {r.right - r.left, r.bottom - r.top};
  }
  win32::RECT r;
  win32::GetClientRect(window(), &r);
  return {r.right, r.bottom};
}

win32::POINT PictureBox::MouseOrigin() {
  win32::POINT p{0, 0};
  if (window()) win32::ClientToScreen(window(), &p);
  return p;
}

void PictureBox::AfterRealize() {
  SurfaceResized();
  RealizeChildren();
}

void PictureBox::GeometryChanged(bool resized) {
  WindowedElement::GeometryChanged(resized);
  if (!resized) return;
  SurfaceResized();
  auto keep = host::KeepAlive(*this);
  host::Dispatch(Owner(), Name() + "_Resize", [this] { Resize(); });
}

void PictureBox::RaisePaint() {
  auto keep = host::KeepAlive(*this);
  host::Dispatch(Owner(), Name() + "_Paint", [this] { Paint(); });
}

void PictureBox::Destroy() {
  DestroyChildren();
  WindowedElement::Destroy();
}

std::shared_ptr<host::Control> PictureBox::CloneForArray() const {
  auto copy = std::make_shared<PictureBox>();
  CopyStateTo(*copy);
  copy->border_style_ = border_style_;
  copy->auto_size_ = auto_size_;
  copy->AutoRedraw(AutoRedraw());
  copy->ScaleMode(ScaleMode());
  copy->BackColor(BackColor());
  copy->ForeColor(ForeColor());
  copy->Font(Font());
  copy->DrawingSurface::Picture(DrawingSurface::Picture());
  return copy;
}

win32::LRESULT PictureBox::WindowMessage(win32::UINT msg, win32::WPARAM wparam,
                                         win32::LPARAM lparam) {
  if (msg == win32::WM_PAINT) {
    win32::PAINTSTRUCT ps;
    win32::BeginPaint(window(), &ps);
    win32::EndPaint(window(), &ps);
    PaintWindow();
    return 0;
  }
  return WindowedElement::WindowMessage(msg, wparam, lparam);
}

const host::ClassInfo& PictureBox::TypeInfo() {
  static host::ClassInfo& info = []() -> host::ClassInfo& {
    host::ClassInfo& i = host::TypeRegistry::Instance().Add("VB.PictureBox");
    host::ClassBuilder<PictureBox> b(i);
    host::Element::AddCommonMembers(b, true);
    using S = host::DrawingSurface;
    b.Property("Picture", &PictureBox::Picture, &PictureBox::Picture)
        .Property("BorderStyle", &PictureBox::BorderStyle, &PictureBox::BorderStyle)
        .Property("AutoSize", &PictureBox::AutoSize, &PictureBox::AutoSize)
        .Property("AutoRedraw", &S::AutoRedraw, &S::AutoRedraw)
        .Property("ScaleMode", &S::ScaleMode, &S::ScaleMode)
        .Property("ScaleWidth", &S::ScaleWidth)
        .Property("ScaleHeight", &S::ScaleHeight)
        .Property("BackColor", &S::BackColor, &S::BackColor)
        .Property("ForeColor", &S::ForeColor, &S::ForeColor)
        .Property("Font", &S::Font, &S::Font)
        .Property("CurrentX", &S::CurrentX, &S::CurrentX)
        .Property("CurrentY", &S::CurrentY, &S::CurrentY)
        .Property(
            "hDC", [](PictureBox& p) { return vb::Variant(static_cast<std::int32_t>(p.hDC())); },
            nullptr)
        .Method("Cls", &S::Cls)
        .Method("Refresh", &PictureBox::Refresh)
        .Method("PaintPicture", &S::PaintPicture,
                {host::Param("Picture"), host::Param("X1"), host::Param("Y1"),
                 host::Optional("Width1"), host::Optional("Height1"), host::Optional("X2"),
                 host::Optional("Y2"), host::Optional("Width2"), host::Optional("Height2")})
        .Method("TextWidth", &S::TextWidth, {host::Param("Str")})
        .Method("TextHeight", &S::TextHeight, {host::Param("Str")})
        .Event("Click")
        .Event("DblClick");
    host::Element::AddMouseEvents(b).Event("Resize").Event("Paint").Creatable();
    return i;
  }();
  return info;
}

// ---- Frame ----

Frame::Frame() {
  SetTwips(0, 0, 2415, 1815);
}

void Frame::Caption(std::string value) {
  caption_ = std::move(value);
  Invalidate();
}
void Frame::BackColor(vb::OLE_COLOR value) {
  back_color_ = value;
  Invalidate();
}
void Frame::ForeColor(vb::OLE_COLOR value) {
  fore_color_ = value;
  Invalidate();
}
void Frame::Font(vb::FontRef value) {
  if (!value) throw vb::Error(vb::kInvalidPropertyValue);
  font_ = std::move(value);
  Invalidate();
}
void Frame::BorderStyle(std::int16_t value) {
  if (value != 0 && value != 1) throw vb::Error(vb::kInvalidPropertyValue);
  border_style_ = value;
  Invalidate();
}

void Frame::Destroy() {
  DestroyChildren();
  WindowedElement::Destroy();
}

void Frame::PaintElement(win32::HDC hdc) {
  win32::RECT client;
  win32::GetClientRect(window(), &client);
  host::FillSolid(hdc, client, vb::TranslateColor(back_color_));
  win32::SIZE text = host::MeasureText(*font_, caption_);
  if (border_style_) {
    win32::RECT edge{0, text.cy / 2, client.right, client.bottom};
    win32::DrawEdge(hdc, &edge, win32::EDGE_ETCHED, win32::BF_RECT);
  }
  if (!caption_.empty()) {
    win32::RECT label{8, 0, 8 + text.cx + 2, text.cy};
    host::FillSolid(hdc, label, vb::TranslateColor(back_color_));
    vb::COLORREF color =
        Enabled() ? vb::TranslateColor(fore_color_) : vb::GetSysColor(vb::COLOR_GRAYTEXT);
    host::DrawTextIn(hdc, *font_, color, caption_, {9, 0, 9 + text.cx, text.cy},
                     win32::DT_SINGLELINE);
  }
  DrawWindowlessChildren(hdc);
}

const host::ClassInfo& Frame::TypeInfo() {
  static host::ClassInfo& info = []() -> host::ClassInfo& {
    host::ClassInfo& i = host::TypeRegistry::Instance().Add("VB.Frame");
    host::ClassBuilder<Frame> b(i);
    host::Element::AddCommonMembers(b, true);
    b.Property("Caption", &Frame::Caption, &Frame::Caption)
        .Property("BackColor", &Frame::BackColor, &Frame::BackColor)
        .Property("ForeColor", &Frame::ForeColor, &Frame::ForeColor)
        .Property("Font", &Frame::Font, &Frame::Font)
        .Property("BorderStyle", &Frame::BorderStyle, &Frame::BorderStyle)
        .Event("Click")
        .Event("DblClick")
        .Creatable();
    return i;
  }();
  return info;
}

}  // namespace VB
