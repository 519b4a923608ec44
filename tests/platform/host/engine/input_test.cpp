#include "platform/host/services/input.h"
#include "platform/host/elements/command_button.h"
#include "platform/host/elements/text_box.h"
#include "platform/vb/error.h"
#include "tests/platform/host/engine/engine_fixture.h"

namespace host_test {
namespace {

class Input : public EngineTest {
 protected:
  Input() {
    probe_ = PlaceProbe("Probe1");
    form_->Show();
    Run();
    log_.clear();
  }
  // Only the mouse lines of the log.
  Log MouseLog() const {
    Log out;
    for (const std::string& line : log_) {
      if (line.find("Mouse") != std::string::npos || line.find("Click") != std::string::npos) {
        out.push_back(line);
      }
    }
    return out;
  }
  std::shared_ptr<Probe> probe_;
};

TEST_F(Input, ClickAndDoubleClickFollowTheEngineOrder) {
  struct Case {
    const char* name;
    bool windowless;
    bool double_click;
    Log expected;
  };
  const Case cases[] = {
      {"click on a windowless label",
       true,
       false,
       {"Title_MouseDown 1", "Title_MouseUp 1", "Title_Click"}},
      {"double click on a windowless label",
       true,
       true,
       {"Title_MouseDown 1", "Title_MouseUp 1", "Title_Click", "Title_DblClick",
        "Title_MouseUp 1"}},
      {"click on a windowed picture box",
       false,
       false,
       {"Pic_MouseDown 1", "Pic_MouseUp 1", "Pic_Click"}},
      {"double click on a windowed picture box",
       false,
       true,
       {"Pic_MouseDown 1", "Pic_MouseUp 1", "Pic_Click", "Pic_DblClick", "Pic_MouseUp 1"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    log_.clear();
    win32::POINT p = c.windowless ? ScreenOf(*probe_->Title, 5, 5) : ScreenOf(*probe_->Pic, 5, 5);
    if (c.double_click) {
      robot().DoubleClick(p.x, p.y);
    } else {
      robot().Click(p.x, p.y);
    }
    robot().Wait(600);  // the next case's first press is no double click
    Run();
    EXPECT_EQ(MouseLog(), c.expected);
  }
}

TEST_F(Input, APressKeepsTheMouseUntilRelease) {
  win32::POINT p = ScreenOf(*probe_->Title, 5, 5);
  win32::POINT off = ScreenOf(*probe_->Pic, 5, 5);
  // Released over the picture box: the label still gets the release, but no Click.
  robot().MoveTo(p.x, p.y).Press().Glide(off.x, off.y, 3).Release();
  Run();
  EXPECT_EQ(MouseLog(), (Log{"Title_MouseDown 1", "Title_MouseUp 1"}));
  EXPECT_EQ(win32::GetCapture(), 0u);
}

TEST_F(Input, MouseCoordinatesAreInTheScaleOfTheTarget) {
  probe_->ScaleMode(host::vbPixels);
  win32::POINT p = ScreenOf(*probe_, 70, 25);  // below the elements: the control itself
  robot().Click(p.x, p.y);
  Run();
  ASSERT_FALSE(MouseLog().empty());
  EXPECT_EQ(MouseLog().front(), "UserControl_MouseDown 1 70 25");
  log_.clear();
  probe_->ScaleMode(host::vbTwips);
  robot().Wait(600).Click(p.x, p.y);
  Run();
  EXPECT_EQ(MouseLog().front(), "UserControl_MouseDown 1 1050 375");
}

TEST_F(Input, AClickOnADisabledElementGoesToItsContainer) {
  probe_->Title->Enabled(false);
  probe_->Pic->Enabled(false);
  for (const auto& element : {std::static_pointer_cast<host::Control>(probe_->Title),
                              std::static_pointer_cast<host::Control>(probe_->Pic)}) {
    SCOPED_TRACE(element->Name());
    log_.clear();
    win32::POINT p = ScreenOf(*element, 5, 5);
    robot().Click(p.x, p.y).Wait(600);
    Run();
    // In the control's own scale (twips), from its corner.
    std::string at = element == probe_->Title ? "75 75" : "825 75";
    EXPECT_EQ(MouseLog(),
              (Log{"UserControl_MouseDown 1 " + at, "UserControl_MouseUp 1", "UserControl_Click"}));
  }
}

TEST_F(Input, FocusEntersAndLeavesAUserControlAroundItsElement) {
  auto text = form_->Add<VB::TextBox>("Text1", {0, 1500, 1500, 300});
  text->GotFocus.Connect([this] { log_.push_back("Text1_GotFocus"); });
  text->LostFocus.Connect([this] { log_.push_back("Text1_LostFocus"); });
  probe_->Extender().GotFocus.Connect([this] { log_.push_back("Probe1_GotFocus"); });
  probe_->Extender().LostFocus.Connect([this] { log_.push_back("Probe1_LostFocus"); });
  log_.clear();
  ASSERT_TRUE(host::FocusControl(*text));
  log_.clear();
  ASSERT_TRUE(host::FocusControl(*probe_));  // hands the focus to its picture box
  ASSERT_TRUE(host::FocusControl(*text));
  EXPECT_EQ(log_,
            (Log{"Text1_LostFocus", "UserControl_EnterFocus", "Pic_GotFocus", "Probe1_GotFocus",
                 "Pic_LostFocus", "UserControl_ExitFocus", "Probe1_LostFocus", "Text1_GotFocus"}));
}

TEST_F(Input, TabMovesTheFocusInTabIndexOrder) {
  auto a = form_->Add<VB::CommandButton>("A", {0, 1500, 900, 400});
  auto b = form_->Add<VB::CommandButton>("B", {1000, 1500, 900, 400});
  auto c = form_->Add<VB::CommandButton>("C", {2000, 1500, 900, 400});
  c->TabIndex(1);
  a->TabIndex(2);
  b->TabIndex(3);
  probe_->TabIndex(0);
  ASSERT_TRUE(host::FocusControl(*c));
  struct Step {
    bool shift;
    win32::HWND expected;
  };
  const Step steps[] = {{false, a->hWnd()},
                        {false, b->hWnd()},
                        {false, probe_->Pic->hWnd()},  // wraps round to TabIndex 0
                        {true, b->hWnd()}};
  for (const Step& s : steps) {
    if (s.shift) robot().KeyDown(win32::VK_SHIFT);
    robot().Key(win32::VK_TAB);
    if (s.shift) robot().KeyUp(win32::VK_SHIFT);
    Run();
    EXPECT_EQ(win32::GetFocus(), s.expected);
  }
}

TEST_F(Input, AccessKeysReachTheControlThatDeclaresThem) {
  auto button = form_->Add<VB::CommandButton>("Go", {0, 1500, 900, 400});
  button->Caption("&Go");
  int clicks = 0;
  button->Click.Connect([&] { ++clicks; });
  probe_->AccessKeys("pQ");
  struct Case {
    char letter;
    Log expected;
    int clicks;
  };
  const Case cases[] = {
      {'q', {"UserControl_AccessKeyPress q"}, 0},
      {'P', {"UserControl_AccessKeyPress P"}, 0},
      {'g', {}, 1},
      {'z', {}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(1, c.letter));
    log_.clear();
    clicks = 0;
    robot().KeyDown(win32::VK_MENU).Char(static_cast<char32_t>(c.letter)).KeyUp(win32::VK_MENU);
    Run();
    Log got;
    for (const std::string& line : log_) {
      if (line.rfind("UserControl_AccessKeyPress", 0) == 0) got.push_back(line);
    }
    EXPECT_EQ(got, c.expected);
    EXPECT_EQ(clicks, c.clicks);
  }
}

TEST_F(Input, ALabelsAccessKeyFocusesTheNextControlInTabOrder) {
  auto label = form_->Add<VB::Label>("Label1", {0, 1500, 900, 300});
  label->Caption("&Name");
  auto text = form_->Add<VB::TextBox>("Text1", {1000, 1500, 1500, 300});
  ASSERT_GT(text->TabIndex(), label->TabIndex());
  robot().KeyDown(win32::VK_MENU).Char('n').KeyUp(win32::VK_MENU);
  Run();
  EXPECT_EQ(win32::GetFocus(), text->hWnd());
}

TEST_F(Input, KeysGoToTheFocusedControlAfterAPreviewingForm) {
  auto text = form_->Add<VB::TextBox>("Text1", {0, 1500, 1500, 300});
  ASSERT_TRUE(host::FocusControl(*text));
  Log keys;
  form_->KeyPress.Connect([&](std::int16_t& a) {
    keys.push_back("Form_KeyPress " + std::string(1, static_cast<char>(a)));
    if (a == 'x') a = 0;  // the form eats it
  });
  text->KeyPress.Connect([&](std::int16_t& a) {
    keys.push_back("Text1_KeyPress " + std::string(1, static_cast<char>(a)));
  });
  robot().Type("ax");
  Run();
  EXPECT_EQ(keys, (Log{"Text1_KeyPress a", "Text1_KeyPress x"}));
  EXPECT_EQ(text->Text(), "ax");
  keys.clear();
  form_->KeyPreview(true);
  robot().Type("bx");
  Run();
  EXPECT_EQ(keys, (Log{"Form_KeyPress b", "Text1_KeyPress b", "Form_KeyPress x"}));
  EXPECT_EQ(text->Text(), "axb");
}

TEST_F(Input, OnlyAUserControlThatIsAContainerHoldsFormControls) {
  auto label = std::make_shared<VB::Label>();
  label->SetName("Inside");
  EXPECT_THROW(host::Place(*probe_, *form_, label), vb::Error);
  // Its own elements it holds anyway.
  EXPECT_NO_THROW(probe_->AddElement<VB::Label>("Extra"));
}

TEST_F(Input, AHandlerThatUnloadsItsOwnFormEndsTheDispatchSafely) {
  probe_->on_event = [this](const std::string& what) {
    if (what == "Title_MouseDown 1") host::Unload(*form_);
  };
  std::weak_ptr<Probe> weak = probe_;
  probe_.reset();
  win32::POINT p = ScreenOf(*weak.lock()->Title, 5, 5);
  robot().Click(p.x, p.y);
  Run();
  EXPECT_FALSE(form_->alive());
  // The release after the unload reaches no one; the terminated control saw nothing more.
  EXPECT_EQ(MouseLog(), (Log{"Title_MouseDown 1"}));
  EXPECT_EQ(log_.back(), "UserControl_Terminate");
}

TEST_F(Input, TheMousePointerOfTheElementUnderTheCursorIsShown) {
  probe_->Title->MousePointer(11);
  win32::POINT over = ScreenOf(*probe_->Title, 5, 5);
  win32::POINT beside = ScreenOf(*probe_, 70, 25);
  robot().MoveTo(over.x, over.y);
  Run();
  EXPECT_EQ(win32::GetCursor(), win32::LoadCursorA(0, win32::IDC_WAIT));
  robot().MoveTo(beside.x, beside.y);
  Run();
  EXPECT_NE(win32::GetCursor(), win32::LoadCursorA(0, win32::IDC_WAIT));
  EXPECT_THROW(probe_->Title->MousePointer(16), vb::Error);
}

TEST_F(Input, AnErrorEscapingAHandlerIsReportedAndTheLoopGoesOn) {
  probe_->on_event = [](const std::string& what) {
    if (what == "Title_MouseDown 1") throw vb::Error(vb::kObjectNotSet);
  };
  win32::POINT p = ScreenOf(*probe_->Title, 5, 5);
  robot().Click(p.x, p.y);
  Run();
  ASSERT_EQ(errors_.reports.size(), 1u);
  const host::ErrorReport& r = errors_.reports[0];
  EXPECT_EQ(r.class_name, "QuorinTest.Probe");
  EXPECT_EQ(r.Format(),
            "error Form1.Probe1 Title_MouseDown 91 \"Object variable or With block variable not "
            "set\"");
  // The rest of the click still arrives.
  EXPECT_EQ(MouseLog(), (Log{"Title_MouseDown 1", "Title_MouseUp 1", "Title_Click"}));
}

}  // namespace
}  // namespace host_test
