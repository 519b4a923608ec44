// The option button's face: hover polling, press, focus, disabled look and layout.

#include <cmath>
#include <string>
#include <vector>

#include "platform/gfx/bitmap.h"
#include "platform/vb/ole_color.h"
#include "radio_fixture.h"

namespace radiotest {
namespace {

using Lines = std::vector<std::string>;

// Two buttons: A takes the focus when the form shows, B is the one the mouse plays with.
class Looks : public RadioForm {
 protected:
  Looks() {
    a_ = Radio("A", 120, 120);
    b_ = Radio("B", 120, 600);
    Show();
  }
  Lines TakeB() { return EventsOf(recorder_.Take(), "B"); }
  win32::POINT Box() const { return At(*b_, 6, 10); }
  win32::POINT Outside() const { return At(*b_, 40, 60); }

  std::shared_ptr<quorin::RadioButton> a_, b_;
};

TEST_F(Looks, EnteringRaisesOneMouseMoveAndLeavingOneMouseOutWithinAPoll) {
  const win32::POINT box = Box();
  robot().MoveTo(box.x, box.y).Glide(box.x + 60, box.y, 6);
  Run();
  const Lines entered = TakeB();
  ASSERT_EQ(entered.size(), 1u) << ::testing::PrintToString(entered);
  EXPECT_EQ(entered[0].rfind("B.MouseMove(0, 0, ", 0), 0u);
  EXPECT_EQ(Face(*b_), quorin::kBoxHover);
  EXPECT_TRUE(b_->Timer1->Enabled());

  const win32::POINT away = Outside();
  std::vector<int> faces;
  robot().MoveTo(away.x, away.y).Do("face", [&] { faces.push_back(Face(*b_)); });
  robot().Wait(50).Do("face", [&] { faces.push_back(Face(*b_)); });
  robot().Wait(200);
  Run();
  EXPECT_EQ(faces, (std::vector<int>{quorin::kBoxHover, quorin::kBoxResting}));
  EXPECT_EQ(TakeB(), (Lines{"B.MouseOut()"}));
  EXPECT_FALSE(b_->Timer1->Enabled());
}

TEST_F(Looks, ASelectedButtonHoversWithItsOwnPictureAndKeepsItThroughLayout) {
  b_->Value(true);
  const win32::POINT box = Box();
  robot().MoveTo(box.x, box.y);
  Run();
  EXPECT_EQ(Face(*b_), quorin::kBoxHover + quorin::kBoxSelected);
  EXPECT_EQ(b_->HoverPicture(), quorin::kBoxHover + quorin::kBoxSelected);
  // Resize, caption and font each lay out again and show the resting selected picture.
  b_->Extender().Height(450);
  EXPECT_EQ(Face(*b_), quorin::kBoxSelected);
  b_->Caption("Another caption");
  EXPECT_EQ(Face(*b_), quorin::kBoxSelected);
  b_->Font(std::make_shared<vb::StdFont>());
  EXPECT_EQ(Face(*b_), quorin::kBoxSelected);
}

TEST_F(Looks, PressedAndDraggedOffKeepsThePressedLookWithoutMouseOut) {
  const win32::POINT box = Box();
  const win32::POINT away = Outside();
  std::vector<int> faces;
  robot().MoveTo(box.x, box.y).Press().Glide(away.x, away.y, 4).Wait(300);
  robot().Do("face", [&] { faces.push_back(Face(*b_)); });
  robot().Release().Do("face", [&] { faces.push_back(Face(*b_)); });
  robot().Wait(200);
  Run();
  EXPECT_EQ(faces, (std::vector<int>{quorin::kBoxPressed, quorin::kBoxPressed}));
  const Lines lines = TakeB();
  ASSERT_GE(lines.size(), 3u) << ::testing::PrintToString(lines);
  EXPECT_EQ(lines[0].rfind("B.MouseMove(", 0), 0u);
  EXPECT_EQ(lines[1].rfind("B.MouseDown(1, 0, ", 0), 0u);
  EXPECT_EQ(lines[2].rfind("B.MouseUp(1, 0, ", 0), 0u);
  // Released outside: no click, no selection. The press gave the box the focus, which holds
  // off the poll, so the pressed look stays until the next face update.
  EXPECT_EQ(lines.size(), 3u) << ::testing::PrintToString(lines);
  EXPECT_FALSE(b_->Value());
  EXPECT_FALSE(b_->Timer1->Enabled());
  b_->ForeColor(0);
  EXPECT_EQ(Face(*b_), quorin::kBoxResting);
}

TEST_F(Looks, FocusByTabHoldsTheHoverLookAndLeavingItEndsWithMouseOut) {
  const win32::POINT away = At(*b_, 300, 200);
  a_->Extender().SetFocus();
  robot().MoveTo(away.x, away.y).Wait(100);
  Run();
  recorder_.Take();
  robot().Key(win32::VK_TAB).Wait(300);
  Run();
  EXPECT_EQ(TakeB(), (Lines{"B.MouseMove(0, 0, 0, 0)"}));
  EXPECT_EQ(Face(*b_), quorin::kBoxHover);
  EXPECT_FALSE(b_->Timer1->Enabled());

  std::vector<int> faces;
  robot().Key(win32::VK_TAB).Do("face", [&] { faces.push_back(Face(*b_)); });
  robot().Wait(100);
  Run();
  EXPECT_EQ(faces, (std::vector<int>{quorin::kBoxHover}));
  EXPECT_EQ(TakeB(), (Lines{"B.MouseMove(0, 0, 0, 0)", "B.MouseOut()"}));
  EXPECT_EQ(Face(*b_), quorin::kBoxResting);
}

TEST_F(Looks, ADisabledButtonShowsItsPaleLookAndRaisesNoMouseEvents) {
  b_->Enabled(false);
  EXPECT_EQ(Face(*b_), quorin::kBoxDisabled);
  EXPECT_EQ(b_->lbl->ForeColor(), 0x80000011u);
  b_->Value(true);
  EXPECT_EQ(Face(*b_), quorin::kBoxDisabled + quorin::kBoxSelected);
  recorder_.Take();
  const win32::POINT box = Box();
  robot().MoveTo(box.x, box.y).Click(box.x, box.y).Wait(100);
  Run();
  EXPECT_EQ(TakeB(), Lines{});
  b_->ForeColor(0x0000FF);  // kept for later; the caption stays grey while disabled
  EXPECT_EQ(b_->lbl->ForeColor(), 0x80000011u);
  b_->Enabled(true);
  EXPECT_EQ(Face(*b_), quorin::kBoxSelected);
  EXPECT_EQ(b_->lbl->ForeColor(), 0x0000FFu);
}

TEST_F(RadioForm, TheBoxAndCaptionAreCentredWithTheRoundedDifference) {
  struct Case {
    float height;
    float box_top;
  };
  // (height - 195) brought to a whole number, halves to even, then halved toward zero.
  const Case cases[] = {{210, 7}, {300, 52}, {195, 0}, {225, 15}, {240, 22}, {150, -22}};
  auto r = form_->Add<quorin::RadioButton>("Option1", {120, 120, 1800, 300});
  for (const Case& c : cases) {
    r->Extender().Height(c.height);
    EXPECT_FLOAT_EQ(r->p->Top(), c.box_top) << c.height;
    EXPECT_FLOAT_EQ(r->p->Left(), 0);
    EXPECT_FLOAT_EQ(r->p->Width(), 195);
    EXPECT_FLOAT_EQ(r->lbl->Left(), 240);
    const auto expected = static_cast<long>(std::nearbyint(c.height - r->lbl->Height())) / 2;
    EXPECT_FLOAT_EQ(r->lbl->Top(), static_cast<float>(expected)) << c.height;
  }
}

TEST_F(RadioForm, XPCornersShowTheBackgroundAndVistaCornersStayWhite) {
  auto xp = Radio("XP", 120, 120);
  auto vista = Radio("Vista", 120, 600);
  xp->Skin(quorin::XPStyle);
  for (const auto& r : {xp, vista}) r->BackColor(0x0000C0FF);  // orange
  xp->Value(true);                                             // a face update takes the new set
  form_->Show();
  Run();
  const gfx::Bitmap& screen = headless_.Screen();
  auto corner = [&](const quorin::RadioButton& r) {
    const win32::POINT o = r.p->ScreenOrigin();
    return screen.pixel(o.x, o.y);
  };
  EXPECT_EQ(corner(*xp), gfx::ArgbFromColorref(0x0000C0FF));
  EXPECT_EQ(corner(*vista), gfx::ArgbFromColorref(0x00FFFFFF));
}

}  // namespace
}  // namespace radiotest
