#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/host/control/user_control.h"
#include "platform/host/elements/picture_box.h"
#include "platform/host/event.h"
#include "platform/vb/ole_color.h"
#include "platform/vb/std_picture.h"
#include "platform/win/win_types.h"
#include "tabstrip/tab_model.h"

namespace quorin {

// An owner-drawn strip of tabs along one edge of a framed body. The application manages the
// tab list and the colours and learns from TabPressed which tab the user picked; when the
// tabs do not fit, a scroll panel with two arrow buttons covers the end of the band. Every
// length is in pixels; drawing goes to the control's persistent image.
//
// The work is split by job: the model and properties (tab_properties.cpp), persistence and
// type information (tab_persistence.cpp), layout and scrolling (tab_geometry.cpp), painting
// (tab_drawing.cpp, tab_arrows.cpp) and input (tab_input.cpp).
class XPTabstrip : public host::UserControl {
 public:
  // Tab numbers pass through 16-bit values, so a strip holds at most this many tabs.
  static constexpr std::int32_t kMaxTabs = 32767;

  XPTabstrip();
  static const host::ClassInfo& TypeInfo();
  const host::ClassInfo& Class() const override { return TypeInfo(); }

  // Properties. Colours are kept as translated RGB values.
  bool NoFocusRect() const { return no_focus_rect_; }
  void NoFocusRect(bool value);
  vb::OLE_COLOR TabHotStripColor() const { return tab_hot_strip_color_; }
  void TabHotStripColor(vb::OLE_COLOR value);
  vb::OLE_COLOR BackColorScroll() const { return back_color_scroll_; }
  void BackColorScroll(vb::OLE_COLOR value);
  std::int32_t SelectedTab() const { return selected_tab_; }
  void SelectedTab(std::int32_t value);
  vb::OLE_COLOR ForeColorHot() const { return fore_color_hot_; }
  void ForeColorHot(vb::OLE_COLOR value);
  eTabAlignment Alignment() const { return alignment_; }
  void Alignment(eTabAlignment value);
  std::int32_t NumberOfTabs() const { return number_of_tabs_; }
  vb::OLE_COLOR MaskColor() const { return mask_color_; }
  void MaskColor(vb::OLE_COLOR value);
  const vb::FontRef& Font() const { return DrawingSurface::Font(); }
  void Font(vb::FontRef value);
  vb::PictureRef TabPicture(std::int32_t Index) const;
  void TabPicture(std::int32_t Index, vb::PictureRef value);
  std::string TabCaption(std::int32_t Index) const;
  void TabCaption(std::int32_t Index, std::string value);
  bool TabEnabled(std::int32_t Index) const;
  void TabEnabled(std::int32_t Index, bool value);
  bool AutoSize(std::int32_t Index) const;
  void AutoSize(std::int32_t Index, bool value);
  std::int32_t TabWidth(std::int32_t Index) const;
  void TabWidth(std::int32_t Index, std::int32_t value);
  vb::OLE_COLOR ScrollArrowColor() const { return scroll_arrow_color_; }
  void ScrollArrowColor(vb::OLE_COLOR value);
  vb::OLE_COLOR FrameColor() const { return frame_color_; }
  void FrameColor(vb::OLE_COLOR value);
  vb::OLE_COLOR ForeColorDisabled() const { return fore_color_disabled_; }
  void ForeColorDisabled(vb::OLE_COLOR value);
  vb::OLE_COLOR ForeColorActive() const { return fore_color_active_; }
  void ForeColorActive(vb::OLE_COLOR value);
  vb::OLE_COLOR ForeColor() const { return fore_color_; }
  void ForeColor(vb::OLE_COLOR value);
  vb::OLE_COLOR BackColor() const { return back_color_; }
  void BackColor(vb::OLE_COLOR value);
  std::int32_t TabHeight() const { return tab_height_; }
  void TabHeight(std::int32_t value);

  // Methods.
  void DrawTab();
  std::int32_t AddTab(std::int32_t iTabWidth = 60, std::string sTabText = "", bool bTabEn = true,
                      bool bAutoSize = true, vb::PictureRef pTabPicture = nullptr);
  void DeleteTab(std::int16_t Index = 0);
  void GetPictureSize(const vb::PictureRef& pPicture, std::int32_t& picX, std::int32_t& picY) const;
  std::int32_t GetTabAccessKey(std::int16_t iKey) const;
  void DrawUnSelectedTab(std::int32_t Index);
  void DrawSelectedTab(std::int32_t Index);
  void pRightDown_MouseDown(std::int16_t Button = 1, std::int16_t Shift = 0, float X = 0,
                            float Y = 0);

  // Events.
  host::Event<std::int16_t> TabPressed{"TabPressed", this};
  host::Event<std::int16_t, std::int16_t, float, float> MouseIn{"MouseIn", this};
  host::Event<std::int16_t, std::int16_t, float, float> MouseOut{"MouseOut", this};
  host::Event<std::int16_t, std::int16_t, float, float> MouseDown{"MouseDown", this};
  host::Event<std::int16_t, std::int16_t, float, float> MouseUp{"MouseUp", this};
  host::Event<std::int32_t> TabDblClick{"TabDblClick", this};
  host::Event<> DblClick{"DblClick", this};

  // Lifecycle and input.
  void UserControl_InitProperties() override;
  void UserControl_ReadProperties(host::PropertyBag& PropBag) override;
  void UserControl_WriteProperties(host::PropertyBag& PropBag) override;
  void UserControl_Resize() override;
  void UserControl_Terminate() override;
  void UserControl_MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y) override;
  void UserControl_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y) override;
  void UserControl_MouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y) override;
  void UserControl_DblClick() override;
  void UserControl_KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) override;
  void UserControl_KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) override;
  void UserControl_AccessKeyPress(std::int16_t& KeyAscii) override;
  void UserControl_EnterFocus() override;
  void UserControl_GotFocus() override;
  void UserControl_LostFocus() override;
  void UserControl_ExitFocus() override;

  // Elements: the scroll panel and its two arrow buttons.
  std::shared_ptr<VB::PictureBox> picBlank;
  std::shared_ptr<VB::PictureBox> pLeftUp;
  std::shared_ptr<VB::PictureBox> pRightDown;

  // Run-time state (not stored), open for inspection.
  std::int32_t FirstVisibleTab = 0;
  std::int32_t LastVisibleTab = 0;
  std::vector<win32::RECT> TabRects;  // by tab number, from the last layout
  win32::RECT BodyRect{};
  std::int32_t WidestTab = 0;
  std::int32_t HotTab = 0;
  bool HotActive = false;
  bool MouseInBody = false;
  bool HasFocus = false;
  std::int16_t PreviousTab = 0;
  std::int32_t PressX = 0;
  std::int32_t PressY = 0;
  bool ScrollBackHeld = false;
  bool ScrollForwardOn = false;
  bool ScrollEnd = false;
  bool HoverBack = false;
  bool HoverForward = false;

  // The tab list; record 0 is the spare one.
  const std::vector<TabRecord>& tabs() const { return tabs_; }

 private:
  friend struct TabstripStorage;

  // Model.
  TabRecord& Tab(std::int32_t Index);
  const TabRecord& Tab(std::int32_t Index) const;
  void BuildAccessKeys();
  void SetColor(vb::OLE_COLOR& field, vb::OLE_COLOR value, const char* name);

  // Geometry and scrolling.
  void RenderTabs();
  std::int32_t AutoTabWidth(std::int32_t i);
  std::int32_t TabWidthOf(std::int32_t i);
  void LayoutScrollPanel();
  void pLeftUp_MouseDown();
  void pLeftUp_MouseUp();
  void pRightDown_MouseUp();
  // Sleeps, then lets pending events run; false when the control went away meanwhile.
  bool PauseAndPump(std::uint32_t ms);

  // Drawing.
  void PaintRect(win32::HDC hdc, win32::RECT rect, vb::OLE_COLOR colour, bool fill);
  void DrawLine(win32::HDC hdc, int x1, int y1, int x2, int y2, vb::OLE_COLOR colour);
  void PlotPixel(win32::HDC hdc, int x, int y, vb::OLE_COLOR colour);
  void PaintTabBackground(std::int32_t i);
  void DrawTabCaption(std::int32_t i);
  void PaintTabPicture(std::int32_t i, int x, int y, int room_right, int room_bottom);
  void PaintArrowButton(VB::PictureBox& button, bool back, bool hover);
  const win32::RECT& RectOf(std::int32_t Index) const;

  // Input.
  bool TrackHover(win32::HWND hwnd);
  bool HitsTab(std::int32_t i, std::int32_t x, std::int32_t y) const;
  void ArrowMouseMove(VB::PictureBox& button, bool& hover);

  std::vector<TabRecord> tabs_{1};
  eTabAlignment alignment_ = tTop;
  std::int32_t tab_height_ = 22;
  vb::OLE_COLOR back_color_ = 0;
  vb::OLE_COLOR back_color_scroll_ = 0;
  vb::OLE_COLOR fore_color_ = 0;
  vb::OLE_COLOR fore_color_active_ = 0;
  vb::OLE_COLOR fore_color_hot_ = 0;
  vb::OLE_COLOR fore_color_disabled_ = 0;
  vb::OLE_COLOR frame_color_ = 0;
  vb::OLE_COLOR scroll_arrow_color_ = 0;
  vb::OLE_COLOR mask_color_ = 0;
  vb::OLE_COLOR tab_hot_strip_color_ = 0;
  std::int32_t selected_tab_ = 0;
  std::int32_t number_of_tabs_ = 0;
  bool no_focus_rect_ = false;
};

}  // namespace quorin
