#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "artwork/artwork.h"
#include "platform/desktop/headless_desktop.h"
#include "platform/host/form/form.h"
#include "platform/host/types/engine_classes.h"
#include "platform/host/types/late_binding.h"
#include "platform/vb/error.h"
#include "platform/win/user32.h"
#include "skin_parts/command_button.h"

namespace {

// A form with one caption button on it, and the robot to move over it.
class CaptionButton : public ::testing::Test {
 protected:
  CaptionButton() {
    host::RegisterEngineClasses();
    form_ = host::NewForm("Form1");
    form_->Move(1500, 1500, 6000, 4500);
  }
  ~CaptionButton() override {
    if (form_) host::Unload(*form_);
  }

  std::shared_ptr<quorin::CommandButton> Place(const host::PropertyBag* stored = nullptr) {
    auto button = form_->Add<quorin::CommandButton>("CloseButton", {300, 300}, stored);
    button->Click.Connect([this] { ++clicks_; });
    return button;
  }
  void Show() { form_->Show(); }
  // The artwork slot the face shows, e.g. "CbClose_1", or "" for another picture.
  static std::string Face(const quorin::CommandButton& b) {
    for (const std::string& slot : artwork::Slots()) {
      if (slot.rfind("skin_parts/", 0) == 0 && artwork::Picture(slot) == b.PicMain->Picture()) {
        return slot.substr(11);
      }
    }
    return "";
  }
  // Screen pixel at the middle of the face.
  static win32::POINT Centre(const quorin::CommandButton& b) {
    win32::RECT r;
    win32::GetWindowRect(static_cast<win32::HWND>(b.hwnd()), &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  desktop::Robot& robot() { return headless_.robot(); }
  void Run() { headless_.Run(); }

  desktop::HeadlessDesktop headless_;
  std::shared_ptr<VB::Form> form_;
  int clicks_ = 0;
};

TEST_F(CaptionButton, FacesFollowKindThemeAndEnabledState) {
  struct Case {
    std::int32_t style, theme;
    bool enabled;
    const char* active;
    const char* inactive;
  };
  const Case cases[] = {
      {0, 0, true, "CbMin_0", "CbMin_3"},         {0, 1, true, "CbMin_4", "CbMin_7"},
      {1, 0, true, "CbMax_0", "CbMax_3"},         {1, 1, true, "CbMax_5", "CbMax_8"},
      {2, 0, true, "CbClose_0", "CbClose_3"},     {2, 1, true, "CbClose_4", "CbClose_7"},
      {3, 0, true, "CbRestore_0", "CbRestore_3"}, {7, 1, true, "CbRestore_4", "CbRestore_7"},
      {-1, 0, true, "CbRestore_0", "CbRestore_3"},
      // Disabled: the maximise array's disabled face, whatever the kind.
      {0, 0, false, "CbMax_4", "CbMax_4"},        {2, 0, false, "CbMax_4", "CbMax_4"},
      {2, 1, false, "CbMax_9", "CbMax_9"},        {3, 1, false, "CbMax_9", "CbMax_9"},
  };
  auto button = Place();
  for (const auto& c : cases) {
    button->Enabled(c.enabled);
    button->Theme(c.theme);
    button->ButtonStyle(c.style);
    EXPECT_EQ(Face(*button), c.active) << c.style << "/" << c.theme;
    button->RefreshControl(false);
    EXPECT_EQ(Face(*button), c.inactive) << c.style << "/" << c.theme;
  }
}

TEST_F(CaptionButton, AFreshButtonShowsTheMinimiseFaceAndFollowsItsPictureSize) {
  auto button = Place();
  EXPECT_EQ(Face(*button), "CbMin_0");
  EXPECT_FLOAT_EQ(button->Extender().Width(), 26 * 15);
  EXPECT_FLOAT_EQ(button->Extender().Height(), 18 * 15);
  EXPECT_TRUE(button->IsActivate());
  button->ButtonStyle(2);
  button->Extender().Width(100);  // the control keeps its face's size
  EXPECT_FLOAT_EQ(button->Extender().Width(), 42 * 15);
}

TEST_F(CaptionButton, AThemeWithoutArtworkIsStoredAndReportedAsAFailure) {
  auto button = Place();
  try {
    button->Theme(2);
    FAIL() << "no failure reported";
  } catch (const vb::Error& e) {
    EXPECT_EQ(e.Number(), vb::kControlArrayElementMissing);
  }
  EXPECT_EQ(button->Theme(), 2);
  EXPECT_EQ(Face(*button), "CbMin_0");  // the face stays as it was
}

TEST_F(CaptionButton, PropertiesPersistWithTheirDefaultsElided) {
  host::PropertyBag bag;
  {
    auto button = Place();
    button->ButtonStyle(2);
    button->Theme(1);
    button->ToolTipText("Close");
    button->UserControl_WriteProperties(bag);
  }
  EXPECT_EQ(bag.ReadProperty("ButtonStyle", std::int32_t{0}).ToLong(), 2);
  EXPECT_EQ(bag.ReadProperty("ToolTipText", "").ToString(), "Close");
  host::PropertyBag disabled;
  disabled.WriteProperty("ButtonStyle", std::int32_t{2}, std::int32_t{0});
  disabled.WriteProperty("Enabled", false, true);
  disabled.WriteProperty("IsActivate", false, true);
  auto stored = form_->Add<quorin::CommandButton>("MaximizeButton", {}, &disabled);
  EXPECT_EQ(Face(*stored), "CbMax_4");
  EXPECT_FALSE(stored->IsActivate());
  host::PropertyBag written;
  stored->UserControl_WriteProperties(written);
  EXPECT_FALSE(written.ReadProperty("Enabled", true).ToBoolean());
  // Values equal to their defaults are not stored: an absent key reads as any default given.
  EXPECT_EQ(written.ReadProperty("AutoRedraw", std::int32_t{7}).ToLong(), 7);
  EXPECT_EQ(written.ReadProperty("Theme", std::int32_t{7}).ToLong(), 7);
}

TEST_F(CaptionButton, HoverPressAndLeaveFollowTheMouse) {
  auto button = Place();
  button->ButtonStyle(2);
  Show();
  const win32::POINT c = Centre(*button);
  std::string hover, pressed, dragged_off, back_on, after_release;
  robot().MoveTo(c.x, c.y).Wait(30).Do("hover", [&] { hover = Face(*button); });
  robot().Press().Wait(30).Do("pressed", [&] { pressed = Face(*button); });
  robot().MoveTo(c.x + 200, c.y + 200).Wait(30).Do("off", [&] { dragged_off = Face(*button); });
  robot().MoveTo(c.x, c.y).Wait(30).Do("back", [&] { back_on = Face(*button); });
  robot().MoveTo(c.x + 200, c.y + 200).Release().Wait(30).Do("released", [&] {
    after_release = Face(*button);
  });
  Run();
  EXPECT_EQ(hover, "CbClose_1");
  EXPECT_EQ(pressed, "CbClose_2");
  EXPECT_EQ(dragged_off, "CbClose_0");
  EXPECT_EQ(back_on, "CbClose_2");
  EXPECT_EQ(after_release, "CbClose_0");
  EXPECT_EQ(clicks_, 0);  // released elsewhere: no click
}

TEST_F(CaptionButton, AClickShowsTheActiveFaceThenHoverAndRaisesClick) {
  auto button = Place();
  button->ButtonStyle(1);
  Show();
  button->IsActivate(false);
  button->RefreshControl(false);
  const win32::POINT c = Centre(*button);
  std::string after_click, later;
  robot().MoveTo(c.x, c.y).Wait(20).Click(c.x, c.y);
  robot().Do("after click", [&] { after_click = Face(*button); });
  robot().Wait(30).Do("later", [&] { later = Face(*button); });
  robot().MoveTo(5, 5).Wait(30);
  Run();
  EXPECT_EQ(clicks_, 1);
  EXPECT_EQ(after_click, "CbMax_0");
  EXPECT_EQ(later, "CbMax_1");
  EXPECT_EQ(Face(*button), "CbMax_3");  // left: the inactive resting face
}

TEST_F(CaptionButton, TheRightButtonNeverShowsThePressedFace) {
  auto button = Place();
  Show();
  const win32::POINT c = Centre(*button);
  std::string pressed, moved;
  robot().MoveTo(c.x, c.y).Wait(30).Press(win::MouseButton::kRight).Wait(30);
  robot().Do("pressed", [&] { pressed = Face(*button); });
  robot().MoveTo(c.x + 1, c.y).Wait(30).Do("moved", [&] { moved = Face(*button); });
  robot().Release(win::MouseButton::kRight);
  Run();
  EXPECT_EQ(pressed, "CbMin_1");
  EXPECT_EQ(moved, "CbMin_1");
}

TEST_F(CaptionButton, SettingIsActivateAloneDoesNotRepaint) {
  auto button = Place();
  Show();
  button->IsActivate(false);
  EXPECT_EQ(Face(*button), "CbMin_0");
  const win32::POINT c = Centre(*button);
  robot().MoveTo(c.x, c.y).Wait(30).MoveTo(5, 5).Wait(30);
  Run();
  EXPECT_EQ(Face(*button), "CbMin_3");
}

TEST_F(CaptionButton, IsReachableByLateBinding) {
  auto button = Place();
  host::LetProperty(*button, "buttonstyle", std::int32_t{2});
  EXPECT_EQ(host::GetProperty(*button, "ButtonStyle").ToLong(), 2);
  host::CallMethod(*button, "RefreshControl", {});
  EXPECT_EQ(Face(*button), "CbClose_0");
  EXPECT_NE(host::GetProperty(*button, "hwnd").ToLong(), 0);
}

}  // namespace
