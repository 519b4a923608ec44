#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/desktop/headless_desktop.h"
#include "platform/gfx/bitmap.h"
#include "platform/host/form/form.h"
#include "platform/host/types/engine_classes.h"
#include "platform/host/types/late_binding.h"
#include "tabstrip/xp_tabstrip.h"

namespace tabstrip_test {

constexpr vb::COLORREF kFormBack = vb::RGB(240, 240, 224);

// A form with a light back colour and one tab strip on it, placed anew, with every event the
// strip raises written down in order ("TabPressed 1", "MouseIn", ...).
class TabstripTest : public ::testing::Test {
 protected:
  TabstripTest() {
    host::RegisterEngineClasses();
    form_ = host::NewForm("Form1");
    form_->Move(0, 0, 9000, 6000);
    host::LetProperty(*form_, "BackColor", vb::Variant(static_cast<std::int32_t>(kFormBack)));
  }
  ~TabstripTest() override {
    if (form_) host::Unload(*form_);
  }

  // A strip of width x height pixels at (10, 10) pixels of the form.
  std::shared_ptr<quorin::XPTabstrip> Place(int width, int height,
                                            const host::PropertyBag* stored = nullptr) {
    auto strip = form_->Add<quorin::XPTabstrip>(
        "XPTabstrip1", {150.0f, 150.0f, width * 15.0f, height * 15.0f}, stored);
    Record(*strip);
    return strip;
  }
  void Record(quorin::XPTabstrip& s) {
    s.TabPressed.Connect(
        [this](std::int16_t& p) { events_.push_back("TabPressed " + std::to_string(p)); });
    s.MouseIn.Connect(
        [this](std::int16_t&, std::int16_t&, float&, float&) { events_.push_back("MouseIn"); });
    s.MouseOut.Connect(
        [this](std::int16_t&, std::int16_t&, float&, float&) { events_.push_back("MouseOut"); });
    s.MouseDown.Connect([this](std::int16_t& b, std::int16_t&, float& x, float& y) {
      events_.push_back("MouseDown " + std::to_string(b) + " " +
                        std::to_string(static_cast<int>(x)) + " " +
                        std::to_string(static_cast<int>(y)));
    });
    s.TabDblClick.Connect(
        [this](std::int32_t& i) { events_.push_back("TabDblClick " + std::to_string(i)); });
    s.DblClick.Connect([this] { events_.push_back("DblClick"); });
  }
  // A strip with `count` tabs of fixed width `tab_width`, captioned "T1", "T2", ...
  std::shared_ptr<quorin::XPTabstrip> PlaceFixed(int width, int height, int count, int tab_width) {
    auto s = Place(width, height);
    s->AutoSize(1, false);
    s->TabWidth(1, tab_width);
    s->TabCaption(1, "T1");
    for (int i = 2; i <= count; ++i) s->AddTab(tab_width, "T" + std::to_string(i), true, false);
    form_->Show();
    events_.clear();
    return s;
  }
  static vb::COLORREF At(const quorin::XPTabstrip& s, int x, int y) {
    return gfx::ColorrefFromArgb(s.image().pixel(x, y));
  }
  static vb::COLORREF At(const VB::PictureBox& b, int x, int y) {
    return gfx::ColorrefFromArgb(b.image().pixel(x, y));
  }
  // Screen pixel of a point of the strip's surface.
  static win32::POINT OnScreen(const quorin::XPTabstrip& s, int x, int y) {
    win32::POINT o = s.ScreenOrigin();
    return {o.x + x, o.y + y};
  }
  void MoveTo(const quorin::XPTabstrip& s, int x, int y) {
    win32::POINT p = OnScreen(s, x, y);
    robot().MoveTo(p.x, p.y);
  }
  void ClickAt(const quorin::XPTabstrip& s, int x, int y) {
    win32::POINT p = OnScreen(s, x, y);
    robot().Click(p.x, p.y);
  }
  desktop::Robot& robot() { return headless_.robot(); }
  void Run() { headless_.Run(); }

  desktop::HeadlessDesktop headless_;
  std::shared_ptr<VB::Form> form_;
  std::vector<std::string> events_;
};

}  // namespace tabstrip_test
