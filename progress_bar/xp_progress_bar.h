#pragma once

#include <cstdint>
#include <memory>

#include "platform/host/control/user_control.h"
#include "platform/host/elements/control_array.h"
#include "platform/host/elements/image.h"
#include "progress_bar/bar_geometry.h"

namespace quorin {

// How the bar draws: a growing row of blocks, or a small group running left to right.
enum class TypeStyle : std::int32_t { Default = 0, Search = 1 };
// The colour set of the blocks.
enum class Pict : std::int32_t { xpDefault = 0, Gold = 1, Green = 2, Red = 3 };

// A block progress bar in a skinned frame. Drawing is incremental on the control's own
// persistent surface: a rising Value paints only the new blocks; a resize, a Value at or
// below Min or a smaller Value wipes the bar. Out-of-range values are refused with a message
// box and the old value stays.
class XpProgressBar : public host::UserControl {
 public:
  XpProgressBar();
  static const host::ClassInfo& TypeInfo();
  const host::ClassInfo& Class() const override { return TypeInfo(); }

  std::int32_t Value() const { return value_; }
  void Value(std::int32_t v);
  std::int32_t Style() const { return style_; }
  void Style(std::int32_t v);
  std::int32_t Skin() const { return skin_; }
  void Skin(std::int32_t v);
  std::int32_t Min() const { return min_; }
  void Min(std::int32_t v);
  std::int32_t Max() const { return max_; }
  void Max(std::int32_t v);

  void UserControl_Initialize() override;
  void UserControl_ReadProperties(host::PropertyBag& PropBag) override;
  void UserControl_WriteProperties(host::PropertyBag& PropBag) override;
  // The layout step: scale in pixels, the empty frame, the drawing state reset.
  void UserControl_Resize() override;

  // Copies the block pictures of the current Skin into pc; another Skin keeps them.
  void ApplySkin();
  // Brings the Default row up to Value (wiping first when Value went down or to Min).
  void DrawDefault();
  // Moves the Search group one step to the right.
  void SearchStep();

  std::shared_ptr<VB::Image> img;
  std::shared_ptr<VB::Image> blank;
  host::ControlArray<VB::Image> pc;
  host::ControlArray<VB::Image> master;
  host::ControlArray<VB::Image> goldmet;
  host::ControlArray<VB::Image> grmet;
  host::ControlArray<VB::Image> redmet;

  // Drawing state, for tests.
  double block_x() const { return row_.block_x; }
  bool full() const { return row_.full; }
  std::int16_t search_x() const { return search_x_; }

 private:
  // Paints a picture's (0, 0, BW, BH) at (x, 3), w wide and the well's height.
  void PaintBlock(const vb::PictureRef& picture, double x, double w);

  std::int32_t min_ = 0;
  std::int32_t max_ = 100;
  std::int32_t value_ = 0;
  std::int32_t style_ = 0;
  std::int32_t skin_ = 0;

  RowState row_;
  std::int32_t drawn_value_ = 0;
  std::int16_t search_x_ = 4;
  double width_ = 0;
  double well_height_ = 0;
  double block_w_ = 0;
  double block_h_ = 0;
};

}  // namespace quorin
