#include <cmath>

#include "platform/gfx/text.h"
#include "platform/win/user32.h"
#include "tests/skin/skin_fixture.h"

namespace {

class SkinMenuBar : public skintest::SkinFixture {
 protected:
  std::shared_ptr<VB::Menu> Menu(const std::string& name, const std::string& caption,
                                 const std::string& tag, bool with_item = true) {
    auto menu = form_->AddMenu(name, caption);
    menu->Tag(tag);
    if (with_item) {
      auto item = form_->AddMenu(name + "Item", "&Item", menu.get());
      item->Click.Connect([this, name] { chosen_.push_back(name); });
    }
    return menu;
  }
  // Where the pop-up menu window is while one is open, relative to the form's client area.
  void NotePopUp() {
    robot().Wait(50).Do("note the pop-up", [this] {
      win32::HWND popup = win32::FindWindowA("#32768", nullptr);
      win32::RECT r{};
      win32::GetWindowRect(popup, &r);
      win32::POINT origin{0, 0};
      win32::ClientToScreen(form_->hWnd(), &origin);
      popup_at_ = {r.left - origin.x, r.top - origin.y};
    });
    robot().Key(win32::VK_ESCAPE);
  }
  std::vector<std::string> chosen_;
  win32::POINT popup_at_{-1, -1};
};

TEST_F(SkinMenuBar, MarkedMenusBecomeTitlesSideBySide) {
  Menu("mnuFile", "&File", "CBS");
  Menu("mnuPlain", "&Plain", "");
  Menu("mnuEdit", "&Edit", "cbs");
  Menu("mnuSpaced", "&Spaced", "CBS ");
  auto view = Menu("mnuView", "&View", "Cbs");
  view->Enabled(false);
  auto skin = Place();
  form_->Show();
  ASSERT_EQ(skin->m_MenuCount, 3);
  EXPECT_TRUE(skin->pICmenu->Visible());
  const char* captions[] = {"&File", "&Edit", "&View"};
  float left = 60;
  for (std::int16_t n = 1; n <= 3; ++n) {
    const quorin::LabelMenu& title = skin->LbMenu(n);
    EXPECT_EQ(title.Caption(), captions[n - 1]);
    EXPECT_FLOAT_EQ(title.Left(), left) << n;
    EXPECT_FLOAT_EQ(title.Top(), 45);
    EXPECT_FLOAT_EQ(title.Height(), 270);
    EXPECT_FLOAT_EQ(title.Width(), title.Label1->width_twips() + 210);
    EXPECT_TRUE(title.Visible());
    EXPECT_EQ(title.BackColor(), skin->pICmenu->BackColor());
    left += title.Width();
  }
  EXPECT_FALSE(skin->LbMenu(3).Enabled());
  // The marked menus leave the form's own bar; the others stay.
  EXPECT_FALSE(skin->m_Menus[1]->Visible());
  EXPECT_TRUE(form_->menus()[1]->Visible());  // mnuPlain
  EXPECT_TRUE(form_->menus()[3]->Visible());  // "CBS " with a space
}

TEST_F(SkinMenuBar, AFormWithoutMarkedMenusKeepsTheBarHidden) {
  auto plain = Menu("mnuPlain", "&Plain", "");
  auto skin = Place();
  form_->Show();
  EXPECT_EQ(skin->m_MenuCount, 0);
  EXPECT_FALSE(skin->pICmenu->Visible());
  EXPECT_TRUE(plain->Visible());
}

TEST_F(SkinMenuBar, TitlesDropTheirMenuDownJustBelowThem) {
  Menu("mnuFile", "&File", "CBS");
  auto skin = Place();
  form_->Show();
  Run();
  // Clicking raises MouseDown (the pop-up 745 twips down) and, on the title, Click (715).
  NotePopUp();
  skin->LbMenu(1).Click();
  Run();
  EXPECT_EQ(popup_at_.x, static_cast<int>(std::lround(132 / 15.0)));
  EXPECT_EQ(popup_at_.y, static_cast<int>(std::lround(715 / 15.0)));
  popup_at_ = {-1, -1};
  NotePopUp();
  std::int16_t left = 1, none = 0;
  float x = 10, y = 10;
  skin->LbMenu(1).MouseDown.Raise(left, none, x, y);
  Run();
  EXPECT_EQ(popup_at_.y, static_cast<int>(std::lround(745 / 15.0)));
  // A right press opens nothing.
  popup_at_ = {-1, -1};
  std::int16_t right = 2;
  skin->LbMenu(1).MouseDown.Raise(right, none, x, y);
  Run();
  EXPECT_EQ(popup_at_.x, -1);
}

TEST_F(SkinMenuBar, AnItemChosenFromTheDroppedMenuRunsItsClick) {
  Menu("mnuFile", "&File", "CBS");
  Menu("mnuEdit", "&Edit", "CBS");
  auto skin = Place();
  form_->Show();
  Run();
  // The second title, on screen: the bar is 12, 30 px into the form.
  const quorin::LabelMenu& edit = skin->LbMenu(2);
  win32::RECT r{};
  win32::GetWindowRect(edit.hWnd(), &r);
  robot()
      .Click((r.left + r.right) / 2, (r.top + r.bottom) / 2)
      .Key(win32::VK_DOWN)
      .Key(win32::VK_RETURN);
  Run();
  EXPECT_EQ(chosen_, std::vector<std::string>{"mnuEdit"});
  EXPECT_TRUE(errors_.reports.empty());
}

TEST_F(SkinMenuBar, ALaterMenuBackColorColoursTheBarButNotTheTitles) {
  Menu("mnuFile", "&File", "CBS");
  auto skin = Place();
  form_->Show();
  const vb::OLE_COLOR title_colour = skin->LbMenu(1).BackColor();
  skin->MenuBackColor(0x0000FF);
  EXPECT_EQ(skin->pICmenu->BackColor(), 0x0000FFu);
  EXPECT_EQ(skin->LbMenu(1).BackColor(), title_colour);
}

TEST_F(SkinMenuBar, TheEmptyBarPassesItsMouseEventsOn) {
  Menu("mnuFile", "&File", "CBS");
  auto skin = Place();
  std::vector<std::string> seen;
  skin->Click.Connect([&] { seen.push_back("Click"); });
  skin->DblClick.Connect([&] { seen.push_back("DblClick"); });
  skin->MouseDown.Connect([&](std::int16_t& b, std::int16_t&, float&, float&) {
    seen.push_back("MouseDown " + std::to_string(b));
  });
  form_->Show();
  Run();
  win32::RECT bar{};
  win32::GetWindowRect(skin->pICmenu->hWnd(), &bar);
  robot().Click(bar.right - 20, bar.top + 10, win::MouseButton::kRight);
  robot().DoubleClick(bar.right - 20, bar.top + 10);
  Run();
  EXPECT_EQ(seen,
            (std::vector<std::string>{"MouseDown 2", "Click", "MouseDown 1", "Click", "DblClick"}));
}

}  // namespace
