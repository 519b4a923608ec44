// Random use of a skinned form: the skin's members called by name with odd values, the form
// shown, hidden, resized, maximised and unloaded (also from the skin's own events), menus
// tagged for the bar, and robot input over the title bar, buttons, borders and menu bar.
// Calls may fail with vb::Error; nothing may crash, and the sanitizers watch every run.

#include <random>

#include "platform/host/types/late_binding.h"
#include "tests/skin/skin_fixture.h"

namespace {

class SkinRandomUse : public skintest::SkinFixture {
 protected:
  int Pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

  vb::Variant OddValue() {
    switch (Pick(0, 7)) {
      case 0:
        return std::int16_t{0};
      case 1:
        return std::int32_t{Pick(-5, 5)};
      case 2:
        return std::int32_t{70000};
      case 3:
        return -1.5;
      case 4:
        return "Title " + std::to_string(Pick(0, 99));
      case 5:
        return true;
      case 6:
        return vb::Variant(vb::ObjectRef(form_));
      default:
        return vb::Variant();
    }
  }

  void Step() {
    if (!form_ || !form_->alive() || !skin_) {
      if (form_ && form_->alive()) host::Unload(*form_);
      NewHostForm();
      if (Pick(0, 1)) form_->BorderStyle(static_cast<std::int16_t>(Pick(0, 5)));
      for (int i = Pick(0, 3); i > 0; --i) {
        auto menu = form_->AddMenu("mnu" + std::to_string(next_++), "&M" + std::to_string(i));
        menu->Tag(Pick(0, 2) ? "CBS" : "");
        if (Pick(0, 1)) form_->AddMenu("itm" + std::to_string(next_++), "&Item", menu.get());
      }
      Place();
      if (Pick(0, 3) == 0) {
        skin_->CloseForm.Connect([this] {
          if (form_ && form_->alive()) host::Unload(*form_);
        });
      }
    }
    auto skin = skin_;
    static const char* const kMembers[] = {"Caption",
                                           "Skin",
                                           "ShowIcon",
                                           "MenuBackColor",
                                           "Repos",
                                           "MaxBtnClick",
                                           "LoadXP",
                                           "SetFormActiveStyle",
                                           "ReTransObj",
                                           "GradualChange",
                                           "TransparentEdges",
                                           "ContainerCheck",
                                           "ChangeCaption",
                                           "CloseChildForm",
                                           "FormOnTop",
                                           "TaskBarShow",
                                           "SetStyle",
                                           "ShowChild",
                                           "Icon"};
    switch (Pick(0, 9)) {
      case 0:
      case 1: {
        const char* member = kMembers[Pick(0, std::size(kMembers) - 1)];
        std::vector<vb::Variant> args;
        for (int i = Pick(0, 2); i > 0; --i) args.push_back(OddValue());
        try {
          host::CallMethod(*skin, member, args);
        } catch (const vb::Error&) {
          host::LetProperty(*skin, member, args.empty() ? OddValue() : args[0]);
        }
        break;
      }
      case 2:
        form_->Show();
        break;
      case 3:
        form_->WindowState(static_cast<std::int16_t>(Pick(0, 2)));
        break;
      case 4:
        form_->Move(static_cast<float>(Pick(-3000, 20000)), static_cast<float>(Pick(-3000, 15000)),
                    static_cast<float>(Pick(0, 30000)), static_cast<float>(Pick(0, 30000)));
        break;
      case 5: {
        const win32::RECT r = FormRect();
        const int x = r.left + Pick(-5, r.right - r.left + 5);
        const int y = r.top + Pick(-5, 70);
        switch (Pick(0, 3)) {
          case 0:
            robot().Click(x, y, Pick(0, 1) ? win::MouseButton::kLeft : win::MouseButton::kRight);
            break;
          case 1:
            robot().DoubleClick(x, y);
            break;
          case 2:
            robot().Drag(x, y, x + Pick(-80, 80), y + Pick(-80, 80), 3);
            break;
          default:
            robot().MoveTo(x, y);
        }
        robot().Key(win32::VK_ESCAPE);
        break;
      }
      case 6: {
        const win32::RECT r = FormRect();
        const int x = r.right - Pick(0, 14);
        const int y = r.bottom - Pick(0, 12);
        robot().Drag(x, y, x + Pick(-500, 500), y + Pick(-500, 500), 3);
        break;
      }
      case 7:
        Wait(static_cast<std::uint64_t>(Pick(0, 600)));
        break;
      case 8:
        if (Pick(0, 3) == 0)
          host::Unload(*form_);
        else
          form_->Hide();
        break;
      default:
        skin->CloseButton->Click();
        break;
    }
    Run();
  }

  std::mt19937 rng_;
  int next_ = 0;
};

TEST_F(SkinRandomUse, NothingCrashesWhateverTheOrderOfUse) {
  for (unsigned seed = 1; seed <= 12; ++seed) {
    rng_.seed(seed);
    for (int step = 0; step < 60; ++step) {
      try {
        Step();
      } catch (const vb::Error&) {
      }
    }
    UnloadAll();
  }
}

}  // namespace
