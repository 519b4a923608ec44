// The shell's callback messages becoming events, and the window procedures of icons shown
// and hidden in any order.

#include <algorithm>
#include <string>
#include <vector>

#include "platform/win/messages.h"
#include "platform/win/procedures.h"
#include "platform/win/styles.h"
#include "platform/win/user32.h"
#include "tests/tray_icon/tray_fixture.h"
#include "tray_icon/m_sys_tray.h"

namespace {

using traytest::TrayFixture;

struct NotificationCase {
  win32::LPARAM mouse_message;
  const char* event;  // "" for none
};

TEST_F(TrayFixture, EachMouseNotificationBecomesItsEventAndIsPassedOn) {
  const NotificationCase cases[] = {
      {0x200, "Tray1.MouseMove(0)"},
      {0x201, "Tray1.MouseDown(1, 0)"},
      {0x202, "Tray1.MouseUp(1, 0)"},
      {0x203, "Tray1.MouseDblClick(1, 0)"},
      {0x204, "Tray1.MouseDown(2, 0)"},
      {0x205, "Tray1.MouseUp(2, 0)"},
      {0x206, "Tray1.MouseDblClick(2, 0)"},
      {0x207, ""},  // middle button
      {0x208, ""},
      {0x209, ""},
  };
  auto tray = Place("Tray1");
  tray->ShowIcon(true);
  // Something behind the icon's procedure sees every message it passes on.
  std::vector<win32::UINT> passed;
  win32::WNDPROC engine = tray->PreviousProcedure();
  win32::WNDPROC spy = screen_.desktop().procedures().Register(
      [&](win32::HWND h, win32::UINT m, win32::WPARAM w, win32::LPARAM l) {
        passed.push_back(m);
        return win32::CallWindowProcA(engine, h, m, w, l);
      });
  // Put the spy where the icon's procedure passes messages: behind it.
  win32::SetWindowLongA(tray->hWnd(), win32::GWL_WNDPROC, engine);
  tray->ShowIcon(false);
  win32::SetWindowLongA(tray->hWnd(), win32::GWL_WNDPROC, spy);
  tray->ShowIcon(true);
  ASSERT_EQ(tray->PreviousProcedure(), spy);

  for (const NotificationCase& c : cases) {
    SCOPED_TRACE(c.mouse_message);
    events_.clear();
    passed.clear();
    win32::SendMessageA(tray->hWnd(), 1125, 0, c.mouse_message);
    EXPECT_EQ(events_, c.event[0] ? std::vector<std::string>{c.event} : std::vector<std::string>{});
    EXPECT_EQ(passed, std::vector<win32::UINT>{1125});
  }
  // The id the shell reports is passed through; other messages raise nothing.
  events_.clear();
  win32::SendMessageA(tray->hWnd(), 1125, 7, 0x201);
  win32::SendMessageA(tray->hWnd(), win32::WM_USER + 100, 0, 0x201);
  EXPECT_EQ(events_, std::vector<std::string>{"Tray1.MouseDown(1, 7)"});
  tray->ShowIcon(false);
  win32::SetWindowLongA(tray->hWnd(), win32::GWL_WNDPROC, engine);  // the spy goes with the test
}

TEST_F(TrayFixture, ClicksOnTheTaskbarIconArriveAsEvents) {
  auto tray = Place("Tray1");
  tray->ShowIcon(true);
  form_->Show();
  win::TaskbarLayout layout = screen_.desktop().shell().Layout();
  ASSERT_EQ(layout.icons.size(), 1u);
  win32::POINT p{(layout.icons[0].left + layout.icons[0].right) / 2,
                 (layout.icons[0].top + layout.icons[0].bottom) / 2};
  win32::ClientToScreen(screen_.desktop().shell().taskbar(), &p);
  events_.clear();
  screen_.robot().Click(p.x, p.y, win::MouseButton::kRight);
  screen_.Run();
  std::erase(events_, std::string("Tray1.MouseMove(0)"));
  EXPECT_EQ(events_, (std::vector<std::string>{"Tray1.MouseDown(2, 0)", "Tray1.MouseUp(2, 0)"}));

  events_.clear();
  screen_.robot().DoubleClick(p.x, p.y);
  screen_.Run();
  EXPECT_NE(std::find(events_.begin(), events_.end(), "Tray1.MouseDblClick(1, 0)"), events_.end());
  EXPECT_EQ(std::count(events_.begin(), events_.end(), "Tray1.MouseDown(1, 0)"), 1);
}

TEST_F(TrayFixture, TwoIconsShownAndHiddenInEveryOrderRestoreTheirOwnProcedures) {
  for (int order = 0; order < 4; ++order) {
    SCOPED_TRACE(order);
    auto a = Place("TrayA" + std::to_string(order));
    auto b = Place("TrayB" + std::to_string(order));
    const win32::WNDPROC a_own = win32::GetWindowLongA(a->hWnd(), win32::GWL_WNDPROC);
    const win32::WNDPROC b_own = win32::GetWindowLongA(b->hWnd(), win32::GWL_WNDPROC);
    std::vector<quorin::TrayIcon*> show{a.get(), b.get()};
    std::vector<quorin::TrayIcon*> hide{a.get(), b.get()};
    if (order & 1) std::reverse(show.begin(), show.end());
    if (order & 2) std::reverse(hide.begin(), hide.end());
    for (auto* t : show) t->ShowIcon(true);
    EXPECT_EQ(Icons().size(), 2u);
    // While both are shown, each one's notifications reach only it.
    events_.clear();
    win32::SendMessageA(a->hWnd(), 1125, 0, 0x201);
    win32::SendMessageA(b->hWnd(), 1125, 0, 0x204);
    const std::string suffix = std::to_string(order);
    EXPECT_EQ(events_, (std::vector<std::string>{"TrayA" + suffix + ".MouseDown(1, 0)",
                                                 "TrayB" + suffix + ".MouseDown(2, 0)"}));
    hide[0]->ShowIcon(false);
    events_.clear();
    win32::SendMessageA(hide[1]->hWnd(), 1125, 0, 0x200);
    EXPECT_EQ(events_.size(), 1u);  // the other one still answers
    hide[1]->ShowIcon(false);
    EXPECT_TRUE(Icons().empty());
    EXPECT_EQ(win32::GetWindowLongA(a->hWnd(), win32::GWL_WNDPROC), a_own);
    EXPECT_EQ(win32::GetWindowLongA(b->hWnd(), win32::GWL_WNDPROC), b_own);
    EXPECT_EQ(win32::GetWindowLongA(a->hWnd(), win32::GWL_USERDATA), 0);
  }
}

TEST_F(TrayFixture, AHandlerThatUnloadsTheFormEndsCleanly) {
  auto tray = Place("Tray1");
  tray->ShowIcon(true);
  form_->Show();
  tray->MouseDown.Connect([this](std::int16_t&, std::int32_t&) { host::Unload(*form_); });
  const win32::HWND hwnd = tray->hWnd();
  tray.reset();
  win32::SendMessageA(hwnd, 1125, 0, 0x201);
  EXPECT_TRUE(Icons().empty());
  EXPECT_FALSE(win32::IsWindow(hwnd));
}

}  // namespace
