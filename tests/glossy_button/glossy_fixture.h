#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "artwork/artwork.h"
#include "glossy_button/vista_button.h"
#include "platform/desktop/headless_desktop.h"
#include "platform/host/form/form.h"
#include "platform/host/types/engine_classes.h"

namespace glossytest {

// A form with one glossy button on it; the button's events are recorded by name.
class GlossyButton : public ::testing::Test {
 protected:
  GlossyButton() {
    host::RegisterEngineClasses();
    form_ = host::NewForm("Form1");
    form_->Move(1500, 1500, 6000, 4500);
  }
  ~GlossyButton() override {
    if (form_) host::Unload(*form_);
  }

  std::shared_ptr<quorin::VistaButton> Place(host::Placement where = {300, 300},
                                             const host::PropertyBag* stored = nullptr) {
    auto b = form_->Add<quorin::VistaButton>("VistaButton1", where, stored);
    b->Click.Connect([this] { events_.push_back("Click"); });
    b->MouseDown.Connect([this](std::int16_t& button, std::int16_t&, float&, float&) {
      events_.push_back("MouseDown " + std::to_string(button));
    });
    b->MouseUp.Connect([this](std::int16_t& button, std::int16_t&, float&, float&) {
      events_.push_back("MouseUp " + std::to_string(button));
    });
    b->MouseMove.Connect([this](std::int16_t&, std::int16_t&, float&, float&) { ++moves_; });
    return b;
  }

 public:
  // A face pixel of the button's persistent image.
  static std::uint32_t FacePixel(const quorin::VistaButton& b, int x, int y) {
    return b.Pback->image().pixel(x, y) | 0xFF000000u;
  }
  // A pixel of a skin picture, e.g. Skin("im", 2).
  static std::uint32_t SkinPixel(const std::string& set, int state, int x, int y) {
    return artwork::Picture("glossy_button/" + set + "_" + std::to_string(state))
               ->Pixels()
               ->at(x, y) |
           0xFF000000u;
  }
  // Screen point inside the face, `dx`, `dy` pixels from its top-left corner.
  static win32::POINT OnFace(const quorin::VistaButton& b, int dx, int dy) {
    win32::POINT p = b.Pback->ScreenOrigin();
    return {p.x + dx, p.y + dy};
  }

 protected:
  desktop::Robot& robot() { return headless_.robot(); }
  void Run() { headless_.Run(); }

  desktop::HeadlessDesktop headless_;
  std::shared_ptr<VB::Form> form_;
  std::vector<std::string> events_;
  int moves_ = 0;
};

}  // namespace glossytest
