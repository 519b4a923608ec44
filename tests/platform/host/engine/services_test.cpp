#include "platform/host/elements/text_box.h"
#include "platform/host/elements/timer.h"
#include "platform/host/services/designer.h"
#include "platform/host/services/input.h"
#include "platform/host/services/msgbox.h"
#include "platform/host/services/property_page.h"
#include "platform/host/services/screen.h"
#include "platform/host/types/late_binding.h"
#include "platform/vb/error.h"
#include "tests/platform/host/engine/engine_fixture.h"

namespace host_test {
namespace {

using Services = EngineTest;

TEST_F(Services, ScreenGivesTheDesktopInTwips) {
  EXPECT_FLOAT_EQ(host::Screen().TwipsPerPixelX(), 15);
  EXPECT_FLOAT_EQ(host::Screen().Width(), 1280 * 15);
  EXPECT_FLOAT_EQ(host::GetProperty(host::Screen(), "height").ToSingle(), 1024 * 15);
  host::Screen().MousePointer(11);
  EXPECT_EQ(host::Screen().MousePointer(), 11);
  EXPECT_THROW(host::Screen().MousePointer(42), vb::Error);
}

TEST_F(Services, DoEventsRunsWhatIsDueAndReturns) {
  int posted = 0;
  auto timer = form_->Add<VB::Timer>("Timer1");
  timer->Tick.Connect([&] { ++posted; });
  timer->Interval(10);
  win32::Sleep(25);
  host::DoEvents();
  EXPECT_GE(posted, 1);
}

TEST_F(Services, AMessageBoxIsAModalWindowAnsweredByScriptAndLogged) {
  std::vector<host::MessageBoxRecord> shown;
  host::SetMessageBoxObserver([&](const host::MessageBoxRecord& r) { shown.push_back(r); });
  struct Case {
    const char* name;
    std::int32_t buttons;
    std::function<void()> script;
    std::int16_t expected;
    const char* logged;
  };
  const Case cases[] = {
      {"Enter takes the default button", host::vbOKCancel | host::vbCritical,
       [&] { robot().Key(win32::VK_RETURN); }, host::vbOK,
       "msgbox \"Error\" \"Value out of range\" critical [OK Cancel] -> OK"},
      {"Escape takes the cancel button", host::vbYesNoCancel | host::vbQuestion,
       [&] { robot().Key(win32::VK_ESCAPE); }, host::vbCancel,
       "msgbox \"Error\" \"Value out of range\" question [Yes No Cancel] -> Cancel"},
      {"a second default button", host::vbYesNo | host::vbDefaultButton2,
       [&] { robot().Key(win32::VK_RETURN); }, host::vbNo,
       "msgbox \"Error\" \"Value out of range\" [Yes No] -> No"},
      {"Alt with a button's letter", host::vbAbortRetryIgnore | host::vbExclamation,
       [&] { robot().KeyDown(win32::VK_MENU).Char('r').KeyUp(win32::VK_MENU); }, host::vbRetry,
       "msgbox \"Error\" \"Value out of range\" exclamation [Abort Retry Ignore] -> Retry"},
      {"no answer: the desktop dismisses it", host::vbOKOnly | host::vbInformation, [] {},
       host::vbOK, "msgbox \"Error\" \"Value out of range\" information [OK] -> OK (dismissed)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    shown.clear();
    std::string title;
    robot().Wait(20).Do("read the box",
                        [&] { title = win::WindowText(win32::GetForegroundWindow()); });
    c.script();
    EXPECT_EQ(host::MsgBox("Value out of range", c.buttons, "Error"), c.expected);
    EXPECT_EQ(title, "Error");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].Format(), c.logged);
    EXPECT_EQ(headless_->log().back(), c.logged);
    Run();
  }
  host::SetMessageBoxObserver(nullptr);
  EXPECT_THROW(host::MsgBox("x", 7), vb::Error);
}

TEST_F(Services, AClickOnAMessageBoxButtonAnswersIt) {
  robot().Wait(20).Do("click No", [&] {
    win32::HWND box = win32::GetForegroundWindow();
    auto* form = dynamic_cast<VB::Form*>(host::WindowHost::FromWindow(box));
    ASSERT_NE(form, nullptr);
    auto no = std::dynamic_pointer_cast<host::Control>(form->NamedChild("Button2"));
    ASSERT_NE(no, nullptr);
    win32::POINT p = no->ScreenOrigin();
    robot().Click(p.x + 5, p.y + 5);
  });
  EXPECT_EQ(host::MsgBox("Save changes?", host::vbYesNo), host::vbNo);
}

TEST_F(Services, DesignModePlacesSavesAndReopensWithTheRightLifecycle) {
  log_.clear();
  host::SavedForm saved;
  {
    host::Designer designer("Form2");
    auto probe = std::dynamic_pointer_cast<Probe>(
        designer.Place("QuorinTest.Probe", "Probe1", {300, 300, 1500, 900}));
    ASSERT_NE(probe, nullptr);
    probe->log = &log_;  // from here on
    EXPECT_FALSE(probe->Ambient().UserMode());
    probe->Caption("Designed");
    EXPECT_TRUE(designer.dirty());
    auto label = std::dynamic_pointer_cast<VB::Label>(designer.Place("VB.Label", "Label1"));
    label->Caption("&Name");
    designer.form().Caption("Designed form");
    saved = designer.Save();
    EXPECT_FALSE(designer.dirty());
  }
  EXPECT_EQ(log_,
            (Log{"UserControl_WriteProperties", "UserControl_Hide", "UserControl_Terminate"}));
  ASSERT_EQ(saved.controls.size(), 2u);
  EXPECT_EQ(saved.controls[0].properties.ReadProperty("caption", "").ToString(), "Designed");
  EXPECT_EQ(saved.controls[1].properties.ReadProperty("Caption", "").ToString(), "&Name");
  // Unchanged properties of an intrinsic control are not saved.
  EXPECT_EQ(saved.controls[1].properties.Find("Alignment"), nullptr);

  struct Case {
    const char* name;
    bool design;
  };
  for (const Case& c : {Case{"reopened in the designer", true}, Case{"run", false}}) {
    SCOPED_TRACE(c.name);
    auto form = host::LoadSavedForm(saved, c.design);
    auto probe = std::dynamic_pointer_cast<Probe>(form->NamedChild("Probe1"));
    ASSERT_NE(probe, nullptr);
    EXPECT_EQ(probe->Caption(), "Designed");
    EXPECT_EQ(probe->user_mode, !c.design);
    EXPECT_FLOAT_EQ(probe->Left(), 300);
    auto label = std::dynamic_pointer_cast<VB::Label>(form->NamedChild("Label1"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Caption(), "&Name");
    EXPECT_EQ(form->Caption(), "Designed form");
    host::Unload(*form);
  }
}

// A page editing the Caption of the selected probes through a text box.
class CaptionPage : public host::PropertyPage {
 public:
  CaptionPage() {
    SetName("CaptionPage");
    text = AddElement<VB::TextBox>("txtCaption");
    text->Move(120, 120, 2400, 300);
    text->Change.Connect([this] { Changed(true); });
  }
  static const host::ClassInfo& TypeInfo() {
    static host::ClassInfo& info = host::TypeRegistry::Instance().Add(
        "QuorinTest.CaptionPage", &host::PropertyPage::BaseInfo());
    return info;
  }
  const host::ClassInfo& Class() const override { return TypeInfo(); }
  void PropertyPage_SelectionChanged() override {
    text->Text(host::GetProperty(static_cast<host::Object&>(*SelectedControls().at(0)), "Caption")
                   .ToString());
    Changed(false);
  }
  void PropertyPage_ApplyChanges() override {
    ++applied;
    for (const auto& c : SelectedControls()) host::LetProperty(*c, "Caption", text->Text());
  }
  std::shared_ptr<VB::TextBox> text;
  int applied = 0;
};

TEST_F(Services, APropertyPageAppliesItsChangesToTheSelectedControls) {
  auto probe = PlaceProbe("Probe1");
  probe->Caption("Before");
  auto page = std::make_shared<CaptionPage>();
  host::PropertyPageHost host({probe}, {page});
  EXPECT_EQ(page->text->Text(), "Before");
  EXPECT_FALSE(host.apply_button().Enabled());
  robot().Wait(20).Do("edit", [&] { host::FocusControl(*page->text); });
  robot().Type("!!");
  win32::POINT apply = host.apply_button().ScreenOrigin();
  robot().Click(apply.x + 5, apply.y + 5);
  robot().Wait(100).Do("look", [&] {
    EXPECT_EQ(probe->Caption(), "Before!!");
    EXPECT_FALSE(host.apply_button().Enabled());
  });
  robot().Key(win32::VK_ESCAPE);  // Cancel closes the dialog
  host.Show();
  EXPECT_EQ(page->applied, 1);
  EXPECT_EQ(probe->Caption(), "Before!!");
  EXPECT_TRUE(probe->dirty());
}

}  // namespace
}  // namespace host_test
