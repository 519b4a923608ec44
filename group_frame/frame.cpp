#include "group_frame/frame.h"

#include <cmath>

#include "artwork/artwork.h"
#include "platform/host/control/stored.h"
#include "platform/host/types/class_builder.h"
#include "platform/vb/convert.h"
#include "platform/vb/error.h"

namespace quorin {

namespace {

constexpr const char* kClassName = "QuorinSkinForVB6.Frame";
constexpr vb::OLE_COLOR kMarkColor = 0x8000000B;  // inactive border
constexpr vb::OLE_COLOR kEnabledCaption = 0xFF0000;
constexpr vb::OLE_COLOR kGrayText = 0x80000011;
constexpr std::int32_t kWhite = 0xFFFFFF;

}  // namespace

FrameGeometry FrameLayout(int sw, int sh, int caption_height) {
  const int v = caption_height / 2;
  FrameGeometry g;
  g.lines = {{
      {6, v, sw - 12, 1, 3, 0, 16, 1},                // top
      {sw - 1, v + 6, 1, sh - 12 - v, 21, 3, 1, 14},  // right
      {6, sh - 1, sw - 12, 1, 3, 19, 16, 1},          // bottom
      {0, v + 6, 1, sh - 12 - v, 0, 3, 1, 14},        // left
  }};
  g.marks = {{
      {1, v + 5},       {1, v + 4},       {2, v + 3},       {3, v + 2},       {4, v + 1},
      {5, v + 1},       {sw - 2, v + 5},  {sw - 2, v + 4},  {sw - 3, v + 3},  {sw - 4, v + 2},
      {sw - 5, v + 1},  {sw - 6, v + 1},  {sw - 2, sh - 6}, {sw - 2, sh - 5}, {sw - 3, sh - 4},
      {sw - 4, sh - 3}, {sw - 5, sh - 2}, {sw - 6, sh - 2}, {1, sh - 6},      {1, sh - 5},
      {2, sh - 4},      {3, sh - 3},      {4, sh - 2},      {5, sh - 2},
  }};
  return g;
}

Frame::Frame() {
  AutoRedraw(true);
  CanGetFocus(false);
  DrawingSurface::BackColor(back_color_);
  lbl = AddElement<VB::Label>("lbl");
  lbl->BackStyle(1);
  lbl->AutoSize(true);
  lbl->BackColor(back_color_);
  lbl->ForeColor(fore_color_);
  lbl->Caption(" Frame1");
  img = AddElement<VB::Image>("img");
  img->Visible(false);
  img->Picture(artwork::Picture("frame/img"));
  for (std::size_t i = 0; i < dot.size(); ++i) {
    dot[i] = AddElement<VB::Line>("dot", static_cast<std::int16_t>(i));
    dot[i]->BorderColor(kMarkColor);
  }
  font_ = DrawingSurface::Font();
  lbl->Font(font_);
  lbl->Change.Connect([this] { UserControl_Resize(); });
}

void Frame::Font(vb::FontRef value) {
  if (!value) throw vb::Error(vb::kInvalidPropertyValue, "Font");
  font_ = value;
  DrawingSurface::Font(value);
  lbl->Font(value);
  UserControl_Resize();
  PropertyChanged("Font");
}

void Frame::ForeColor(vb::OLE_COLOR value) {
  fore_color_ = value;
  lbl->ForeColor(value);
  PropertyChanged("ForeColor");
}

void Frame::BackColor(vb::OLE_COLOR value) {
  back_color_ = value;
  PropertyChanged("BackColor");
  DrawingSurface::BackColor(value);
  lbl->BackColor(value);
  UserControl_Resize();
}

void Frame::Caption(std::string value) {
  lbl->Caption(std::move(value));
  UserControl_Resize();
  PropertyChanged("Caption");
}

void Frame::Enabled(bool value) {
  // Disabling the control also stops input to the controls inside it.
  Control::Enabled(value);
  lbl->ForeColor(value ? kEnabledCaption : kGrayText);
  PropertyChanged("Enabled");
}

void Frame::UserControl_Resize() {
  ScaleMode(host::vbPixels);
  Cls();
  lbl->Visible(!lbl->Caption().empty());
  lbl->Move(12, 0);
  const int sw = static_cast<int>(std::lround(ScaleWidth()));
  const int sh = static_cast<int>(std::lround(ScaleHeight()));
  const int caption_height = static_cast<int>(vb::RoundHalfEven(lbl->Height()));
  const FrameGeometry g = FrameLayout(sw, sh, caption_height);
  // A frame too small for a line (under 13 pixels, or a caption taller than the sides)
  // leaves that line out rather than drawing it mirrored.
  for (const FrameStrip& s : g.lines) {
    if (s.width < 1 || s.height < 1) continue;
    PaintPicture(img->Picture(), static_cast<float>(s.x), static_cast<float>(s.y),
                 static_cast<float>(s.width), static_cast<float>(s.height),
                 static_cast<float>(s.src_x), static_cast<float>(s.src_y),
                 static_cast<float>(s.src_w), static_cast<float>(s.src_h));
  }
  // Each mark is a line one pixel long: its start pixel is the mark.
  for (std::size_t i = 0; i < dot.size(); ++i) {
    const auto x = static_cast<float>(g.marks[i].x);
    const auto y = static_cast<float>(g.marks[i].y);
    dot[i]->X1(x);
    dot[i]->Y1(y);
    dot[i]->X2(x + 1);
    dot[i]->Y2(y);
  }
}

void Frame::UserControl_Initialize() {
  UserControl_Resize();
}

void Frame::UserControl_InitProperties() {
  Enabled(true);
  BackColor(kWhite);
  Caption(Ambient().DisplayName());
  Font(Ambient().Font());
  ForeColor(0);
}

void Frame::UserControl_ReadProperties(host::PropertyBag& PropBag) {
  host::ReadStored(*this, PropBag);
}

void Frame::UserControl_WriteProperties(host::PropertyBag& PropBag) {
  host::WriteStored(*this, PropBag);
}

const host::ClassInfo& Frame::TypeInfo() {
  static host::ClassInfo& info = []() -> host::ClassInfo& {
    host::ClassInfo& i =
        host::TypeRegistry::Instance().Add(kClassName, &host::UserControlBaseInfo());
    i.control_container = true;
    i.alignable = true;
    using F = Frame;
    // Read: Enabled, Font, BackColor, Caption, ForeColor; written with Caption first.
    host::ClassBuilder<F>(i)
        .Property("Font", &F::Font, &F::Font)
        .Persist({.read = 2,
                  .write = 3,
                  .default_from = [](F& f) { return vb::Variant(f.Ambient().Font()); }})
        .Property("ForeColor", &F::ForeColor, &F::ForeColor)
        .Persist({.read = 5, .write = 5, .default_value = std::int32_t{0}})
        .Property("BackColor", &F::BackColor, &F::BackColor)
        .Persist({.read = 3, .write = 4, .default_value = kWhite})
        .Property("Caption", &F::Caption, &F::Caption)
        .Persist({.read = 4, .write = 1, .default_value = "Frame1"})
        .Property("Enabled", &F::Enabled, &F::Enabled)
        .Persist({.read = 1, .write = 2, .default_value = true})
        .Creatable();
    return i;
  }();
  return info;
}

}  // namespace quorin
