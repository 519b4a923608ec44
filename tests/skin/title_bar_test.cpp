#include "platform/win/user32.h"
#include "tests/skin/skin_fixture.h"

namespace {

// A shown skinned form at (100, 100), 400 px wide, with its title bar along y 100 to 130.
class SkinTitleBar : public skintest::SkinFixture {
 protected:
  std::shared_ptr<quorin::QuorinSkin> ShowSkinned() {
    auto skin = Place();
    form_->Unload.Connect([this](std::int16_t&) { close_events_.push_back("form unload"); });
    form_->Show();
    Run();
    return skin;
  }
  static constexpr win32::POINT kTitle{300, 125};      // the title strip, below the text
  static constexpr win32::POINT kCaption{140, 115};    // the title text
  static constexpr win32::POINT kTitleLeft{105, 115};  // the left end
  static constexpr win32::POINT kIcon{120, 115};       // the title icon
};

TEST_F(SkinTitleBar, DraggingTheTitleMovesTheForm) {
  ShowSkinned();
  robot().Drag(kTitle.x, kTitle.y, kTitle.x + 100, kTitle.y + 60);
  Run();
  EXPECT_EQ(FormRect().left, 200);
  EXPECT_EQ(FormRect().top, 160);
}

TEST_F(SkinTitleBar, AFormThatIsNotMoveableIgnoresTheTitleButNotTheTextOrEnds) {
  form_->Moveable(false);
  ShowSkinned();
  const struct {
    win32::POINT from;
    win::MouseButton button;
    int moved_by;
  } cases[] = {
      {kTitle, win::MouseButton::kLeft, 0},
      {kCaption, win::MouseButton::kLeft, 50},
      {kTitleLeft, win::MouseButton::kLeft, 50},
      {kTitleLeft, win::MouseButton::kRight, 50},  // any button on the ends
  };
  for (const auto& c : cases) {
    const int before = FormRect().left;
    const win32::POINT from{c.from.x + before - 100, c.from.y};
    robot().Drag(from.x, from.y, from.x + 50, from.y, 5, c.button);
    Run();
    EXPECT_EQ(FormRect().left - before, c.moved_by) << from.x;
  }
}

TEST_F(SkinTitleBar, NoDragStartsWhileTheFormIsMaximised) {
  ShowSkinned();
  form_->WindowState(2);
  Run();
  robot().Drag(300, 20, 400, 120);
  Run();
  EXPECT_EQ(FormRect().left, 0);
  EXPECT_EQ(FormRect().top, 0);
  EXPECT_EQ(form_->WindowState(), 2);
}

TEST_F(SkinTitleBar, DoubleClickingTheTitleMaximisesAndRestoresOnlyASizableForm) {
  ShowSkinned();
  robot().DoubleClick(kTitle.x, kTitle.y);
  Run();
  EXPECT_EQ(form_->WindowState(), 2);
  robot().DoubleClick(kTitle.x, 20);
  Run();
  EXPECT_EQ(form_->WindowState(), 0);
  EXPECT_EQ(FormRect().left, 100);

  UnloadAll();
  NewHostForm();
  form_->BorderStyle(1);
  form_->MinButton(false);
  auto skin = ShowSkinned();
  robot().DoubleClick(kTitle.x, kTitle.y);
  Run();
  EXPECT_EQ(form_->WindowState(), 0);
  // Its maximise button still works.
  skin->MaximizeButton->Click();
  Run();
  EXPECT_EQ(form_->WindowState(), 2);
}

TEST_F(SkinTitleBar, TheCaptionButtonsMinimiseMaximiseRestoreAndClose) {
  auto skin = ShowSkinned();
  const win32::RECT r = FormRect();
  // The maximise button sits 79 px from the right edge, 1 px down.
  robot().Click(r.right - 79 + 13, r.top + 10);
  Run();
  EXPECT_EQ(form_->WindowState(), 2);
  EXPECT_FLOAT_EQ(skin->width_twips(), 1280 * 15);
  robot().Click(1280 - 79 + 13, 10);
  Run();
  EXPECT_EQ(form_->WindowState(), 0);
  EXPECT_EQ(FormRect().left, r.left);
  EXPECT_EQ(FormRect().right, r.right);
  robot().Click(r.right - 103 + 13, r.top + 10);
  Run();
  EXPECT_EQ(form_->WindowState(), 1);
  // Restoring a minimised form by the button gives its normal state, not maximised.
  skin->MaxBtnClick();
  EXPECT_EQ(form_->WindowState(), 0);
  robot().Click(r.right - 53 + 21, r.top + 10);
  Run();
  EXPECT_EQ(close_events_, (std::vector<std::string>{"loaded", "form unload"}));
  EXPECT_FALSE(form_->alive());
}

TEST_F(SkinTitleBar, TheIconAndARightClickOpenTheSystemMenu) {
  // "Close" chosen by its letter closes the form the system's way, without CloseForm. (The
  // stripped frame leaves only Move and Close enabled in that menu.)
  const struct {
    win32::POINT at;
    win::MouseButton button;
  } openers[] = {{kIcon, win::MouseButton::kLeft},
                 {kTitle, win::MouseButton::kRight},
                 {kCaption, win::MouseButton::kRight}};
  for (const auto& o : openers) {
    UnloadAll();
    NewHostForm();
    close_events_.clear();
    ShowSkinned();
    robot().Click(o.at.x, o.at.y, o.button).Char('c');
    Run();
    EXPECT_FALSE(form_->alive()) << o.at.x;
    EXPECT_EQ(close_events_, std::vector<std::string>{"form unload"});
  }
}

}  // namespace
