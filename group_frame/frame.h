#pragma once

#include <array>
#include <memory>
#include <string>

#include "platform/host/control/user_control.h"
#include "platform/host/elements/image.h"
#include "platform/host/elements/label.h"
#include "platform/vb/ole_color.h"
#include "platform/vb/std_font.h"

namespace quorin {

// A light group box with curved corners and its caption in the top edge. It holds the
// controls placed inside it (option buttons in it form their own group). Not the engine's
// own VB::Frame: type information keeps them apart by their full names.
class Frame : public host::UserControl {
 public:
  Frame();
  static const host::ClassInfo& TypeInfo();
  const host::ClassInfo& Class() const override { return TypeInfo(); }

  const vb::FontRef& Font() const { return font_; }
  void Font(vb::FontRef value);
  vb::OLE_COLOR ForeColor() const { return fore_color_; }
  void ForeColor(vb::OLE_COLOR value);
  vb::OLE_COLOR BackColor() const { return back_color_; }
  void BackColor(vb::OLE_COLOR value);
  std::string Caption() const { return lbl->Caption(); }
  void Caption(std::string value);
  bool Enabled() const { return Control::Enabled(); }
  void Enabled(bool value);

  void UserControl_Initialize() override;
  void UserControl_InitProperties() override;
  void UserControl_ReadProperties(host::PropertyBag& PropBag) override;
  void UserControl_WriteProperties(host::PropertyBag& PropBag) override;
  void UserControl_Resize() override;

  std::shared_ptr<VB::Label> lbl;
  std::shared_ptr<VB::Image> img;
  std::array<std::shared_ptr<VB::Line>, 24> dot;

 private:
  vb::FontRef font_;
  vb::OLE_COLOR back_color_ = 0xFFFFFF;
  vb::OLE_COLOR fore_color_ = 0;
};

// Where the frame draws, for a size in pixels and the caption's height in pixels.
struct FrameStrip {
  int x, y, width, height;         // destination on the surface
  int src_x, src_y, src_w, src_h;  // the strip of the outline picture stretched there
};
struct FrameGeometry {
  std::array<FrameStrip, 4> lines;     // top, right, bottom, left
  std::array<win32::POINT, 24> marks;  // dot 0..23
};
FrameGeometry FrameLayout(int width, int height, int caption_height);

}  // namespace quorin
