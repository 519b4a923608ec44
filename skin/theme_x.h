#pragma once

#include <cstdint>
#include <memory>

#include "platform/host/control/user_control.h"
#include "platform/host/elements/control_array.h"
#include "platform/host/elements/image.h"

namespace quorin {

// The holder of the form skin's frame artwork: one picture array per frame piece, each with
// an active and an inactive member for the light theme (0, 1) and the black theme (2, 3).
// Its own face is a small thumbnail, and the control always takes that picture's size.
class ThemeX : public host::UserControl {
 public:
  ThemeX();
  static const host::ClassInfo& TypeInfo();
  const host::ClassInfo& Class() const override { return TypeInfo(); }

  // Fills the eight frame pieces with the pictures of one theme and activity. A theme
  // without artwork fails at the first array (error 340) and leaves the pieces as they were.
  void ChangeTheme(VB::Image& m_Left, VB::Image& m_TitleLeft, VB::Image& m_Title,
                   VB::Image& m_TitleRight, VB::Image& m_Right, VB::Image& m_Bottom,
                   VB::Image& m_BottomLeft, VB::Image& m_BottomRight, std::int32_t& IsTheme,
                   bool& IsActive);

  void UserControl_Resize() override;

  host::ControlArray<VB::Image> Image1;  // title strip
  host::ControlArray<VB::Image> Image2;  // title bar, left end
  host::ControlArray<VB::Image> Image3;  // title bar, right end
  host::ControlArray<VB::Image> Image4;  // left border
  host::ControlArray<VB::Image> Image5;  // right border
  host::ControlArray<VB::Image> Image6;  // bottom border
  host::ControlArray<VB::Image> Image7;  // bottom-right corner
  host::ControlArray<VB::Image> Image8;  // bottom-left corner
  std::shared_ptr<VB::Image> beijinicon;
};

}  // namespace quorin
