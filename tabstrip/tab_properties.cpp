// The tab list and the public properties and methods that change it.
#include <cmath>

#include "platform/vb/convert.h"
#include "platform/vb/error.h"
#include "tabstrip/xp_tabstrip.h"

namespace quorin {

XPTabstrip::XPTabstrip() {
  ScaleMode(host::vbPixels);
  AutoRedraw(true);
  picBlank = AddElement<VB::PictureBox>("picBlank");
  pLeftUp = AddElementIn<VB::PictureBox>(*picBlank, "pLeftUp");
  pRightDown = AddElementIn<VB::PictureBox>(*picBlank, "pRightDown");
  for (const auto& box : {picBlank, pLeftUp, pRightDown}) {
    box->BorderStyle(0);
    box->ScaleMode(host::vbPixels);
    box->AutoRedraw(true);
  }
  picBlank->Visible(false);

  pLeftUp->MouseDown.Connect(
      [this](std::int16_t&, std::int16_t&, float&, float&) { pLeftUp_MouseDown(); });
  pLeftUp->MouseUp.Connect(
      [this](std::int16_t&, std::int16_t&, float&, float&) { pLeftUp_MouseUp(); });
  pLeftUp->MouseMove.Connect([this](std::int16_t&, std::int16_t&, float&, float&) {
    ArrowMouseMove(*pLeftUp, HoverBack);
  });
  pRightDown->MouseDown.Connect([this](std::int16_t& b, std::int16_t& s, float& x, float& y) {
    pRightDown_MouseDown(b, s, x, y);
  });
  pRightDown->MouseUp.Connect(
      [this](std::int16_t&, std::int16_t&, float&, float&) { pRightDown_MouseUp(); });
  // The engine hands the control's focus to these elements while the panel shows: their
  // keys are the strip's keys.
  for (const auto& box : {picBlank, pLeftUp, pRightDown}) {
    box->KeyDown.Connect([this](std::int16_t& k, std::int16_t& s) { UserControl_KeyDown(k, s); });
    box->KeyUp.Connect([this](std::int16_t& k, std::int16_t& s) { UserControl_KeyUp(k, s); });
  }
  pRightDown->MouseMove.Connect([this](std::int16_t&, std::int16_t&, float&, float&) {
    ArrowMouseMove(*pRightDown, HoverForward);
  });
}

TabRecord& XPTabstrip::Tab(std::int32_t Index) {
  if (Index < 0 || Index > number_of_tabs_ || static_cast<std::size_t>(Index) >= tabs_.size()) {
    throw vb::Error(vb::kSubscriptOutOfRange, "tab " + std::to_string(Index));
  }
  return tabs_[static_cast<std::size_t>(Index)];
}

const TabRecord& XPTabstrip::Tab(std::int32_t Index) const {
  return const_cast<XPTabstrip*>(this)->Tab(Index);
}

void XPTabstrip::SetColor(vb::OLE_COLOR& field, vb::OLE_COLOR value, const char* name) {
  field = ShiftColor(value, 0);
  PropertyChanged(name);
  DrawTab();
}

void XPTabstrip::NoFocusRect(bool value) {
  no_focus_rect_ = value;
  PropertyChanged("NoFocusRect");
  DrawTab();
}

void XPTabstrip::TabHotStripColor(vb::OLE_COLOR value) {
  SetColor(tab_hot_strip_color_, value, "TabHotStripColor");
}

void XPTabstrip::BackColorScroll(vb::OLE_COLOR value) {
  back_color_scroll_ = ShiftColor(value, 0);
  DrawTab();
  PropertyChanged("BackColorScroll");
}

void XPTabstrip::SelectedTab(std::int32_t value) {
  selected_tab_ = value;
  std::int16_t previous = PreviousTab;
  TabPressed.Raise(previous);
  PreviousTab = static_cast<std::int16_t>(static_cast<std::uint16_t>(value & 0xFFFF));
  PropertyChanged("SelectedTab");
  DrawTab();
}

void XPTabstrip::ForeColorHot(vb::OLE_COLOR value) {
  // Shows at the next redraw.
  fore_color_hot_ = ShiftColor(value, 0);
  PropertyChanged("ForeColorHot");
}

void XPTabstrip::Alignment(eTabAlignment value) {
  alignment_ = value;
  PropertyChanged("Alignment");
  DrawTab();
}

void XPTabstrip::MaskColor(vb::OLE_COLOR value) {
  SetColor(mask_color_, value, "MaskColor");
}

void XPTabstrip::Font(vb::FontRef value) {
  DrawingSurface::Font(std::move(value));
  PropertyChanged("Font");
  DrawTab();
}

vb::PictureRef XPTabstrip::TabPicture(std::int32_t Index) const {
  return Tab(Index).Picture;
}

void XPTabstrip::TabPicture(std::int32_t Index, vb::PictureRef value) {
  Tab(Index).Picture = std::move(value);
  PropertyChanged("TabPicture");
  DrawTab();
}

std::string XPTabstrip::TabCaption(std::int32_t Index) const {
  return Tab(Index).Caption;
}

void XPTabstrip::TabCaption(std::int32_t Index, std::string value) {
  Tab(Index).Caption = std::move(value);
  BuildAccessKeys();
  PropertyChanged("TabCaption");
  DrawTab();
}

bool XPTabstrip::TabEnabled(std::int32_t Index) const {
  return Tab(Index).Enabled;
}

void XPTabstrip::TabEnabled(std::int32_t Index, bool value) {
  Tab(Index).Enabled = value;
  PropertyChanged("TabEnabled");
  DrawTab();
}

bool XPTabstrip::AutoSize(std::int32_t Index) const {
  return Tab(Index).AutoSize;
}

void XPTabstrip::AutoSize(std::int32_t Index, bool value) {
  Tab(Index).AutoSize = value;
  PropertyChanged("AutoSize");
  DrawTab();
}

std::int32_t XPTabstrip::TabWidth(std::int32_t Index) const {
  return Tab(Index).Width;
}

void XPTabstrip::TabWidth(std::int32_t Index, std::int32_t value) {
  TabRecord& tab = Tab(Index);
  // A tab is never as wide as the control: the width is checked against ScaleWidth whatever
  // the alignment.
  const float scale_width = ScaleWidth();
  tab.Width = static_cast<float>(value) < scale_width ? value : vb::CLng(scale_width - 20.0);
  PropertyChanged("TabWidth");
  DrawTab();
}

void XPTabstrip::ScrollArrowColor(vb::OLE_COLOR value) {
  SetColor(scroll_arrow_color_, value, "ScrollArrowColor");
}

void XPTabstrip::FrameColor(vb::OLE_COLOR value) {
  SetColor(frame_color_, value, "FrameColor");
}

void XPTabstrip::ForeColorDisabled(vb::OLE_COLOR value) {
  SetColor(fore_color_disabled_, value, "ForeColorDisabled");
}

void XPTabstrip::ForeColorActive(vb::OLE_COLOR value) {
  SetColor(fore_color_active_, value, "ForeColorActive");
}

void XPTabstrip::ForeColor(vb::OLE_COLOR value) {
  fore_color_ = ShiftColor(value, 0);
  DrawingSurface::ForeColor(fore_color_);
  PropertyChanged("ForeColor");
  DrawTab();
}

void XPTabstrip::BackColor(vb::OLE_COLOR value) {
  back_color_ = ShiftColor(value, 0);
  DrawingSurface::BackColor(back_color_);
  PropertyChanged("BackColor");
  DrawTab();
}

void XPTabstrip::TabHeight(std::int32_t value) {
  tab_height_ = value < 22 ? 22 : value;
  PropertyChanged("TabHeight");
  DrawTab();
}

void XPTabstrip::DrawTab() {
  RenderTabs();
}

std::int32_t XPTabstrip::AddTab(std::int32_t iTabWidth, std::string sTabText, bool bTabEn,
                                bool bAutoSize, vb::PictureRef pTabPicture) {
  if (number_of_tabs_ >= kMaxTabs) {
    throw vb::Error(vb::kOverflow,
                    "a tab strip holds at most " + std::to_string(kMaxTabs) + " tabs");
  }
  const std::int32_t n = number_of_tabs_ + 1;
  tabs_.resize(static_cast<std::size_t>(n) + 1);
  number_of_tabs_ = n;
  TabRecord& tab = tabs_[static_cast<std::size_t>(n)];
  tab.Width = iTabWidth;
  tab.AutoSize = bAutoSize;
  tab.Enabled = bTabEn;
  tab.Picture = std::move(pTabPicture);
  tab.Caption = sTabText.empty() ? "Tab" + std::to_string(n) : std::move(sTabText);
  PropertyChanged("TabPicture");
  PropertyChanged("NumberOfTabs");
  DrawTab();
  return n;
}

void XPTabstrip::DeleteTab(std::int16_t Index) {
  if (Index < 0) throw vb::Error(vb::kSubscriptOutOfRange, "tab " + std::to_string(Index));
  if (number_of_tabs_ <= 1) return;  // the last tab stays
  const std::int32_t remaining = number_of_tabs_ - 1;
  // No index means the tab one below the former count: the next-to-last one.
  std::int32_t index = Index == 0 ? remaining : Index;
  if (index > number_of_tabs_) index = number_of_tabs_;
  tabs_.erase(tabs_.begin() + index);
  tabs_.resize(static_cast<std::size_t>(remaining) + 1);
  number_of_tabs_ = remaining;
  PropertyChanged("NumberOfTabs");
  DrawTab();
}

void XPTabstrip::GetPictureSize(const vb::PictureRef& pPicture, std::int32_t& picX,
                                std::int32_t& picY) const {
  if (vb::IsEmpty(pPicture)) {
    picX = 0;
    picY = 0;
    return;
  }
  picX = static_cast<std::int32_t>(vb::RoundHalfEven(
      ScaleX(static_cast<float>(pPicture->Width()), host::vbHimetric, host::vbPixels)));
  picY = static_cast<std::int32_t>(vb::RoundHalfEven(
      ScaleY(static_cast<float>(pPicture->Height()), host::vbHimetric, host::vbPixels)));
}

std::int32_t XPTabstrip::GetTabAccessKey(std::int16_t iKey) const {
  for (std::int32_t i = 1; i <= number_of_tabs_; ++i) {
    const std::string key = AccessKeyOf(tabs_[static_cast<std::size_t>(i)].Caption);
    if (!key.empty() && AnsiCharCode(key) == iKey) return i;
  }
  return 0;
}

void XPTabstrip::BuildAccessKeys() {
  std::string keys;
  for (std::int32_t i = 1; i <= number_of_tabs_; ++i) {
    keys += AccessKeyOf(tabs_[static_cast<std::size_t>(i)].Caption);
  }
  AccessKeys(std::move(keys));
}

}  // namespace quorin
