#include "platform/host/elements/command_button.h"
#include "platform/host/elements/text_box.h"
#include "platform/win/shell.h"
#include "platform/win/user32.h"
#include "skin/about_page.h"
#include "tests/skin/skin_fixture.h"

namespace {

using SkinServices = skintest::SkinFixture;

TEST_F(SkinServices, ChildFormsAreShownOwnedAndCounted) {
  auto skin = Place();
  form_->Show();
  skin->CloseChildForm();  // at 0 it stays 0
  EXPECT_EQ(skin->NChildForm(), 0);
  auto child = host::NewForm("Child");
  skin->ShowChild(child);
  EXPECT_TRUE(child->Visible());
  EXPECT_EQ(child->owner_form(), form_);
  EXPECT_EQ(skin->NChildForm(), 1);
  skin->CloseChildForm();
  skin->CloseChildForm();
  EXPECT_EQ(skin->NChildForm(), 0);
  // A failing Show is reported and not counted.
  EXPECT_THROW(skin->ShowChild(skin->Caption1), vb::Error);
  EXPECT_EQ(skin->NChildForm(), 0);
}

TEST_F(SkinServices, ContainerCheckShiftsTheFormsOwnControlsBelowTheTitleBar) {
  auto skin = Place();
  auto first = form_->Add<VB::CommandButton>("Command1", {100, 200, 1200, 400});
  auto menu = form_->AddMenu("mnuFile", "&File");  // no position: passed over
  auto frame = form_->Add<VB::Frame>("Frame1", {300, 900, 3000, 1500});
  auto inner = std::make_shared<VB::TextBox>();
  inner->SetName("Text1");
  host::Place(*frame, *form_, inner, nullptr, {120, 240, 1000, 300});
  auto after = form_->Add<VB::TextBox>("Text2", {500, 2600, 1000, 300});
  skin->ContainerCheck();
  skin->ContainerCheck();
  EXPECT_FLOAT_EQ(first->Left(), 100 + 150);
  EXPECT_FLOAT_EQ(first->Top(), 200 + 900);
  EXPECT_FLOAT_EQ(frame->Left(), 300 + 150);
  EXPECT_FLOAT_EQ(after->Left(), 500 + 150);  // the menu before it does not stop the walk
  EXPECT_FLOAT_EQ(after->Top(), 2600 + 900);
  EXPECT_FLOAT_EQ(inner->Left(), 120);  // inside the frame: stays
  EXPECT_FLOAT_EQ(inner->Top(), 240);
  EXPECT_FLOAT_EQ(skin->Extender().Left(), 150);  // the skin too; attaching puts it back
  form_->Show();
  EXPECT_FLOAT_EQ(skin->Extender().Left(), 0);
}

TEST_F(SkinServices, ChangeCaptionRetitlesTheWindowButNotTheFormsCaption) {
  form_->Caption("Old title");
  auto skin = Place();
  EXPECT_THROW(skin->ChangeCaption("early"), vb::Error);  // not attached yet
  form_->Show();
  EXPECT_TRUE(skin->ChangeCaption("New title").IsEmpty());
  char text[64] = {};
  win32::GetWindowTextA(form_->hWnd(), text, sizeof text);
  EXPECT_STREQ(text, "New title");  // what the taskbar button shows
  EXPECT_EQ(skin->Caption(), "New title");
  EXPECT_EQ(skin->Caption2->Caption(), "New title");
  EXPECT_EQ(form_->Caption(), "Old title");
  host::PropertyBag bag;
  skin->UserControl_WriteProperties(bag);
  EXPECT_EQ(bag.ReadProperty("Caption", "").ToString(), "New title");
}

TEST_F(SkinServices, GetCompNameReturnsTheNameAlone) {
  win::DesktopSettings settings;
  settings.computer_name = "ABC";
  UseDesktop(settings);
  auto skin = Place();
  EXPECT_EQ(skin->GetCompName(), "ABC");
  EXPECT_EQ(skin->GetCompName().size(), 3u);
}

TEST_F(SkinServices, TheAboutPageLinksLightUpAndOpenThroughTheShell) {
  auto page = std::make_shared<quorin::AboutPage>();
  auto skin = Place();
  host::PropertyPageHost dialog({skin}, {page});
  EXPECT_EQ(page->Caption(), "通用");
  VB::Label& link = page->Label1(1);
  EXPECT_EQ(link.ForeColor(), quorin::AboutPage::kLinkColor);
  // The dialog has laid the page out already; the link's middle on screen:
  win32::RECT page_rect{};
  win32::GetWindowRect(page->hWnd(), &page_rect);
  const win32::RECT box = link.PixelRect();
  const int x = page_rect.left + (box.left + box.right) / 2;
  const int y = page_rect.top + (box.top + box.bottom) / 2;
  robot().Wait(50).MoveTo(x, y).Wait(30);
  robot().Do("check the hover", [&] {
    EXPECT_EQ(link.ForeColor(), quorin::AboutPage::kHotColor);
    EXPECT_TRUE(link.Font()->Underline());
    EXPECT_FALSE(page->Label1(0).Font()->Underline());
    EXPECT_EQ(link.MousePointer(), 99);
    EXPECT_EQ(link.MouseIcon(), page->Label1(0).MouseIcon());
  });
  robot().Press().Release().Wait(30);
  robot().Do("check the click", [&] {
    EXPECT_EQ(link.ForeColor(), quorin::AboutPage::kClickedColor);
    auto& executed = headless_->desktop().shell().executed();
    ASSERT_EQ(executed.size(), 1u);
    EXPECT_EQ(executed[0].operation, "open");
    EXPECT_EQ(executed[0].file, quorin::AboutPage::LinkTarget(1));
    EXPECT_EQ(executed[0].show, win32::SW_SHOWNORMAL);
  });
  // Moving over the page itself turns the links blue again; the underline stays.
  robot().MoveTo(page_rect.left + 5, page_rect.top + 5).Wait(30);
  robot().Do("check the page", [&] {
    EXPECT_EQ(link.ForeColor(), quorin::AboutPage::kLinkColor);
    EXPECT_TRUE(link.Font()->Underline());
  });
  robot().Key(win32::VK_ESCAPE);
  dialog.Show();
}

}  // namespace
