#include "foundation/sysbar.h"
#include "platform/win/styles.h"
#include "platform/win/user32.h"
#include "tests/skin/skin_fixture.h"

namespace {

using SkinAttach = skintest::SkinFixture;

enum Look { kHidden, kEnabled, kDisabled };

Look LookOf(const quorin::CommandButton& b) {
  if (!b.Visible()) return kHidden;
  return b.Enabled() ? kEnabled : kDisabled;
}

TEST_F(SkinAttach, CaptionButtonsFollowTheFormsBorderAndButtons) {
  struct Row {
    std::int16_t border;
    bool min, max;
    Look minimise, maximise, close;
  };
  const Row rows[] = {
      {0, true, true, kHidden, kHidden, kHidden},
      {0, false, false, kHidden, kHidden, kHidden},
      {1, true, true, kEnabled, kEnabled, kEnabled},
      {1, true, false, kEnabled, kDisabled, kEnabled},
      {1, false, true, kEnabled, kEnabled, kEnabled},
      {1, false, false, kHidden, kHidden, kEnabled},
      {2, true, true, kEnabled, kEnabled, kEnabled},
      {2, false, true, kEnabled, kEnabled, kEnabled},
      {2, true, false, kEnabled, kDisabled, kEnabled},
      {2, false, false, kHidden, kHidden, kEnabled},
  };
  for (const Row& r : rows) {
    UnloadAll();
    NewHostForm();
    form_->BorderStyle(r.border);
    form_->MinButton(r.min);
    form_->MaxButton(r.max);
    auto skin = Place();
    form_->Show();
    const std::string row =
        std::to_string(r.border) + "/" + std::to_string(r.min) + "/" + std::to_string(r.max);
    EXPECT_EQ(LookOf(*skin->Minimizebutton), r.minimise) << row;
    EXPECT_EQ(LookOf(*skin->MaximizeButton), r.maximise) << row;
    EXPECT_EQ(LookOf(*skin->CloseButton), r.close) << row;
  }
  // Fixed dialogs and tool windows keep both buttons; without a maximise button it is
  // disabled. The minimise button is never disabled.
  for (std::int16_t border : {3, 4, 5}) {
    for (bool min : {false, true}) {
      for (bool max : {false, true}) {
        UnloadAll();
        NewHostForm();
        form_->BorderStyle(border);
        form_->MinButton(min);
        form_->MaxButton(max);
        auto skin = Place();
        form_->Show();
        EXPECT_EQ(LookOf(*skin->Minimizebutton), kEnabled) << border;
        EXPECT_EQ(LookOf(*skin->MaximizeButton), max ? kEnabled : kDisabled) << border;
        EXPECT_EQ(LookOf(*skin->CloseButton), kEnabled) << border;
      }
    }
  }
}

TEST_F(SkinAttach, ASizableFormLosesItsFrameAndEnds295TwipsLower) {
  form_->Move(1500, 1500, 6000, 4500);
  auto skin = Place();
  form_->Show();
  EXPECT_FLOAT_EQ(form_->Height(), 4500 - 295);
  EXPECT_FLOAT_EQ(form_->Width(), 6000);
  EXPECT_FLOAT_EQ(skin->height_twips(), 4500 - 295);
  EXPECT_FLOAT_EQ(skin->width_twips(), 6000);
  const auto style = win32::GetWindowLongA(form_->hWnd(), win32::GWL_STYLE);
  EXPECT_EQ(style & (win32::WS_CAPTION | win32::WS_THICKFRAME | win32::WS_MINIMIZEBOX |
                     win32::WS_MAXIMIZEBOX),
            0);
  EXPECT_NE(style & win32::WS_SYSMENU, 0);
  // The client area is the whole window, and the skin covers it from its corner.
  win32::RECT client{};
  win32::GetClientRect(form_->hWnd(), &client);
  EXPECT_EQ(client.right, 400);
  EXPECT_EQ(skin->Extender().Left(), 0);
  EXPECT_EQ(skin->Extender().Top(), 0);
  EXPECT_FALSE(skin->beijin->Visible());
  EXPECT_TRUE(errors_.reports.empty());
}

TEST_F(SkinAttach, ABorderlessFormKeepsItsStyleAndHeight) {
  form_->BorderStyle(0);
  form_->Move(1500, 1500, 6000, 4500);
  const auto style_before = win32::GetWindowLongA(form_->hWnd(), win32::GWL_STYLE);
  Place();
  form_->Show();
  EXPECT_FLOAT_EQ(form_->Height(), 4500);
  EXPECT_EQ(win32::GetWindowLongA(form_->hWnd(), win32::GWL_STYLE) & ~win32::WS_VISIBLE,
            style_before & ~win32::WS_VISIBLE);
}

TEST_F(SkinAttach, TheSkinTakesTheFormsCaptionAndIcon) {
  form_->Caption("Inbox");
  auto icon = artwork::Picture("skin/about/Image2_24x24");
  form_->Icon(icon);
  auto skin = Place();
  form_->Show();
  EXPECT_EQ(skin->Caption(), "Inbox");
  EXPECT_EQ(skin->Caption2->Caption(), "Inbox");
  EXPECT_EQ(skin->Icon(), icon);
}

TEST_F(SkinAttach, AMaximisedFormCoversExactlyTheWorkArea) {
  Place();
  form_->Show();
  form_->WindowState(2);
  Run();
  EXPECT_EQ(FormRect().left, 0);
  EXPECT_EQ(FormRect().top, 0);
  EXPECT_EQ(FormRect().right, 1280);
  EXPECT_EQ(FormRect().bottom, 1024 - 40);
  EXPECT_EQ(skin_->MaximizeButton->ButtonStyle(), 3);  // the restore glyph
  EXPECT_FLOAT_EQ(skin_->width_twips(), 1280 * 15);
  form_->WindowState(0);
  Run();
  EXPECT_EQ(skin_->MaximizeButton->ButtonStyle(), 1);
  // The size hook holds the form at 180 px at least; the skin's own minimum of 3400 x 1850
  // twips then widens it.
  form_->Move(1500, 1500, 900, 900);
  EXPECT_EQ(FormRect().right - FormRect().left, 227);
  EXPECT_EQ(FormRect().bottom - FormRect().top, 180);
}

TEST_F(SkinAttach, ATaskbarAtTheSideLeavesNoUsableHeightSoTheHookTakesTheScreen) {
  for (win::TaskbarEdge edge : {win::TaskbarEdge::kLeft, win::TaskbarEdge::kRight}) {
    win::DesktopSettings settings;
    settings.taskbar_edge = edge;
    UseDesktop(settings);
    Place();
    form_->Show();
    EXPECT_EQ(quorin::Limits().MaxWidth, 1280);
    EXPECT_EQ(quorin::Limits().MaxHeight, 1024);
  }
  win::DesktopSettings none;
  none.taskbar = false;
  UseDesktop(none);
  Place();
  form_->Show();
  EXPECT_EQ(quorin::Limits().MaxHeight, 1024);
}

TEST_F(SkinAttach, AttachingAgainChangesNothing) {
  auto file = form_->AddMenu("mnuFile", "&File");
  file->Tag("CBS");
  form_->AddMenu("mnuOpen", "&Open", file.get());
  auto skin = Place();
  form_->Show();
  const win32::LONG_PTR procedure = win32::GetWindowLongA(form_->hWnd(), win32::GWL_WNDPROC);
  const float height = form_->Height();
  skin->LoadXP();
  skin->LoadXP(0, nullptr);
  EXPECT_EQ(skin->m_MenuCount, 1);
  EXPECT_EQ(skin->LbMenu.Count(), 2);
  EXPECT_EQ(win32::GetWindowLongA(form_->hWnd(), win32::GWL_WNDPROC), procedure);
  EXPECT_FLOAT_EQ(form_->Height(), height);
  EXPECT_TRUE(form_->Visible());
  // The hook still answers without chaining to itself.
  form_->WindowState(2);
  Run();
  EXPECT_EQ(FormRect().bottom, 1024 - 40);
  EXPECT_TRUE(errors_.reports.empty());
}

TEST_F(SkinAttach, LoadXPShowsTheFormModallyOnRequest) {
  auto skin = Place();
  form_->Show();
  bool shown_inside = false;
  robot().Wait(100).Do("close the modal form", [&] {
    shown_inside = form_->Visible();
    host::Unload(*form_);
  });
  skin->LoadXP(1);  // returns once the modal form is closed
  EXPECT_TRUE(shown_inside);
  EXPECT_FALSE(form_->alive());
}

TEST_F(SkinAttach, LoadXPWithAnotherModalFlagAndNoOwnerShowsNothingItself) {
  auto skin = Place();
  form_->Show();
  skin->LoadXP(2);
  EXPECT_TRUE(form_->Visible());
  EXPECT_TRUE(form_->alive());
}

TEST_F(SkinAttach, LoadXPWithAnOwnerShowsTheFormOwnedByIt) {
  auto owner = host::NewForm("Owner");
  owner->Show();
  auto skin = Place();
  form_->Show();
  skin->LoadXP(0, owner);
  EXPECT_TRUE(form_->Visible());
  EXPECT_EQ(form_->owner_form(), owner);
}

}  // namespace
