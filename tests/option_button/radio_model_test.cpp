// The option button's selection, keyboard sequence and persistence.

#include <string>
#include <vector>

#include "platform/host/types/late_binding.h"
#include "radio_fixture.h"

namespace radiotest {
namespace {

using Lines = std::vector<std::string>;

// Three buttons on the form (two in Group False, one in Group True) and two in a frame.
class Grouping : public RadioForm {
 protected:
  Grouping() {
    a_ = Radio("A", 120, 120);
    b_ = Radio("B", 120, 480);
    c_ = Radio("C", 120, 840, true);
    frame_ = form_->Add<quorin::Frame>("Frame1", {2400, 120, 3000, 1800});
    d_ = Radio("D", 150, 450, false, frame_.get());
    e_ = Radio("E", 150, 900, false, frame_.get());
    Show();
  }
  std::string Values() const {
    std::string out;
    for (const auto& r : {a_, b_, c_, d_, e_}) out += r->Value() ? '1' : '0';
    return out;
  }
  std::shared_ptr<quorin::RadioButton> a_, b_, c_, d_, e_;
  std::shared_ptr<quorin::Frame> frame_;
};

TEST_F(Grouping, AClickClearsItsContainersGroupAndSelectsItself) {
  a_->Value(true);
  c_->Value(true);
  d_->Value(true);
  recorder_.Take();
  // A click on B's caption: A and B itself are cleared (each reporting), then B is set;
  // C (other group) and the frame's buttons stay.
  const win32::POINT on_caption = At(*b_, 30, 10);
  robot().Click(on_caption.x, on_caption.y);
  Run();
  EXPECT_EQ(Values(), "01110");
  Lines changes;
  for (const std::string& l : recorder_.Take()) {
    if (l.find(" changed ") != std::string::npos) changes.push_back(l);
  }
  EXPECT_EQ(changes, (Lines{"A changed Value", "B changed Value", "B changed Value"}));

  // A click on E's box inside the frame leaves every button on the form alone.
  const win32::POINT on_box = At(*e_, 6, 10);
  robot().Click(on_box.x, on_box.y);
  Run();
  EXPECT_EQ(Values(), "01101");
  changes.clear();
  for (const std::string& l : recorder_.Take()) {
    if (l.find(" changed ") != std::string::npos) changes.push_back(l);
  }
  EXPECT_EQ(changes, (Lines{"D changed Value", "E changed Value", "E changed Value"}));
  EXPECT_EQ(Face(*e_), quorin::kBoxSelected);
}

TEST_F(Grouping, TheSecondGroupOfAContainerSelectsOnItsOwn) {
  b_->Value(true);
  const win32::POINT on_c = At(*c_, 6, 10);
  robot().Click(on_c.x, on_c.y);
  Run();
  EXPECT_EQ(Values(), "01100");
  c_->Value(false);
  a_->Value(true);  // from code: the others of the group stay as they are
  EXPECT_EQ(Values(), "11000");
}

TEST_F(Grouping, AMouseClickRaisesDownUpAndOneClickAfterTheSelection) {
  const win32::POINT on_box = At(*b_, 6, 10);
  robot().MoveTo(on_box.x, on_box.y).Wait(20);
  Run();
  recorder_.Take();
  robot().Click(on_box.x, on_box.y);
  Run();
  const Lines lines = EventsOf(recorder_.Take(), "B");
  ASSERT_EQ(lines.size(), 6u) << ::testing::PrintToString(lines);
  EXPECT_EQ(lines[0].rfind("B.MouseDown(1, 0, ", 0), 0u);
  EXPECT_EQ(lines[1].rfind("B.MouseUp(1, 0, ", 0), 0u);
  EXPECT_EQ(lines[2], "A changed Value");
  EXPECT_EQ(lines[3], "B changed Value");
  EXPECT_EQ(lines[4], "B changed Value");
  EXPECT_EQ(lines[5], "B.Click()");
}

TEST_F(Grouping, ClickingTheSelectedButtonChangesAndReportsNothing) {
  b_->Value(true);
  a_->Value(false);
  recorder_.Take();
  const win32::POINT on_box = At(*b_, 6, 10);
  robot().Click(on_box.x, on_box.y);
  Run();
  for (const std::string& l : recorder_.Take()) {
    EXPECT_EQ(l.find(" changed "), std::string::npos) << l;
  }
  EXPECT_EQ(Values(), "01000");
  // The resting selected face is back (the hover look returns with the next move only).
  EXPECT_EQ(Face(*b_), quorin::kBoxSelected);
}

TEST_F(Grouping, SpaceRaisesKeyDownKeyPressClickMouseDownThenKeyUpAndSelects) {
  b_->Extender().SetFocus();
  Run();
  a_->Value(true);
  recorder_.Take();
  robot().Key(win32::VK_SPACE);
  Run();
  EXPECT_EQ(EventsOf(recorder_.Take(), "B"),
            (Lines{"B.KeyDown(32, 0)", "B.KeyPress(32)", "B.Click()", "B.MouseDown(1, 0, 0, 0)",
                   "B.KeyUp(32, 0)", "A changed Value", "B changed Value", "B changed Value"}));
  EXPECT_EQ(Values(), "01000");
  EXPECT_EQ(b_->Pressed(), 0);

  // Any other key: KeyDown only.
  robot().Key('A');
  Run();
  EXPECT_EQ(EventsOf(recorder_.Take(), "B"), (Lines{"B.KeyDown(65, 0)"}));
}

TEST_F(Grouping, ANonRadioMemberOfControlsIsSkipped) {
  // The frame has neither Group nor Value; a Label on the form neither.
  form_->Add<VB::Label>("Label1", {120, 1500, 600, 300});
  const win32::POINT on_box = At(*a_, 6, 10);
  robot().Click(on_box.x, on_box.y);
  Run();
  EXPECT_EQ(Values(), "10000");
}

TEST_F(RadioForm, ANewButtonTakesItsDisplayNameBlackTextAndTheButtonFace) {
  auto r = form_->Add<quorin::RadioButton>("Option7", {120, 120, 1800, 300});
  EXPECT_EQ(r->Caption(), "Option7");
  EXPECT_EQ(r->ForeColor(), 0u);
  EXPECT_EQ(r->BackColor(), 0x8000000Fu);
  EXPECT_EQ(r->lbl->ForeColor(), 0u);
  EXPECT_TRUE(r->Enabled());
  EXPECT_FALSE(r->Value());
  EXPECT_FALSE(r->Group());
  EXPECT_EQ(r->Skin(), quorin::VistaStyle);
  EXPECT_EQ(r->HoverPicture(), quorin::kBoxHover);
  EXPECT_EQ(Face(*r), quorin::kBoxResting);
}

TEST_F(RadioForm, PropertiesSurviveASaveWithDefaultsLeftOut) {
  host::PropertyBag bag;
  {
    auto r = form_->Add<quorin::RadioButton>("Option1", {120, 120, 1800, 300});
    r->Caption("Option1");
    host::PropertyBag plain;
    r->UserControl_WriteProperties(plain);
    EXPECT_TRUE(plain.entries().empty()) << "a new button stores nothing";
    r->Caption("Option");
    r->Value(true);
    r->Enabled(false);
    r->Skin(quorin::XPStyle);
    r->BackColor(0x00C0FFFF);
    r->ForeColor(0x000080);
    auto font = std::make_shared<vb::StdFont>();
    font->Size(12);
    r->Font(font);
    r->UserControl_WriteProperties(bag);
  }
  bag.WriteProperty("Group", true, false);
  auto r = form_->Add<quorin::RadioButton>("Option2", {120, 600, 1800, 300}, &bag);
  EXPECT_EQ(r->Caption(), "Option");
  EXPECT_TRUE(r->Value());
  EXPECT_FALSE(r->Enabled());
  EXPECT_TRUE(r->Group());
  EXPECT_EQ(r->Skin(), quorin::XPStyle);
  EXPECT_EQ(r->BackColor(), 0x00C0FFFFu);
  EXPECT_EQ(r->ForeColor(), 0x000080u);
  EXPECT_FLOAT_EQ(r->Font()->Size(), 12);
  EXPECT_EQ(r->Font(), r->lbl->Font());  // one font object for control and caption
  // Disabled and selected: picture 7 of the XP set, grey caption.
  EXPECT_EQ(r->p->Picture(), r->img[7]->Picture());
  EXPECT_EQ(r->lbl->ForeColor(), 0x80000011u);
  host::PropertyBag again;
  r->UserControl_WriteProperties(again);
  EXPECT_TRUE(again.ReadProperty("Group", false).ToBoolean());
  EXPECT_EQ(again.ReadProperty("Skin", std::int32_t{0}).ToLong(), 1);
}

TEST_F(RadioForm, GroupIsReadOnlyAndTheEnumIsKnownByName) {
  auto r = form_->Add<quorin::RadioButton>("Option1", {120, 120, 1800, 300});
  EXPECT_THROW(host::LetProperty(*r, "Group", true), vb::Error);
  const host::EnumInfo* pictese = r->Class().FindEnum("Pictese");
  ASSERT_NE(pictese, nullptr);
  EXPECT_EQ(pictese->members.size(), 2u);
  EXPECT_TRUE(r->Alignable());
}

TEST_F(RadioForm, ASkinChangeKeepsTheStateInTheNewSet) {
  auto r = form_->Add<quorin::RadioButton>("Option1", {120, 120, 1800, 300});
  r->Value(true);
  EXPECT_EQ(r->p->Picture(), r->img2[4]->Picture());
  r->Skin(quorin::XPStyle);
  EXPECT_EQ(r->p->Picture(), r->img[4]->Picture());
  r->Skin(quorin::VistaStyle);
  EXPECT_EQ(r->p->Picture(), r->img2[4]->Picture());
}

}  // namespace
}  // namespace radiotest
