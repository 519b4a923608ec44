#pragma once

#include <memory>

#include "platform/host/elements/control_array.h"
#include "platform/host/elements/image.h"
#include "platform/host/elements/label.h"
#include "platform/host/services/property_page.h"

namespace quorin {

// The skin's design-time about page, captioned "通用": the product's name and version, a
// banner and the product icon, contact lines and three link labels that open the author's
// pages through the shell. It edits no property.
class AboutPage : public host::PropertyPage {
 public:
  // Link colours (0x00BBGGRR): resting blue, red under the mouse, yellow once clicked.
  static constexpr vb::OLE_COLOR kLinkColor = 0xFF0000;
  static constexpr vb::OLE_COLOR kHotColor = 0x0000FF;
  static constexpr vb::OLE_COLOR kClickedColor = 0x00FFFF;

  AboutPage();
  static const host::ClassInfo& TypeInfo();
  const host::ClassInfo& Class() const override { return TypeInfo(); }

  // What each link label opens.
  static const char* LinkTarget(std::int16_t index);

  void UserControl_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y) override;

  std::shared_ptr<VB::Image> Image1;
  std::shared_ptr<VB::Image> Image2;
  std::shared_ptr<VB::Label> Label2;
  std::shared_ptr<VB::Label> Label3;
  host::ControlArray<VB::Label> Label4;
  std::shared_ptr<VB::Label> Label5;
  host::ControlArray<VB::Label> Label1;
  std::shared_ptr<VB::Line> Line1;

 private:
  void Label1_MouseMove(std::int16_t Index);
  void Label1_Click(std::int16_t Index);
};

}  // namespace quorin
