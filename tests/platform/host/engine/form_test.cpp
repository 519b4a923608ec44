#include "platform/host/elements/command_button.h"
#include "platform/win/event_loop.h"
#include "tests/platform/host/engine/engine_fixture.h"

namespace host_test {
namespace {

using Forms = EngineTest;

TEST_F(Forms, AFormReportsTheTwipsItWasGivenWhileItsWindowKeepsThatSize) {
  auto form = host::NewForm("Exact");
  form->Move(1507, 1500, 6007, 4975);  // not whole pixels at 15 twips a pixel
  EXPECT_FLOAT_EQ(form->Left(), 1507);
  EXPECT_FLOAT_EQ(form->Width(), 6007);
  EXPECT_FLOAT_EQ(form->Height(), 4975);
  form->Height(form->Height() - 365);
  EXPECT_FLOAT_EQ(form->Height(), 4610);
  // Sized by the window system, the form reports its pixels again.
  win32::SetWindowPos(form->hWnd(), 0, 0, 0, 300, 200,
                      win32::SWP_NOMOVE | win32::SWP_NOZORDER | win32::SWP_NOACTIVATE);
  EXPECT_FLOAT_EQ(form->Width(), 4500);
  EXPECT_FLOAT_EQ(form->Height(), 3000);
  EXPECT_FLOAT_EQ(form->Left(), 1507);
}

TEST_F(Forms, TheCaptionPropertyKeepsItsTextWhenTheWindowIsRetitled) {
  auto form = host::NewForm("Titled");
  form->Caption("Mail");
  win32::SetWindowTextA(form->hWnd(), "Mail - 3 new");
  EXPECT_EQ(form->Caption(), "Mail");
  char text[32] = {};
  win32::GetWindowTextA(form->hWnd(), text, sizeof text);
  EXPECT_STREQ(text, "Mail - 3 new");
}

TEST_F(Forms, BorderStylesMapToNativeFrames) {
  using namespace win32;
  struct Case {
    std::int16_t border;
    bool min;
    bool max;
    DWORD present;
    DWORD absent;
    DWORD ex_present;
  };
  const Case cases[] = {
      {0, true, true, WS_POPUP, WS_CAPTION | WS_THICKFRAME | WS_MINIMIZEBOX, 0},
      {1, true, false, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, WS_THICKFRAME | WS_MAXIMIZEBOX, 0},
      {2, true, true, WS_CAPTION | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, WS_POPUP, 0},
      {2, false, false, WS_CAPTION | WS_THICKFRAME, WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 0},
      {3, false, false, WS_CAPTION, WS_THICKFRAME | WS_MINIMIZEBOX, WS_EX_DLGMODALFRAME},
      {4, false, false, WS_CAPTION, WS_THICKFRAME, WS_EX_TOOLWINDOW},
      {5, false, false, WS_CAPTION | WS_THICKFRAME, WS_MINIMIZEBOX, WS_EX_TOOLWINDOW},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << "BorderStyle " << c.border << " min " << c.min << " max " << c.max);
    auto form = host::NewForm("Styled");
    form->BorderStyle(c.border);
    form->MinButton(c.min);
    form->MaxButton(c.max);
    auto style = static_cast<DWORD>(GetWindowLongA(form->hWnd(), GWL_STYLE));
    auto ex = static_cast<DWORD>(GetWindowLongA(form->hWnd(), GWL_EXSTYLE));
    EXPECT_EQ(style & c.present, c.present);
    EXPECT_EQ(style & c.absent, 0u);
    EXPECT_EQ(ex & c.ex_present, c.ex_present);
    host::Unload(*form);
  }
}

TEST_F(Forms, SizeIsTheOuterSizeAndScaleSizeTheClientBelowTheMenuBar) {
  form_->BorderStyle(2);
  form_->Move(0, 0, 6000, 4500);
  EXPECT_FLOAT_EQ(form_->Width(), 6000);
  // A sizable frame is 8 px wider and 27 px taller than its client area.
  EXPECT_FLOAT_EQ(form_->ScaleWidth(), 6000 - 120);
  EXPECT_FLOAT_EQ(form_->ScaleHeight(), 4500 - 405);
  form_->AddMenu("mnuFile", "&File");
  EXPECT_FLOAT_EQ(form_->ScaleHeight(), 4500 - 405 - 19 * 15);
  form_->ScaleMode(host::vbPixels);
  EXPECT_FLOAT_EQ(form_->ScaleWidth(), 392);
}

TEST_F(Forms, HidingTheMenuBarGivesItsHeightBackToTheControls) {
  auto file = form_->AddMenu("mnuFile", "&File");
  auto button = form_->Add<VB::CommandButton>("Command1", {0, 0, 1200, 450});
  form_->Show();
  float with_bar = form_->ScaleHeight();
  win32::RECT r;
  win32::GetWindowRect(button->hWnd(), &r);
  int top_with_bar = r.top;
  int resizes = 0;
  form_->Resize.Connect([&] { ++resizes; });
  file->Visible(false);
  EXPECT_FLOAT_EQ(form_->ScaleHeight(), with_bar + 19 * 15);
  win32::GetWindowRect(button->hWnd(), &r);
  EXPECT_EQ(r.top, top_with_bar - 19);
  EXPECT_FLOAT_EQ(button->Top(), 0);
  EXPECT_EQ(resizes, 1);
}

TEST_F(Forms, ShowingAndUnloadingRaiseTheFormEvents) {
  Log events;
  int closes = 0;
  form_->Load.Connect([&] { events.push_back("Load"); });
  form_->Resize.Connect([&] { events.push_back("Resize"); });
  form_->Activate.Connect([&] { events.push_back("Activate"); });
  form_->QueryUnload.Connect([&](std::int16_t& cancel, std::int16_t& mode) {
    events.push_back("QueryUnload " + std::to_string(mode));
    if (++closes == 1) cancel = 1;  // the first close is refused
  });
  form_->Unload.Connect([&](std::int16_t&) { events.push_back("Unload"); });
  form_->Show();
  EXPECT_TRUE(form_->Visible());
  win32::SendMessageA(form_->hWnd(), win32::WM_CLOSE, 0, 0);
  EXPECT_TRUE(form_->alive());
  host::Unload(*form_);
  EXPECT_FALSE(form_->alive());
  EXPECT_FALSE(win32::IsWindow(form_->hWnd()));
  EXPECT_EQ(events,
            (Log{"Load", "Resize", "Activate", "QueryUnload 0", "QueryUnload 1", "Unload"}));
}

TEST_F(Forms, AModalShowReturnsWhenTheScriptClosesTheForm) {
  form_->Show();
  auto dialog = host::NewForm("Dialog1");
  dialog->BorderStyle(3);
  auto ok = dialog->Add<VB::CommandButton>("OK", {600, 600, 1200, 450});
  Log events;
  ok->Click.Connect([&] {
    events.push_back("OK_Click");
    host::Unload(*dialog);
  });
  bool owner_disabled = false;
  win32::HWND owner = 0;
  robot().Wait(50).Do("look while modal", [&] {
    owner_disabled = !form_->Enabled();
    owner = win32::GetWindow(dialog->hWnd(), win32::GW_OWNER);
  });
  robot().Do("click OK", [&] {
    win32::POINT p = ok->ScreenOrigin();
    robot().Click(p.x + 10, p.y + 10);
  });
  dialog->Show(1, form_);
  events.push_back("after Show");
  EXPECT_EQ(events, (Log{"OK_Click", "after Show"}));
  EXPECT_TRUE(owner_disabled);
  EXPECT_EQ(owner, form_->hWnd());
  EXPECT_TRUE(form_->Enabled());
  EXPECT_FALSE(dialog->alive());
}

TEST_F(Forms, ActivationMovesBetweenFormsAndAFixedFormStaysPut) {
  auto other = host::NewForm("Form2");
  other->Move(9000, 1500, 4500, 3000);
  Log events;
  form_->Activate.Connect([&] { events.push_back("Form1_Activate"); });
  form_->Deactivate.Connect([&] { events.push_back("Form1_Deactivate"); });
  other->Activate.Connect([&] { events.push_back("Form2_Activate"); });
  form_->Show();
  other->Show();
  form_->SetFocus();
  EXPECT_EQ(events,
            (Log{"Form1_Activate", "Form1_Deactivate", "Form2_Activate", "Form1_Activate"}));
  // A form that is not Moveable ignores a drag on its caption.
  form_->Moveable(false);
  float left = form_->Left();
  win32::RECT r;
  win32::GetWindowRect(form_->hWnd(), &r);
  robot().Drag(r.left + 60, r.top + 10, r.left + 160, r.top + 60);
  Run();
  EXPECT_FLOAT_EQ(form_->Left(), left);
  form_->Moveable(true);
  robot().Wait(600).Drag(r.left + 60, r.top + 10, r.left + 160, r.top + 60);
  Run();
  EXPECT_FLOAT_EQ(form_->Left(), left + 100 * 15);
  // The handlers above hold this test's locals: the forms go before they do.
  host::Unload(*other);
  host::Unload(*form_);
}

TEST_F(Forms, AModalFormTheScriptNeverClosesIsDismissed) {
  auto dialog = host::NewForm("Dialog1");
  Log events;
  dialog->QueryUnload.Connect([&](std::int16_t&, std::int16_t& mode) {
    events.push_back("QueryUnload " + std::to_string(mode));
  });
  dialog->Show(1);
  EXPECT_EQ(events, (Log{"QueryUnload 0"}));
  EXPECT_FALSE(dialog->alive());
}

TEST_F(Forms, PopupMenuRunsTheChosenItemsClickAfterTheMenuCloses) {
  form_->Show();
  auto popup = form_->AddMenu("mnuPopup", "Popup");
  popup->Visible(false);
  auto one = form_->AddMenu("mnuOne", "&One", popup.get());
  auto two = form_->AddMenu("mnuTwo", "&Two", popup.get());
  auto off = form_->AddMenu("mnuOff", "&Off", popup.get());
  off->Enabled(false);
  Log events;
  bool menu_open_during_click = true;
  one->Click.Connect([&] { events.push_back("mnuOne_Click"); });
  two->Click.Connect([&] {
    events.push_back("mnuTwo_Click");
    menu_open_during_click = win::Desktop::Current().loop().modal_depth() > 0;
  });
  struct Case {
    const char* name;
    std::function<void()> script;
    Log expected;
  };
  const Case cases[] = {
      {"access key", [&] { robot().Char('t'); }, {"mnuTwo_Click", "returned"}},
      {"greyed item", [&] { robot().Char('o'); }, {"mnuOne_Click", "returned"}},
      {"escape", [&] { robot().Key(win32::VK_ESCAPE); }, {"returned"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    events.clear();
    c.script();
    form_->PopupMenu(popup, {}, 300.0f, 300.0f);
    events.push_back("returned");
    EXPECT_EQ(events, c.expected);
    Run();
  }
  EXPECT_FALSE(menu_open_during_click);
}

TEST_F(Forms, AMenuTitleOnTheMenuBarDropsItsItems) {
  auto file = form_->AddMenu("mnuFile", "&File");
  file->Tag("CBS");
  auto open = form_->AddMenu("mnuOpen", "&Open", file.get());
  Log events;
  file->Click.Connect([&] { events.push_back("mnuFile_Click"); });
  open->Click.Connect([&] { events.push_back("mnuOpen_Click"); });
  form_->Show();
  Run();
  win32::RECT title = form_->MenuTitleRect(*file);
  win32::POINT p{title.left + 5, title.top + 5};
  win32::ClientToScreen(form_->hWnd(), &p);
  robot().Click(p.x, p.y).Char('o');
  Run();
  EXPECT_EQ(events, (Log{"mnuFile_Click", "mnuOpen_Click"}));
  // Alt with the title's letter opens it from the keyboard too.
  events.clear();
  robot().KeyDown(win32::VK_MENU).Char('f').KeyUp(win32::VK_MENU).Key(win32::VK_ESCAPE);
  Run();
  EXPECT_EQ(events, (Log{"mnuFile_Click"}));
}

}  // namespace
}  // namespace host_test
