#include "skin_parts/label_menu.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/desktop/headless_desktop.h"
#include "platform/host/form/form.h"
#include "platform/host/services/errors.h"
#include "platform/host/types/engine_classes.h"
#include "platform/host/types/late_binding.h"
#include "platform/vb/error.h"
#include "platform/win/user32.h"

namespace {

using quorin::LabelMenu;

constexpr vb::OLE_COLOR kHot = LabelMenu::kHotColor;
constexpr vb::OLE_COLOR kButtonFace = 0x8000000F;
constexpr vb::OLE_COLOR kMenuColor = 0x80000004;

// A form with menu titles on it, and the robot to move over them.
class MenuTitle : public ::testing::Test {
 protected:
  MenuTitle() {
    host::RegisterEngineClasses();
    form_ = host::NewForm("Form1");
    form_->Move(1500, 1500, 8000, 4500);
  }
  ~MenuTitle() override {
    if (form_) host::Unload(*form_);
  }

  // A title as the skin makes them: from stored properties, with the bar's colour.
  std::shared_ptr<LabelMenu> Place(const std::string& name, float left,
                                   const std::string& caption = "&File",
                                   vb::OLE_COLOR back = kMenuColor) {
    host::PropertyBag bag;
    bag.WriteProperty("BackColor", static_cast<std::int32_t>(back),
                      static_cast<std::int32_t>(kButtonFace));
    bag.WriteProperty("Caption", caption, "&System");
    return form_->Add<LabelMenu>(name, {left, 300}, &bag);
  }
  // Records every forwarded event as text, with whether the title was lit when it came.
  void Record(LabelMenu& title) {
    auto mouse = [this, &title](const char* name) {
      return [this, &title, name](std::int16_t& b, std::int16_t& s, float& x, float& y) {
        log_.push_back(std::string(name) + " " + std::to_string(b) + " " + std::to_string(s) + " " +
                       std::to_string(static_cast<int>(x)) + " " +
                       std::to_string(static_cast<int>(y)) + (title.hot() ? " lit" : ""));
      };
    };
    title.Click.Connect(
        [this, &title] { log_.push_back(std::string("Click") + (title.hot() ? " lit" : "")); });
    title.MouseDown.Connect(mouse("MouseDown"));
    title.MouseMove.Connect(mouse("MouseMove"));
    title.MouseUp.Connect(mouse("MouseUp"));
  }
  static win32::RECT Rect(const LabelMenu& t) {
    win32::RECT r;
    win32::GetWindowRect(t.hWnd(), &r);
    return r;
  }
  // Screen pixel at an offset from the title's top-left corner.
  static win32::POINT At(const LabelMenu& t, int dx, int dy) {
    const win32::RECT r = Rect(t);
    return {r.left + dx, r.top + dy};
  }
  static std::string Look(const LabelMenu& t) {
    return std::to_string(t.BackColor()) + "/" + std::to_string(t.BorderStyle()) +
           (t.hot() ? " lit" : "");
  }
  static std::string LookOf(vb::OLE_COLOR back, int border, bool lit) {
    return std::to_string(back) + "/" + std::to_string(border) + (lit ? " lit" : "");
  }
  desktop::Robot& robot() { return headless_.robot(); }
  void Run() { headless_.Run(); }

  desktop::HeadlessDesktop headless_;
  std::shared_ptr<VB::Form> form_;
  std::vector<std::string> log_;
};

TEST_F(MenuTitle, AlwaysHasTheCaptionsWidthPlus14PxAnd18PxHeight) {
  auto title = Place("LbMenu1", 300);
  const char* captions[] = {"&File", "Edit", "&Window && Help", "A much longer menu caption", ""};
  for (const char* caption : captions) {
    title->Caption(caption);
    EXPECT_FLOAT_EQ(title->Extender().Width(), title->Label1->Width() + 210) << caption;
    EXPECT_FLOAT_EQ(title->Extender().Height(), 270) << caption;
    // Whatever size the container asks for, the title keeps its own.
    title->Extender().Move(300, 300, 5000, 1000);
    EXPECT_FLOAT_EQ(title->Extender().Width(), title->Label1->Width() + 210) << caption;
    EXPECT_FLOAT_EQ(title->Extender().Height(), 270) << caption;
  }
  EXPECT_FLOAT_EQ(title->Label1->Left(), 75);
  EXPECT_FLOAT_EQ(title->Label1->Top(), 30);
  // The access-letter ampersand takes no room; a doubled one is a shown ampersand.
  title->Caption("&File");
  const float marked = title->Label1->Width();
  title->Caption("File");
  EXPECT_FLOAT_EQ(title->Label1->Width(), marked);
  EXPECT_GT(title->Label1->Width(), 0);
}

TEST_F(MenuTitle, KeepsItsSizeInPixelsInAContainerMeasuredInPixels) {
  form_->ScaleMode(host::vbPixels);
  auto title = Place("LbMenu1", 20, "&View");
  EXPECT_FLOAT_EQ(title->Extender().Height(), 18);
  EXPECT_FLOAT_EQ(title->Extender().Width(), title->Label1->Width() / 15 + 14);
}

TEST_F(MenuTitle, ANewTitleKeepsTheDesignersValues) {
  auto title = form_->Add<LabelMenu>("LbMenu0", {300, 300});
  EXPECT_EQ(title->Caption(), "&System");
  EXPECT_EQ(title->BackColor(), kHot);
  EXPECT_EQ(title->BorderStyle(), 0);
  EXPECT_TRUE(title->Enabled());
  EXPECT_FALSE(title->hot());
  EXPECT_FLOAT_EQ(title->Extender().Width(), title->Label1->Width() + 210);
  EXPECT_EQ(title->Label1->ForeColor(), 0u);
  EXPECT_EQ(title->Label1->BackStyle(), 0);
}

TEST_F(MenuTitle, PropertiesPersistInOrderWithTheirDefaults) {
  // An empty bag reads every default.
  host::PropertyBag empty;
  auto plain = form_->Add<LabelMenu>("LbMenu1", {}, &empty);
  EXPECT_EQ(plain->BackColor(), kButtonFace);
  EXPECT_EQ(plain->Caption(), "&System");
  EXPECT_TRUE(plain->Enabled());
  EXPECT_EQ(plain->BorderStyle(), 0);
  host::PropertyBag none;
  plain->UserControl_WriteProperties(none);
  EXPECT_TRUE(none.empty());

  host::PropertyBag bag;
  bag.Put("BorderStyle", std::int16_t{1});
  bag.Put("Enabled", false);
  bag.Put("Caption", "&Edit");
  bag.Put("BackColor", std::int32_t{0x00112233});
  auto stored = form_->Add<LabelMenu>("LbMenu2", {}, &bag);
  EXPECT_EQ(stored->BackColor(), 0x00112233u);
  EXPECT_EQ(stored->Caption(), "&Edit");
  EXPECT_FALSE(stored->Enabled());
  EXPECT_EQ(stored->BorderStyle(), 1);
  EXPECT_FLOAT_EQ(stored->Extender().Width(), stored->Label1->Width() + 210);

  host::PropertyBag written;
  stored->UserControl_WriteProperties(written);
  std::vector<std::string> keys;
  for (const auto& e : written.entries()) keys.push_back(e.key);
  EXPECT_EQ(keys, (std::vector<std::string>{"BackColor", "Caption", "Enabled", "BorderStyle"}));
  EXPECT_EQ(written.ReadProperty("BackColor", std::int32_t{0}).ToLong(), 0x00112233);
  EXPECT_EQ(written.ReadProperty("BorderStyle", std::int16_t{0}).ToInteger(), 1);
}

TEST_F(MenuTitle, AStoredBorderStyleOutOfRangeIsReportedAndTheRestIsKept) {
  host::RecordingErrorSink sink;
  host::SetErrorSink(&sink);
  host::PropertyBag bag;
  bag.Put("Caption", "&Tools");
  bag.Put("BorderStyle", std::int16_t{7});
  auto title = form_->Add<LabelMenu>("LbMenu1", {}, &bag);
  host::SetErrorSink(nullptr);
  ASSERT_EQ(sink.reports.size(), 1u);
  EXPECT_EQ(title->Caption(), "&Tools");
  EXPECT_EQ(title->BorderStyle(), 0);
  EXPECT_FLOAT_EQ(title->Extender().Width(), title->Label1->Width() + 210);
}

TEST_F(MenuTitle, SettersMarkTheirPropertyChanged) {
  struct Case {
    const char* name;
    vb::Variant value;
  };
  const Case cases[] = {{"BackColor", std::int32_t{255}},
                        {"BorderStyle", std::int16_t{1}},
                        {"Caption", "&Help"},
                        {"Enabled", false}};
  auto title = Place("LbMenu1", 300);
  for (const auto& c : cases) {
    title->ClearDirty();
    host::LetProperty(*title, c.name, c.value);
    EXPECT_EQ(title->changed_properties().count(c.name), 1u) << c.name;
    EXPECT_EQ(host::GetProperty(*title, c.name).ToString(), c.value.ToString()) << c.name;
  }
  title->ClearDirty();
  EXPECT_THROW(title->BorderStyle(2), vb::Error);
  EXPECT_FALSE(title->dirty());
  EXPECT_EQ(title->BorderStyle(), 1);
}

TEST_F(MenuTitle, LightsWhileHoveredAndRestoresItsColourAfterLeaving) {
  auto title = Place("LbMenu1", 300);
  form_->Show();
  // Over the caption (no window of its own) and over the bare surface right of it.
  const win32::POINT caption = At(*title, 8, 8);
  const win32::RECT r = Rect(*title);
  const win32::POINT margin = {r.right - 3, r.top + 8};
  std::string over_caption, over_margin, just_left, left;
  robot().MoveTo(caption.x, caption.y).Wait(40).Do("caption", [&] { over_caption = Look(*title); });
  robot().MoveTo(margin.x, margin.y).Wait(40).Do("margin", [&] { over_margin = Look(*title); });
  robot().MoveTo(r.right + 40, r.bottom + 40).Do("just left", [&] { just_left = Look(*title); });
  robot().Wait(30).Do("left", [&] { left = Look(*title); });
  Run();
  EXPECT_EQ(over_caption, LookOf(kHot, 1, true));
  EXPECT_EQ(over_margin, LookOf(kHot, 1, true));
  EXPECT_EQ(just_left, LookOf(kHot, 1, true));  // noticed by the next tick, not at once
  EXPECT_EQ(left, LookOf(kMenuColor, 0, false));
}

TEST_F(MenuTitle, MovingAcrossThreeTitlesLightsEachInTurn) {
  const vb::OLE_COLOR colours[] = {0x000000FF, 0x0000FF00, 0x00FF0000};
  std::vector<std::shared_ptr<LabelMenu>> titles;
  float left = 60;
  for (int n = 0; n < 3; ++n) {
    titles.push_back(
        Place("LbMenu" + std::to_string(n + 1), left, "&Menu" + std::to_string(n), colours[n]));
    left += titles.back()->Extender().Width();
  }
  form_->Show();
  std::vector<std::string> seen;
  auto snapshot = [&] {
    std::string s;
    for (auto& t : titles) s += (t->hot() ? "1" : "0");
    seen.push_back(s);
  };
  for (auto& t : titles) {
    const win32::POINT p = At(*t, 8, 8);
    robot().MoveTo(p.x, p.y).Wait(25).Do("over", snapshot);
  }
  const win32::RECT last = Rect(*titles.back());
  robot().MoveTo(last.right + 50, last.bottom + 50).Wait(25).Do("away", snapshot);
  Run();
  EXPECT_EQ(seen, (std::vector<std::string>{"100", "010", "001", "000"}));
  for (int n = 0; n < 3; ++n) {
    EXPECT_EQ(Look(*titles[n]), LookOf(colours[n], 0, false)) << n;
  }
}

TEST_F(MenuTitle, AColourSetWhileLitIsShownAfterTheHighlight) {
  struct Case {
    const char* name;
    vb::OLE_COLOR set_to;
    bool move_again;  // more mouse input over the title after the set
    vb::OLE_COLOR after;
  };
  const Case cases[] = {
      {"then moved over again", 0x00123456, true, 0x00123456},
      {"then left at once", 0x00123456, false, 0x00123456},
      {"the highlight colour itself", kHot, false, kHot},
  };
  for (const auto& c : cases) {
    auto title = Place("LbMenu1", 300);
    form_->Show();
    const win32::POINT p = At(*title, 8, 8);
    const win32::RECT r = Rect(*title);
    robot().MoveTo(p.x, p.y).Wait(20).Do("set", [&] { title->BackColor(c.set_to); });
    if (c.move_again) robot().MoveTo(p.x + 1, p.y).Wait(20);
    robot().MoveTo(r.right + 40, r.bottom + 40).Wait(30);
    Run();
    EXPECT_EQ(Look(*title), LookOf(c.after, 0, false)) << c.name;
    host::Unload(*form_);
    form_ = host::NewForm("Form1");
    form_->Move(1500, 1500, 8000, 4500);
  }
}

TEST_F(MenuTitle, TheHighlightColourSetWhileNormalStaysAfterTheMouseLeaves) {
  auto title = Place("LbMenu1", 300);
  title->BackColor(kHot);
  form_->Show();
  const win32::POINT p = At(*title, 8, 8);
  const win32::RECT r = Rect(*title);
  std::string lit;
  robot().MoveTo(p.x, p.y).Wait(20).Do("lit", [&] { lit = Look(*title); });
  robot().MoveTo(r.right + 40, r.bottom + 40).Wait(30);
  Run();
  EXPECT_EQ(lit, LookOf(kHot, 1, true));
  EXPECT_EQ(Look(*title), LookOf(kHot, 0, false));
}

TEST_F(MenuTitle, ForwardsMouseEventsBeforeLightingUp) {
  auto title = Place("LbMenu1", 300);
  Record(*title);
  form_->Show();
  const win32::RECT r = Rect(*title);
  // Over the caption: coordinates are the caption's own (it starts 5, 2 px in).
  robot().MoveTo(r.left + 8, r.top + 6).Wait(5);
  robot().Press(win::MouseButton::kRight).Release(win::MouseButton::kRight);
  robot().MoveTo(r.right + 40, r.bottom + 40).Wait(30).Do("mark", [&] { log_.push_back("-"); });
  Run();
  ASSERT_GE(log_.size(), 4u);
  EXPECT_EQ(log_[0], "MouseMove 0 0 45 60");  // first event: not lit yet
  // The rest comes while lit, in the engine's order; the lit title's single-line border moves
  // the caption 1 px further in, so the same screen point is 1 px nearer its corner.
  std::vector<std::string> rest(log_.begin() + 1, log_.end());
  EXPECT_EQ(rest, (std::vector<std::string>{"MouseDown 2 0 30 45 lit", "MouseUp 2 0 30 45 lit",
                                            "Click lit", "-"}));
}

TEST_F(MenuTitle, ForwardsEventsFromTheBareSurfaceInItsCoordinates) {
  auto title = Place("LbMenu1", 300);
  Record(*title);
  form_->Show();
  const win32::RECT r = Rect(*title);
  const int x = r.right - r.left - 3;  // in the right-hand margin, beyond the caption
  robot().MoveTo(r.left + x, r.top + 15).Wait(5).Press().Release();
  robot().MoveTo(r.right + 40, r.bottom + 40).Wait(30);
  Run();
  ASSERT_FALSE(log_.empty());
  EXPECT_EQ(log_[0], "MouseMove 0 0 " + std::to_string(x * 15) + " 225");
  EXPECT_FALSE(title->hot());
}

TEST_F(MenuTitle, ClickAndMouseDownLightTheTitleOnlyAfterTheirHandlers) {
  struct Case {
    const char* name;
    void (*input)(LabelMenu&);
  };
  const Case cases[] = {
      {"Click", [](LabelMenu& t) { t.UserControl_Click(); }},
      {"MouseDown", [](LabelMenu& t) { t.UserControl_MouseDown(1, 0, 10, 20); }},
      {"MouseMove", [](LabelMenu& t) { t.UserControl_MouseMove(0, 0, 10, 20); }},
  };
  for (const auto& c : cases) {
    auto title = Place("LbMenu1", 300);
    Record(*title);
    log_.clear();
    c.input(*title);
    ASSERT_EQ(log_.size(), 1u) << c.name;
    EXPECT_EQ(log_[0].find("lit"), std::string::npos) << c.name;
    EXPECT_EQ(Look(*title), LookOf(kHot, 1, true)) << c.name;
    title->Extender().Visible(false);
  }
}

TEST_F(MenuTitle, MouseUpAloneRaisesMouseUpAndDoesNotLight) {
  auto title = Place("LbMenu1", 300);
  Record(*title);
  title->UserControl_MouseUp(1, 2, 30, 45);
  EXPECT_EQ(log_, (std::vector<std::string>{"MouseUp 1 2 30 45"}));
  EXPECT_EQ(Look(*title), LookOf(kMenuColor, 0, false));
}

TEST_F(MenuTitle, AFailingHandlerLeavesTheLookAsItIs) {
  auto title = Place("LbMenu1", 300);
  host::RecordingErrorSink sink;
  host::SetErrorSink(&sink);
  title->Click.Connect([] { throw vb::Error(vb::kInvalidPropertyValue); });
  title->MouseDown.Connect(
      [](std::int16_t&, std::int16_t&, float&, float&) { throw vb::Error(91); });
  title->UserControl_Click();
  title->UserControl_MouseDown(1, 0, 0, 0);
  host::SetErrorSink(nullptr);
  EXPECT_EQ(Look(*title), LookOf(kMenuColor, 0, false));
  EXPECT_TRUE(sink.reports.empty());
}

TEST_F(MenuTitle, SavingWhileLitStoresTheRestingLook) {
  auto title = Place("LbMenu1", 300);
  title->UserControl_MouseMove(0, 0, 10, 10);
  ASSERT_TRUE(title->hot());
  host::PropertyBag written;
  title->UserControl_WriteProperties(written);
  EXPECT_EQ(static_cast<vb::OLE_COLOR>(written.ReadProperty("BackColor", std::int32_t{0}).ToLong()),
            kMenuColor);
  EXPECT_EQ(written.ReadProperty("BorderStyle", std::int16_t{9}).ToInteger(), 9);
}

TEST_F(MenuTitle, UnloadingALitTitleEndsItsTimer) {
  auto title = Place("LbMenu1", 300);
  form_->Show();
  const win32::POINT p = At(*title, 8, 8);
  robot().MoveTo(p.x, p.y).Wait(20).Do("unload", [&] {
    ASSERT_TRUE(title->hot());
    host::Unload(*form_);
    form_.reset();
  });
  robot().Wait(40);
  Run();
  EXPECT_FALSE(title->hot());
}

}  // namespace
